// Readings of the two frequency inputs F1 and F2.
#ifndef CMO_FORMPROPERTY_FREQUENCY_H
#define CMO_FORMPROPERTY_FREQUENCY_H

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Frequency : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Frequency(QWidget* parent = nullptr);
    ~CMO_FormProperty_Frequency() override;

    void setF1(int value);
    void setF2(int value);

private:
    void setupUi();
    void retranslateUi();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_F1_Icon = nullptr;
    QLabel* label_F1 = nullptr;
    QLabel* label_F1_Text = nullptr;
    QLabel* label_F2_Icon = nullptr;
    QLabel* label_F2 = nullptr;
    QLabel* label_F2_Text = nullptr;
};

#endif // CMO_FORMPROPERTY_FREQUENCY_H
