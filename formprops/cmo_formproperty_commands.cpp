#include "cmo_formproperty_commands.h"

#include "cmo_cp1251validator.h"
#include "cmo_currentsink.h"
#include "cmo_formkit.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>
#include <QSpinBox>

namespace {

enum Command { ModelRequest = 0, StateRequest = 1, ConnectRfu = 2, ConnectRcs = 3 };

// The configuration server offered for the connection commands; empty, so
// that the address reads "0.0.0.0" and Send waits for one to be typed.
const char kDefaultServerAddress[] = "";

// The page's free-text sender holds 120 bytes. The longest command without
// its login tail is "*!CNCT_RFU:" (or "_RCS:") 11, address 15, ":" 1, port
// 6, ":" 1, firmware or session 8: 42 bytes. The tail adds three ":" and
// the three fields, one byte a character in windows-1251: 120 - 42 - 3 = 75.
const int kApnLength = 35;
const int kLoginLength = 20;
const int kPasswordLength = 20;

QLineEdit* digitsEdit(QWidget* parent, const QByteArray& name, int digits)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(digits);
    return edit;
}

// Digits only (0 to 999, or 0 to 99): an integer validator would let "+12"
// through, and the text goes to the terminal exactly as typed.
void acceptDigits(QLineEdit* edit, int digits)
{
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
}

QLineEdit* textEdit(QWidget* parent, const QByteArray& name, int length)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(length);
    edit->setValidator(new CMO_Cp1251Validator(edit));
    return edit;
}

QLabel* dot(QWidget* parent, const QByteArray& name)
{
    QLabel* label = CMO_FormKit::caption(parent, name, 0);
    label->setText(QStringLiteral("."));
    return label;
}

QLabel* plainLabel(QWidget* parent, const QByteArray& name)
{
    return CMO_FormKit::value(parent, name);
}

QString joined(const QLineEdit* const* edits, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << (edits[i]->text().isEmpty() ? QStringLiteral("0") : edits[i]->text());
    return parts.join(QLatin1Char('.'));
}

} // namespace

CMO_FormProperty_Commands::CMO_FormProperty_Commands(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    enabled = true;
    fillCommandList();
    initFields();
}

CMO_FormProperty_Commands::~CMO_FormProperty_Commands() = default;

void CMO_FormProperty_Commands::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Commands", 331, 236);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    comboBox = new QComboBox(this);
    comboBox->setObjectName(QStringLiteral("comboBox"));

    frame_2 = new QFrame(this);
    frame_2->setObjectName(QStringLiteral("frame_2"));
    frame_2->setFrameShape(QFrame::StyledPanel);
    frame_2->setFrameShadow(QFrame::Raised);
    gridLayout_3 = new QGridLayout(frame_2);
    gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));

    // Address: four sections of up to three digits.
    label_IP = plainLabel(frame_2, "label_IP");
    frame_IP = new QFrame(frame_2);
    frame_IP->setObjectName(QStringLiteral("frame_IP"));
    gridLayout_5 = new QGridLayout(frame_IP);
    gridLayout_5->setObjectName(QStringLiteral("gridLayout_5"));
    gridLayout_5->setSpacing(0);
    gridLayout_5->setContentsMargins(0, 0, 0, 0);
    lineEdit_IP_1 = digitsEdit(frame_IP, "lineEdit_IP_1", 3);
    label = dot(frame_IP, "label");
    lineEdit_IP_2 = digitsEdit(frame_IP, "lineEdit_IP_2", 3);
    label_2 = dot(frame_IP, "label_2");
    lineEdit_IP_3 = digitsEdit(frame_IP, "lineEdit_IP_3", 3);
    label_3 = dot(frame_IP, "label_3");
    lineEdit_IP_4 = digitsEdit(frame_IP, "lineEdit_IP_4", 3);
    gridLayout_5->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 0);
    int column = 1;
    for (QWidget* w : std::initializer_list<QWidget*>{lineEdit_IP_1, label, lineEdit_IP_2, label_2,
                                                      lineEdit_IP_3, label_3, lineEdit_IP_4})
        gridLayout_5->addWidget(w, 0, column++);
    gridLayout_5->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, column);

    label_Port = plainLabel(frame_2, "label_Port");
    spinBox_Port = new QSpinBox(frame_2);
    spinBox_Port->setObjectName(QStringLiteral("spinBox_Port"));
    spinBox_Port->setRange(0, 999999);
    spinBox_Port->setValue(9000);

    // Firmware version (RFU) or session identifier (RCS), one at a time.
    label_Type = plainLabel(frame_2, "label_Type");
    frame_4 = new QFrame(frame_2);
    frame_4->setObjectName(QStringLiteral("frame_4"));
    gridLayout_4 = new QGridLayout(frame_4);
    gridLayout_4->setObjectName(QStringLiteral("gridLayout_4"));
    gridLayout_4->setContentsMargins(0, 0, 0, 0);
    frame_Firmware = new QFrame(frame_4);
    frame_Firmware->setObjectName(QStringLiteral("frame_Firmware"));
    gridLayout_6 = new QGridLayout(frame_Firmware);
    gridLayout_6->setObjectName(QStringLiteral("gridLayout_6"));
    gridLayout_6->setSpacing(0);
    gridLayout_6->setContentsMargins(0, 0, 0, 0);
    lineEdit_Fw_1 = digitsEdit(frame_Firmware, "lineEdit_Fw_1", 2);
    label_4 = dot(frame_Firmware, "label_4");
    lineEdit_Fw_2 = digitsEdit(frame_Firmware, "lineEdit_Fw_2", 2);
    label_5 = dot(frame_Firmware, "label_5");
    lineEdit_Fw_3 = digitsEdit(frame_Firmware, "lineEdit_Fw_3", 2);
    gridLayout_6->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 0);
    column = 1;
    for (QWidget* w : std::initializer_list<QWidget*>{lineEdit_Fw_1, label_4, lineEdit_Fw_2, label_5,
                                                      lineEdit_Fw_3})
        gridLayout_6->addWidget(w, 0, column++);
    gridLayout_6->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, column);
    spinBox_Type = new QSpinBox(frame_4);
    spinBox_Type->setObjectName(QStringLiteral("spinBox_Type"));
    spinBox_Type->setRange(0, 99999999);
    gridLayout_4->addWidget(frame_Firmware, 0, 0);
    gridLayout_4->addWidget(spinBox_Type, 0, 1);

    label_APN = plainLabel(frame_2, "label_APN");
    lineEdit_APN = textEdit(frame_2, "lineEdit_APN", kApnLength);
    label_Login = plainLabel(frame_2, "label_Login");
    lineEdit_Login = textEdit(frame_2, "lineEdit_Login", kLoginLength);
    label_Psw = plainLabel(frame_2, "label_Psw");
    lineEdit_Psw = textEdit(frame_2, "lineEdit_Psw", kPasswordLength);
    lineEdit_Psw->setEchoMode(QLineEdit::Normal);

    gridLayout_3->addWidget(label_IP, 0, 0);
    gridLayout_3->addWidget(frame_IP, 0, 1);
    gridLayout_3->addWidget(label_Port, 2, 0);
    gridLayout_3->addWidget(spinBox_Port, 2, 1);
    gridLayout_3->addWidget(label_Type, 3, 0);
    gridLayout_3->addWidget(frame_4, 3, 1);
    gridLayout_3->addWidget(label_APN, 5, 0);
    gridLayout_3->addWidget(lineEdit_APN, 5, 1);
    gridLayout_3->addWidget(label_Login, 6, 0);
    gridLayout_3->addWidget(lineEdit_Login, 6, 1);
    gridLayout_3->addWidget(label_Psw, 7, 0);
    gridLayout_3->addWidget(lineEdit_Psw, 7, 1);

    frame_3 = new QFrame(this);
    frame_3->setObjectName(QStringLiteral("frame_3"));
    frame_3->setFrameShape(QFrame::HLine);
    frame_3->setFrameShadow(QFrame::Sunken);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    gridLayout_2 = new QGridLayout(frame);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    pushButton_SendCommand = new QPushButton(frame);
    pushButton_SendCommand->setObjectName(QStringLiteral("pushButton_SendCommand"));
    gridLayout_2->addWidget(pushButton_SendCommand, 0, 0);

    gridLayout->addWidget(comboBox, 0, 0);
    gridLayout->addWidget(frame_2, 1, 0);
    gridLayout->addWidget(frame_3, 2, 0);
    gridLayout->addWidget(frame, 3, 0);

    retranslateUi();
}

void CMO_FormProperty_Commands::retranslateUi()
{
    label_IP->setText(QStringLiteral("IP адрес:"));
    label_Port->setText(QStringLiteral("Порт:"));
    label_Type->setText(QStringLiteral("Прошивка:"));
    label_APN->setText(QStringLiteral("APN:"));
    label_Login->setText(QStringLiteral("Логин:"));
    label_Psw->setText(QStringLiteral("Пароль:"));
    pushButton_SendCommand->setText(QStringLiteral("Отправить"));
}

void CMO_FormProperty_Commands::fillCommandList()
{
    comboBox->clear();
    comboBox->addItem(QStringLiteral("Запрос модели устройства"));
    comboBox->addItem(QStringLiteral("Запрос текущего состояния"));
    comboBox->addItem(QStringLiteral("Соединение с RFU"));
    comboBox->addItem(QStringLiteral("Соединение с конфигуратором через RCS"));
}

void CMO_FormProperty_Commands::initFields()
{
    connect(comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &CMO_FormProperty_Commands::slot_currentIndexChanged);
    for (QLineEdit* edit : {lineEdit_IP_1, lineEdit_IP_2, lineEdit_IP_3, lineEdit_IP_4,
                            lineEdit_Fw_1, lineEdit_Fw_2, lineEdit_Fw_3})
        connect(edit, &QLineEdit::textChanged, this, &CMO_FormProperty_Commands::slot_textChanged);
    connect(pushButton_SendCommand, &QPushButton::pressed, this, &CMO_FormProperty_Commands::slot_pressed_BtnSend);

    slot_currentIndexChanged(ModelRequest);

    for (QLineEdit* edit : {lineEdit_IP_1, lineEdit_IP_2, lineEdit_IP_3, lineEdit_IP_4})
        acceptDigits(edit, 3);
    for (QLineEdit* edit : {lineEdit_Fw_1, lineEdit_Fw_2, lineEdit_Fw_3})
        acceptDigits(edit, 2);

    setTabOrder(lineEdit_IP_1, lineEdit_IP_2);
    setTabOrder(lineEdit_IP_2, lineEdit_IP_3);
    setTabOrder(lineEdit_IP_3, lineEdit_IP_4);
    setTabOrder(lineEdit_IP_4, spinBox_Port);
    setTabOrder(lineEdit_Fw_1, lineEdit_Fw_2);
    setTabOrder(lineEdit_Fw_2, lineEdit_Fw_3);
    setTabOrder(lineEdit_Fw_3, lineEdit_APN);
}

QString CMO_FormProperty_Commands::ipText() const
{
    const QLineEdit* const edits[] = {lineEdit_IP_1, lineEdit_IP_2, lineEdit_IP_3, lineEdit_IP_4};
    return joined(edits, 4);
}

QString CMO_FormProperty_Commands::firmwareText() const
{
    const QLineEdit* const edits[] = {lineEdit_Fw_1, lineEdit_Fw_2, lineEdit_Fw_3};
    return joined(edits, 3);
}

void CMO_FormProperty_Commands::setIpText(const QString& text)
{
    QLineEdit* const edits[] = {lineEdit_IP_1, lineEdit_IP_2, lineEdit_IP_3, lineEdit_IP_4};
    for (int i = 0; i < 4; ++i)
        edits[i]->setText(text.section(QLatin1Char('.'), i, i));
}

void CMO_FormProperty_Commands::setFirmwareText(const QString& text)
{
    QLineEdit* const edits[] = {lineEdit_Fw_1, lineEdit_Fw_2, lineEdit_Fw_3};
    for (int i = 0; i < 3; ++i)
        edits[i]->setText(text.section(QLatin1Char('.'), i, i));
}

void CMO_FormProperty_Commands::setSendEnabled(bool on)
{
    enabled = on;
    if (on)
        updateSendButton();
    else
        pushButton_SendCommand->setEnabled(false);
}

void CMO_FormProperty_Commands::clearLoginFields()
{
    lineEdit_APN->clear();
    lineEdit_Login->clear();
    lineEdit_Psw->clear();
}

void CMO_FormProperty_Commands::slot_currentIndexChanged(int index)
{
    switch (index) {
    case ModelRequest:
    case StateRequest:
        // Enables Send even while the page has disabled the group.
        frame_2->hide();
        pushButton_SendCommand->setEnabled(true);
        break;
    case ConnectRfu:
        frame_2->show();
        label_Type->setText(QStringLiteral("Версия прошивки:"));
        spinBox_Type->hide();
        frame_Firmware->show();
        setIpText(QString::fromLatin1(kDefaultServerAddress));
        spinBox_Port->setValue(9000);
        setFirmwareText(QStringLiteral("99.99.99"));
        clearLoginFields();
        updateSendButton();
        break;
    case ConnectRcs:
        frame_2->show();
        label_Type->setText(QStringLiteral("ID сеанса:"));
        frame_Firmware->hide();
        spinBox_Type->show();
        setIpText(QString::fromLatin1(kDefaultServerAddress));
        spinBox_Port->setValue(8100);
        spinBox_Type->setValue(0);
        clearLoginFields();
        updateSendButton();
        break;
    default:
        break;
    }
}

void CMO_FormProperty_Commands::slot_textChanged(const QString& text)
{
    Q_UNUSED(text);
    updateSendButton();
}

void CMO_FormProperty_Commands::updateSendButton()
{
    if (!enabled) {
        pushButton_SendCommand->setEnabled(false);
        return;
    }
    const QString noAddress = QStringLiteral("0.0.0.0");
    switch (comboBox->currentIndex()) {
    case ModelRequest:
    case StateRequest:
        pushButton_SendCommand->setEnabled(true);
        break;
    case ConnectRfu:
        pushButton_SendCommand->setEnabled(ipText() != noAddress && firmwareText() != QLatin1String("0.0.0"));
        break;
    case ConnectRcs:
        pushButton_SendCommand->setEnabled(ipText() != noAddress);
        break;
    default:
        break;
    }
}

QString CMO_FormProperty_Commands::loginTail() const
{
    if (lineEdit_APN->text().isEmpty() && lineEdit_Login->text().isEmpty() && lineEdit_Psw->text().isEmpty())
        return QString();
    return QStringLiteral(":%1:%2:%3").arg(lineEdit_APN->text(), lineEdit_Login->text(), lineEdit_Psw->text());
}

QString CMO_FormProperty_Commands::commandText() const
{
    switch (comboBox->currentIndex()) {
    case ModelRequest:
        return QStringLiteral("*?V");
    case StateRequest:
        return QStringLiteral("*?A");
    case ConnectRfu:
        return QStringLiteral("*!CNCT_RFU:%1:%2:%3")
                   .arg(ipText(), QString::number(spinBox_Port->value()), firmwareText())
               + loginTail();
    case ConnectRcs:
        return QStringLiteral("*!CNCT_RCS:%1:%2:%3")
                   .arg(ipText(), QString::number(spinBox_Port->value()), QString::number(spinBox_Type->value()))
               + loginTail();
    default:
        return QString();
    }
}

void CMO_FormProperty_Commands::slot_pressed_BtnSend()
{
    const QString text = commandText();
    if (!text.isEmpty())   // no command selected: nothing to send
        CMO_CurrentSink::command(text);
}
