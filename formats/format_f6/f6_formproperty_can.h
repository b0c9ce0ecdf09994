// The four CAN values of the F-6 record: fuel level, fuel consumption,
// engine turns and axle weight, each shown as the ready-made text the page
// passes. The F-6 page's own version of the library's CAN group (same class
// name, four rows, in namespace F6 so that both can be linked into one
// plug-in). No buttons.
#ifndef F6_FORMPROPERTY_CAN_H
#define F6_FORMPROPERTY_CAN_H

#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;

namespace F6 {

class CMO_FormProperty_CAN : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_CAN(QWidget* parent = nullptr);
    ~CMO_FormProperty_CAN() override;

    // Each text is shown unchanged.
    void setFuelLevel(const QString& text);
    void setFuelConsumption(const QString& text);
    void setEngineTurns(const QString& text);
    void setWeight(const QString& text);

private:
    static const int kRows = 4;
    void setupUi();

    QGridLayout* gridLayout = nullptr;
    QLabel* values[kRows] = {};
};

} // namespace F6

#endif // F6_FORMPROPERTY_CAN_H
