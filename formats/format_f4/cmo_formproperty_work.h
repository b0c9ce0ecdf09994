// The F-4 guard group: the alarm notification, the guard mode (0 to 3) and
// four guard buttons, of which the one of the mode already active is hidden.
#ifndef CMO_FORMPROPERTY_WORK_H
#define CMO_FORMPROPERTY_WORK_H

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

class CMO_FormProperty_Work : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Work(QWidget* parent = nullptr);
    ~CMO_FormProperty_Work() override;

    // GN, GY and G2 are enabled or disabled; G3 is shown or hidden instead.
    void setButtonsEnabled(bool on);
    // Alarm lamp and word, mode picture and word; with shown, every button
    // but the one of mode is visible; without, none. Only the low two bits
    // of mode count.
    void setState(bool shown, int alarm, unsigned mode);

private slots:
    void slot_pressed_Btn_GY();
    void slot_pressed_Btn_GN();
    void slot_pressed_Btn_G2();
    void slot_pressed_Btn_G3();

private:
    void setupUi();
    void retranslateUi();
    void connectSlotsF4();
    void applyTextsF4();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Alarm_Icon = nullptr;
    QLabel* label_Alarm = nullptr;
    QLabel* label_Work_Icon = nullptr;
    QLabel* label_Work = nullptr;
    QLabel* label_Alarm_Text = nullptr;
    QLabel* label_Work_Text = nullptr;
    QPushButton* pushButton_GN = nullptr;
    QPushButton* pushButton_G2 = nullptr;
    QPushButton* pushButton_GY = nullptr;
    QPushButton* pushButton_G3 = nullptr;
};

#endif // CMO_FORMPROPERTY_WORK_H
