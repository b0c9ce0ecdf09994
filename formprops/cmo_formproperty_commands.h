// The command group: the operator picks one of four commands (device model,
// current state, connect to RFU, connect to the configurator through RCS),
// fills its parameters and sends it on press of "Отправить" through the
// current page's free-text sender.
#ifndef CMO_FORMPROPERTY_COMMANDS_H
#define CMO_FORMPROPERTY_COMMANDS_H

#include <QString>
#include <QWidget>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QSpinBox;

class CMO_FormProperty_Commands : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Commands(QWidget* parent = nullptr);
    ~CMO_FormProperty_Commands() override;

    // The group's part of the page's command enabling: false disables Send,
    // true lets Send follow the selected command and its fields again.
    void setSendEnabled(bool on);

    // The four address edits joined with ".", an empty edit as "0".
    QString ipText() const;
    // The three firmware edits joined the same way.
    QString firmwareText() const;
    void setIpText(const QString& text);
    void setFirmwareText(const QString& text);

private slots:
    void slot_currentIndexChanged(int index);
    void slot_textChanged(const QString& text);
    void slot_pressed_BtnSend();

private:
    void setupUi();
    void retranslateUi();
    void fillCommandList();
    void initFields();
    void updateSendButton();
    QString commandText() const;
    QString loginTail() const;
    void clearLoginFields();

    QGridLayout* gridLayout = nullptr;
    QComboBox* comboBox = nullptr;
    QFrame* frame_2 = nullptr;
    QGridLayout* gridLayout_3 = nullptr;
    QLabel* label_IP = nullptr;
    QFrame* frame_IP = nullptr;
    QGridLayout* gridLayout_5 = nullptr;
    QLineEdit* lineEdit_IP_1 = nullptr;
    QLabel* label = nullptr;
    QLineEdit* lineEdit_IP_2 = nullptr;
    QLabel* label_2 = nullptr;
    QLineEdit* lineEdit_IP_3 = nullptr;
    QLabel* label_3 = nullptr;
    QLineEdit* lineEdit_IP_4 = nullptr;
    QLabel* label_Port = nullptr;
    QSpinBox* spinBox_Port = nullptr;
    QLabel* label_Type = nullptr;
    QFrame* frame_4 = nullptr;
    QGridLayout* gridLayout_4 = nullptr;
    QFrame* frame_Firmware = nullptr;
    QGridLayout* gridLayout_6 = nullptr;
    QLineEdit* lineEdit_Fw_1 = nullptr;
    QLabel* label_4 = nullptr;
    QLineEdit* lineEdit_Fw_2 = nullptr;
    QLabel* label_5 = nullptr;
    QLineEdit* lineEdit_Fw_3 = nullptr;
    QSpinBox* spinBox_Type = nullptr;
    QLabel* label_APN = nullptr;
    QLineEdit* lineEdit_APN = nullptr;
    QLabel* label_Login = nullptr;
    QLineEdit* lineEdit_Login = nullptr;
    QLabel* label_Psw = nullptr;
    QLineEdit* lineEdit_Psw = nullptr;
    QFrame* frame_3 = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QPushButton* pushButton_SendCommand = nullptr;

    bool enabled = true;   // false while the page has disabled its command buttons
};

#endif // CMO_FORMPROPERTY_COMMANDS_H
