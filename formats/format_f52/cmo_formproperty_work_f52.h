// The guard-mode group: alarm notification, guard mode, and the three guard
// commands as icon buttons, of which only those that change the mode show.
#ifndef CMO_FORMPROPERTY_WORK_F52_H
#define CMO_FORMPROPERTY_WORK_F52_H

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

namespace F52 {

class CMO_FormProperty_Work : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Work(QWidget* parent = nullptr);
    ~CMO_FormProperty_Work() override;

    void setButtonsEnabled(bool on);
    // alarm non-zero: alarm; mode 0 observation, 1 guard, 2 guard profile 2,
    // anything else leaves the mode row as it was. Without buttonsAllowed
    // the three buttons are hidden.
    void setState(bool buttonsAllowed, int alarm, int mode);

private slots:
    void slot_pressed_Btn_GY();
    void slot_pressed_Btn_GN();
    void slot_pressed_Btn_G2();

private:
    void setupUi();
    void retranslateUi();
    void connectSlots();
    void applyTexts();

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
};

} // namespace F52

#endif // CMO_FORMPROPERTY_WORK_F52_H
