// Who the shown terminal is: IMEI, object ID and record format.
#ifndef CMO_FORMPROPERTY_OBJECT_H
#define CMO_FORMPROPERTY_OBJECT_H

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Object : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Object(QWidget* parent = nullptr);
    ~CMO_FormProperty_Object() override;

    void setName(const QString& text);       // IMEI row
    void setFullName(const QString& text);   // object ID row
    void setType(const QString& text);       // format row; the form says "ZIRN"

private:
    void setupUi();
    void retranslateUi();
    void setCaptions();

    QGridLayout* gridLayout = nullptr;
    QLabel* label_Name = nullptr;
    QLabel* label_Name_Text = nullptr;
    QLabel* label_FullName = nullptr;
    QLabel* label_FullName_Text = nullptr;
    QLabel* label_Type = nullptr;
    QLabel* label_Type_Text = nullptr;
};

#endif // CMO_FORMPROPERTY_OBJECT_H
