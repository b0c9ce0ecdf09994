// Which black-box record is shown: its number, event and event time.
#ifndef CMO_FORMPROPERTY_EVENT_H
#define CMO_FORMPROPERTY_EVENT_H

#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Event : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Event(QWidget* parent = nullptr);
    ~CMO_FormProperty_Event() override;

    void setNumber(quint32 number);
    void setEvent(const QString& text);
    void setDateTime(const QString& text);

private:
    void setupUi();
    void retranslateUi();
    void setCaptions();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Number = nullptr;
    QLabel* label_Number_Text = nullptr;
    QLabel* label_Event = nullptr;
    QLabel* label_Event_Text = nullptr;
    QLabel* label_DateTime = nullptr;
    QLabel* label_DateTime_Text = nullptr;

    // The last texts shown.
    QString numberText;
    QString eventText;
    QString dateTimeText;
};

#endif // CMO_FORMPROPERTY_EVENT_H
