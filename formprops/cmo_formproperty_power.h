// Main and reserve supply voltage, in volts.
#ifndef CMO_FORMPROPERTY_POWER_H
#define CMO_FORMPROPERTY_POWER_H

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Power : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Power(QWidget* parent = nullptr);
    ~CMO_FormProperty_Power() override;

    void setPower(int millivolts);
    void setReserve(int millivolts);

private:
    void setupUi();
    void retranslateUi();
    void setCaptions();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Power_Icon = nullptr;
    QLabel* label_Power = nullptr;
    QLabel* label_Power_Text = nullptr;
    QLabel* label_Reserve_Icon = nullptr;
    QLabel* label_Reserve = nullptr;
    QLabel* label_Reserve_Text = nullptr;
};

#endif // CMO_FORMPROPERTY_POWER_H
