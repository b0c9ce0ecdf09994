// The GSM modem: state (off, not registered, home network, roaming) from
// the module flags, and the signal level as an icon and a percentage.
#ifndef CMO_FORMPROPERTY_GSM_F52_H
#define CMO_FORMPROPERTY_GSM_F52_H

#include <QWidget>

class QFrame;
class QGridLayout;
class QLabel;

namespace F52 {

class CMO_FormProperty_GSM : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_GSM(QWidget* parent = nullptr);
    ~CMO_FormProperty_GSM() override;

    // (flags >> n) & 1 for n 0 to 7; any other n gives 0.
    static int testBit(quint8 flags, int n);
    void setStateF52(quint8 flags);
    void setLevelF52(int level);

private:
    void setupUi();
    void applyTexts();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_GSM_Icon = nullptr;
    QLabel* label_GSM_Level_Icon = nullptr;
    QLabel* label_GSM_Level = nullptr;
    QLabel* label_GSM_Level_Text = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QLabel* label_GSM = nullptr;
    QLabel* label_GSM_Text = nullptr;
};

} // namespace F52

#endif // CMO_FORMPROPERTY_GSM_F52_H
