// The last navigation fix: validity, time, speed, course, position in
// degrees (from radians), distance travelled and odometer.
#ifndef CMO_FORMPROPERTY_NAVIGATION_F52_H
#define CMO_FORMPROPERTY_NAVIGATION_F52_H

#include <QWidget>

class QFrame;
class QGridLayout;
class QLabel;

namespace F52 {

class CMO_FormProperty_Navigation : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Navigation(QWidget* parent = nullptr);
    ~CMO_FormProperty_Navigation() override;

    void setValid(int flag);                 // non-zero: valid
    void setDateTime(const QString& text);
    void setSpeed(float kmh);
    void setCourse(int degrees);
    void setLatitudeF52(float radians);
    void setLongitudeF52(float radians);
    void setWay(float km);
    void setAllSeconds(int seconds);
    void setSecondsLast(int seconds);
    void setRun(float km);

private:
    // "<degrees> <minutes, 4 decimals>'" of a count of 1/10000 minute.
    // Degrees from radians: times 180, divided by pi in single precision.
    static QString degreesText(float radians);
    void setupUi();
    void retranslateUi();
    void setCaptions();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Navigation_Icon = nullptr;
    QLabel* label_Navigation = nullptr;
    QLabel* label_Navigation_Text = nullptr;
    QLabel* label_DateTime_Icon = nullptr;
    QLabel* label_DateTime = nullptr;
    QLabel* label_DateTime_Text = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QLabel* label_Speed_Icon = nullptr;
    QLabel* label_Speed = nullptr;
    QLabel* label_Speed_Text = nullptr;
    QLabel* label_Course_Icon = nullptr;
    QLabel* label_Course = nullptr;
    QLabel* label_Course_Text = nullptr;
    QLabel* label_Width_Icon = nullptr;
    QLabel* label_Width = nullptr;
    QLabel* label_Width_Text = nullptr;
    QLabel* label_Longitude_Icon = nullptr;
    QLabel* label_Longitude = nullptr;
    QLabel* label_Longitude_Text = nullptr;
    QLabel* label_Way_Icon = nullptr;
    QLabel* label_Way = nullptr;
    QLabel* label_Way_Text = nullptr;
    QLabel* label_AllSeconds = nullptr;
    QLabel* label_AllSeconds_Text = nullptr;
    QLabel* label_SecondsLast = nullptr;
    QLabel* label_SecondsLast_Text = nullptr;
    QLabel* label_Run_Icon = nullptr;
    QLabel* label_Run = nullptr;
    QLabel* label_Run_Text = nullptr;
    QLabel* label_Addres_Icon = nullptr;
    QLabel* label_Addres = nullptr;
    QLabel* label_Addres_Text = nullptr;
};

} // namespace F52

#endif // CMO_FORMPROPERTY_NAVIGATION_F52_H
