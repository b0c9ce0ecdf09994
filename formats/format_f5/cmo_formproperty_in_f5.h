// The input-lines group of the F-5 page: the property-group library's five
// lines, plus per line an operation that shows or hides the line and
// decides whether its lock and unlock buttons may appear.
#ifndef CMO_FORMPROPERTY_IN_F5_H
#define CMO_FORMPROPERTY_IN_F5_H

#include "cmo_formproperty_in.h"

namespace F5 {

class CMO_FormProperty_In : public ::CMO_FormProperty_In
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_In(QWidget* parent = nullptr);
    ~CMO_FormProperty_In() override;

    // Line 1 always shows; its two buttons follow buttonsAllowed.
    void setLineState1(bool buttonsAllowed);
    // Line n's labels follow visible; its buttons show only when both
    // buttonsAllowed and visible hold.
    void setLineState2(bool buttonsAllowed, bool visible);
    void setLineState3(bool buttonsAllowed, bool visible);
    void setLineState4(bool buttonsAllowed, bool visible);
    void setLineState5(bool buttonsAllowed, bool visible);

private:
    void setLineState(int line, bool buttonsAllowed, bool visible);
    void setVisibleByName(const QString& name, bool visible);
};

} // namespace F5

#endif // CMO_FORMPROPERTY_IN_F5_H
