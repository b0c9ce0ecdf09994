// Mode group: the alarm notification lamp and the engine state.
#ifndef CMO_FORMPROPERTY_WORK_H
#define CMO_FORMPROPERTY_WORK_H

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Work : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Work(QWidget* parent = nullptr);
    ~CMO_FormProperty_Work() override;

    void setAlarm(int flag);                 // 0 no alarm, anything else alarm
    void setEngine(const QString& text);

private:
    void setupUi();
    void retranslateUi();
    void applyTexts();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Alarm_Icon = nullptr;
    QLabel* label_Alarm = nullptr;
    QLabel* label_Alarm_Text = nullptr;
    QLabel* label_Engine = nullptr;
    QLabel* label_Engine_Text = nullptr;
};

#endif // CMO_FORMPROPERTY_WORK_H
