// The GSM module: SIM card in use, network state and signal level.
#ifndef CMO_FORMPROPERTY_GSM_H
#define CMO_FORMPROPERTY_GSM_H

#include <QWidget>

class QFrame;
class QGridLayout;
class QLabel;

class CMO_FormProperty_GSM : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_GSM(QWidget* parent = nullptr);
    ~CMO_FormProperty_GSM() override;

    // Bit n (0..7) of flags as 0 or 1; 0 for any other n.
    static int testBit(quint8 flags, int n);
    // Bit 0 module on, bit 4 second SIM, bit 5 registered, bit 6 roaming.
    void setState(quint8 flags);
    // Level in percent; 99 is no data; a negative level keeps the picture.
    void setLevel(int level);

private:
    void setupUi();
    void retranslateUi();
    void setCaptions();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_SIM_Icon = nullptr;
    QFrame* frame_2 = nullptr;
    QGridLayout* gridLayout_3 = nullptr;
    QLabel* label_SIM = nullptr;
    QLabel* label_SIM_Text = nullptr;
    QLabel* label_GSM_Icon = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QLabel* label_GSM = nullptr;
    QLabel* label_GSM_Text = nullptr;
    QLabel* label_GSM_Level_Icon = nullptr;
    QLabel* label_GSM_Level = nullptr;
    QLabel* label_GSM_Level_Text = nullptr;
};

#endif // CMO_FORMPROPERTY_GSM_H
