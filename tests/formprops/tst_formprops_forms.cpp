// The forms of the groups as built: object names, window titles, initial
// sizes and declared slots; every caption, tool tip and button picture the
// user sees; and the text setters of the CAN and fuel-sensor groups, each
// reaching its own row and no other.
#include "formprops_testkit.h"

#include "cmo_formproperty_can.h"
#include "cmo_formproperty_digital.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_navigation.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_work.h"
#include "cmo_formpropertyitem.h"

#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QtTest>

#include <iterator>

namespace {

std::unique_ptr<QWidget> makeWidget(const QString& name)
{
    if (name == QLatin1String("Item"))
        return std::make_unique<CMO_FormPropertyItem>();
    return TestKit::makeGroup(name);
}

QStringList slotsOf(const QWidget* widget)
{
    QStringList names;
    const QMetaObject* meta = widget->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot || method.methodType() == QMetaMethod::Signal)
            names << QString::fromLatin1(method.methodSignature());
    }
    return names;
}

// The value labels (names with "_Value") of group that do not show what
// they should: label the text shown, every other one untouched; and a
// line when the group has not count of them.
QStringList wrongValues(const QWidget* group, const QString& label, const QString& shown,
                        const QString& untouched, int count)
{
    QStringList wrong;
    int seen = 0;
    for (const QLabel* l : group->findChildren<QLabel*>()) {
        if (!l->objectName().contains(QLatin1String("_Value")))
            continue;
        ++seen;
        if (l->text() != (l->objectName() == label ? shown : untouched))
            wrong << l->objectName() + ": " + l->text();
    }
    if (seen != count)
        wrong << QStringLiteral("%1 value labels").arg(seen);
    return wrong;
}

template <typename Group, void (Group::*Setter)(const QString&)>
void callSetter(QWidget* group, const QString& text)
{
    (static_cast<Group*>(group)->*Setter)(text);
}

// Each setter of a ready-made text and the label it writes.
struct TextSetter {
    const char* group;
    const char* label;
    void (*set)(QWidget*, const QString&);
};

using CAN = CMO_FormProperty_CAN;
using Digital = CMO_FormProperty_Digital;
using Event = CMO_FormProperty_Event;
using Navigation = CMO_FormProperty_Navigation;
using Object = CMO_FormProperty_Object;
using Work = CMO_FormProperty_Work;

const TextSetter kTextSetters[] = {
    {"Object", "label_Name_Text", &callSetter<Object, &Object::setName>},
    {"Object", "label_FullName_Text", &callSetter<Object, &Object::setFullName>},
    {"Work", "label_Engine_Text", &callSetter<Work, &Work::setEngine>},
    {"Event", "label_Event_Text", &callSetter<Event, &Event::setEvent>},
    {"Event", "label_DateTime_Text", &callSetter<Event, &Event::setDateTime>},
    {"Navigation", "label_DateTime_Text", &callSetter<Navigation, &Navigation::setDateTime>},
    {"CAN", "label_CAN_FuelLevel_Value", &callSetter<CAN, &CAN::setFuelLevel>},
    {"CAN", "label_CAN_FuelConsumption_Value", &callSetter<CAN, &CAN::setFuelConsumption>},
    {"CAN", "label_CAN_FullRun_Value", &callSetter<CAN, &CAN::setFullRun>},
    {"CAN", "label_CAN_AxleLoad_Value_1", &callSetter<CAN, &CAN::setAxleLoad1>},
    {"CAN", "label_CAN_AxleLoad_Value_2", &callSetter<CAN, &CAN::setAxleLoad2>},
    {"CAN", "label_CAN_AxleLoad_Value_3", &callSetter<CAN, &CAN::setAxleLoad3>},
    {"CAN", "label_CAN_AxleLoad_Value_4", &callSetter<CAN, &CAN::setAxleLoad4>},
    {"CAN", "label_CAN_AxleLoad_Value_5", &callSetter<CAN, &CAN::setAxleLoad5>},
    {"CAN", "label_CAN_Speed_Value", &callSetter<CAN, &CAN::setSpeed>},
    {"CAN", "label_CAN_Temp_Value", &callSetter<CAN, &CAN::setTemp>},
    {"CAN", "label_CAN_EngineTurns_Value", &callSetter<CAN, &CAN::setEngineTurns>},
    {"CAN", "label_CAN_PedalAccel_Value", &callSetter<CAN, &CAN::setPedalAccel>},
    {"CAN", "label_CAN_PedalStop_Value", &callSetter<CAN, &CAN::setPedalStop>},
    {"CAN", "label_CAN_EngineLoad_Value", &callSetter<CAN, &CAN::setEngineLoad>},
    {"CAN", "label_CAN_LevelFiltr_Value", &callSetter<CAN, &CAN::setLevelFiltr>},
    {"CAN", "label_CAN_EngineTime_Value", &callSetter<CAN, &CAN::setEngineTime>},
    {"CAN", "label_CAN_TimeTO_Value", &callSetter<CAN, &CAN::setTimeTO>},
    {"Digital", "label_D1_Level_Value", &callSetter<Digital, &Digital::setD1>},
    {"Digital", "label_D2_Level_Value", &callSetter<Digital, &Digital::setD2>},
    {"Digital", "label_D3_Level_Value", &callSetter<Digital, &Digital::setD3>},
    {"Digital", "label_D4_Level_Value", &callSetter<Digital, &Digital::setD4>},
    {"Digital", "label_D5_Level_Value", &callSetter<Digital, &Digital::setD5>},
    {"Digital", "label_D6_Level_Value", &callSetter<Digital, &Digital::setD6>},
    {"Digital", "label_RS232_Level_Value", &callSetter<Digital, &Digital::setRS232>},
};

// One data row (column "row", the index into kTextSetters) per setter of
// the given groups.
void addTextSetterRows(const QStringList& groups)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kTextSetters)); ++i) {
        const TextSetter& setter = kTextSetters[i];
        if (groups.contains(QLatin1String(setter.group)))
            QTest::addRow("%s %s", setter.group, setter.label) << i;
    }
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT
private slots:
    void form_data();
    void form();
    void captions_data();
    void captions();
    void lockButtons_data();
    void lockButtons();
    void textSetters_data();
    void textSetters();
    void textsAreNeverMarkup_data();
    void textsAreNeverMarkup();
    void longTextsWrap_data();
    void longTextsWrap();
};

void TestForms::form_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("slotList");

    const QStringList none;
    QTest::newRow("Item") << "Item" << "CMO_FormPropertyItemClass" << "CMO_FormPropertyItem" << QSize(335, 203)
                          << QStringList{"slot_pressed_Btn_Arrow()"};
    QTest::newRow("Object") << "Object" << "CMO_FormProperty_ObjectClass" << "CMO_FormProperty_Object"
                            << QSize(335, 72) << none;
    QTest::newRow("Work") << "Work" << "CMO_FormProperty_WorkClass" << "CMO_FormProperty_Work"
                          << QSize(335, 55) << none;
    QTest::newRow("Out") << "Out" << "CMO_FormProperty_OutClass" << "CMO_FormProperty_Out" << QSize(360, 106)
                         << QStringList{"slot_pressed_1Y()", "slot_pressed_1N()", "slot_pressed_2Y()",
                                        "slot_pressed_2N()", "slot_pressed_3Y()", "slot_pressed_3N()",
                                        "slot_pressed_4Y()", "slot_pressed_4N()"};
    QTest::newRow("Power") << "Power" << "CMO_FormProperty_PowerClass" << "CMO_FormProperty_Power"
                           << QSize(335, 44) << none;
    QTest::newRow("SH") << "SH" << "CMO_FormProperty_SHClass" << "CMO_FormProperty_SH" << QSize(335, 66) << none;
    QTest::newRow("Temp") << "Temp" << "CMO_FormProperty_TempClass" << "CMO_FormProperty_Temp"
                          << QSize(335, 222) << none;
    QTest::newRow("Navigation") << "Navigation" << "CMO_FormProperty_NavigationClass"
                                << "CMO_FormProperty_Navigation" << QSize(335, 288) << none;
    QTest::newRow("In") << "In" << "CMO_FormProperty_InClass" << "CMO_FormProperty_In" << QSize(338, 124)
                        << QStringList{"slot_pressed_Btn_On1()", "slot_pressed_Btn_Off1()",
                                       "slot_pressed_Btn_On2()", "slot_pressed_Btn_Off2()",
                                       "slot_pressed_Btn_On3()", "slot_pressed_Btn_Off3()",
                                       "slot_pressed_Btn_On4()", "slot_pressed_Btn_Off4()",
                                       "slot_pressed_Btn_On5()", "slot_pressed_Btn_Off5()"};
    QTest::newRow("Impuls") << "Impuls" << "CMO_FormProperty_ImpulsClass" << "CMO_FormProperty_Impuls"
                            << QSize(335, 46)
                            << QStringList{"slot_pressed_Btn_On2()", "slot_pressed_Btn_Off2()",
                                           "slot_pressed_Btn_On3()", "slot_pressed_Btn_Off3()"};
    QTest::newRow("GSM") << "GSM" << "CMO_FormProperty_GSMClass" << "CMO_FormProperty_GSM" << QSize(335, 91)
                         << none;
    QTest::newRow("Frequency") << "Frequency" << "CMO_FormProperty_Frequency" << "CMO_FormProperty_Frequency"
                               << QSize(335, 49) << none;
    QTest::newRow("Event") << "Event" << "CMO_FormProperty_EventClass" << "CMO_FormProperty_Event"
                           << QSize(335, 89) << none;
    QTest::newRow("Commands") << "Commands" << "CMO_FormProperty_CommandsClass" << "CMO_FormProperty_Commands"
                              << QSize(331, 236)
                              << QStringList{"slot_currentIndexChanged(int)", "slot_textChanged(QString)",
                                             "slot_pressed_BtnSend()"};
    QTest::newRow("Analog") << "Analog" << "CMO_FormProperty_AnalogClass" << "CMO_FormProperty_Analog"
                            << QSize(335, 185)
                            << QStringList{"slot_pressed_Btn_On4()", "slot_pressed_Btn_Off4()",
                                           "slot_pressed_Btn_On5()", "slot_pressed_Btn_Off5()",
                                           "slot_pressed_Btn_A3_On()", "slot_pressed_Btn_A3_Off()"};
    QTest::newRow("Digital") << "Digital" << "CMO_FormProperty_DigitalClass" << "CMO_FormProperty_Digital"
                             << QSize(335, 219) << none;
    QTest::newRow("CAN") << "CAN" << "CMO_FormProperty_CAN" << "CMO_FormProperty_CAN" << QSize(338, 386) << none;
}

void TestForms::form()
{
    QFETCH(QString, group);
    QFETCH(QString, objectName);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(QStringList, slotList);

    auto widget = makeWidget(group);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), objectName);
    QCOMPARE(widget->windowTitle(), title);
    QCOMPARE(widget->size(), size);
    QCOMPARE(slotsOf(widget.get()), slotList);
}

void TestForms::captions_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const char* const rows[][3] = {
        {"Work", "label_Alarm", "Тревожное оповещение:"},
        {"Work", "label_Engine", "Двигатель:"},
        {"Power", "label_Power", "Основной:"},
        {"Power", "label_Reserve", "Резервный:"},
        {"SH", "label_SH1", "Слабого удара:"},
        {"SH", "label_SH2", "Сильного удара:"},
        {"SH", "label_SH3", "Перемещения:"},
        {"Navigation", "label_Navigation", "Валидность координат:"},
        {"Navigation", "label_DateTime", "Дата/время последних координат:"},
        {"Navigation", "label_Speed", "Скорость:"},
        {"Navigation", "label_Course", "Направление:"},
        {"Navigation", "label_Width", "Широта:"},
        {"Navigation", "label_Longitude", "Долгота:"},
        {"Navigation", "label_Altitude", "Высота:"},
        {"Navigation", "label_Way", "Пройдено:"},
        {"Navigation", "label_AllSeconds", "за время:"},
        {"Navigation", "label_SecondsLast", "навигация на:"},
        {"Navigation", "label_Run", "Одометр:"},
        {"Navigation", "label_Addres", "Адрес:"},
        {"In", "label_IN1", "Вход I1:"},
        {"In", "label_IN2", "Вход I2:"},
        {"In", "label_IN3", "Вход I3:"},
        {"In", "label_IN4", "Вход A1:"},
        {"In", "label_IN5", "Вход A2:"},
        {"Impuls", "label_I2", "I2:"},
        {"Impuls", "label_I3", "I3:"},
        {"GSM", "label_SIM", "SIM карта:"},
        {"GSM", "label_GSM", "Статус:"},
        {"GSM", "label_GSM_Level", "Уровень сигнала:"},
        {"Frequency", "label_F1", "F1:"},
        {"Frequency", "label_F2", "F2:"},
        {"Event", "label_Number", "Номер события из ч/я:"},
        {"Event", "label_Event", "Событие:"},
        {"Event", "label_DateTime", "Дата/время события:"},
        {"Commands", "label_IP", "IP адрес:"},
        {"Commands", "label", "."},
        {"Commands", "label_2", "."},
        {"Commands", "label_3", "."},
        {"Commands", "label_Port", "Порт:"},
        {"Commands", "label_Type", "Прошивка:"},
        {"Commands", "label_4", "."},
        {"Commands", "label_5", "."},
        {"Commands", "label_APN", "APN:"},
        {"Commands", "label_Login", "Логин:"},
        {"Commands", "label_Psw", "Пароль:"},
        {"Analog", "label_A1", "A1:"},
        {"Analog", "label_A2", "A2:"},
        {"Analog", "label_A3", "A3:"},
        {"Analog", "label_A4", "A4:"},
        {"Analog", "label_A5", "A5:"},
        {"Analog", "label_A6", "A6:"},
        {"Analog", "label_A7", "A7:"},
        {"Analog", "label_A8", "A8:"},
        {"Digital", "label_D1_Level", "Уровень RS-485 D1"},
        {"Digital", "label_D2_Level", "Уровень RS-485 D2"},
        {"Digital", "label_D3_Level", "Уровень RS-485 D3"},
        {"Digital", "label_D5_Level", "Уровень RS-485 D5"},
        {"Digital", "label_D6_Level", "Уровень RS-485 D6"},
        {"CAN", "label_CAN_FuelLevel_Text", "Уровень топлива в баке"},
        {"CAN", "label_CAN_FuelConsumption_Text", "Полный расход топлива"},
        {"CAN", "label_CAN_FullRun_Text", "Полный пробег"},
        {"CAN", "label_CAN_AxleLoad_Text_1", "Нагрузка на ось 1"},
        {"CAN", "label_CAN_AxleLoad_Text_2", "Нагрузка на ось 2"},
        {"CAN", "label_CAN_AxleLoad_Text_3", "Нагрузка на ось 3"},
        {"CAN", "label_CAN_AxleLoad_Text_4", "Нагрузка на ось 4"},
        {"CAN", "label_CAN_AxleLoad_Text_5", "Нагрузка на ось 5"},
        {"CAN", "label_CAN_Speed_Text", "Скорость"},
        {"CAN", "label_CAN_Temp_Text", "Температура ОЖ"},
        {"CAN", "label_CAN_EngineTurns_Text", "Обороты двигателя"},
        {"CAN", "label_CAN_PedalAccel_Text", "Положение педали газа"},
        {"CAN", "label_CAN_PedalStop_Text", "Положение педали тормоза"},
        {"CAN", "label_CAN_EngineLoad_Text", "Нагрузка на двигатель"},
        {"CAN", "label_CAN_EngineTime_Text", "Полное время работы двигателя"},
        {"CAN", "label_CAN_TimeTO_Text", "Время до ТО"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << QString::fromUtf8(row[2]);
}

void TestForms::captions()
{
    QFETCH(QString, group);
    QFETCH(QString, label);
    QFETCH(QString, text);
    auto widget = TestKit::makeGroup(group);
    auto* l = widget->findChild<QLabel*>(label);
    QVERIFY2(l, qPrintable(label));
    QCOMPARE(l->text(), text);
}

void TestForms::lockButtons_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("toolTip");

    const QString unlock = QStringLiteral("Разблокировать входную линию");
    const QString lock = QStringLiteral("Заблокировать входную линию");
    for (int n = 1; n <= 5; ++n) {
        QTest::addRow("In ON_%d", n) << "In" << QString("pushButton_ON_%1").arg(n) << "Unlock" << unlock;
        QTest::addRow("In OFF_%d", n) << "In" << QString("pushButton_OFF_%1").arg(n) << "Lock" << lock;
    }
    for (const char* line : {"I2", "I3"}) {
        QTest::addRow("Impuls ON_%s", line) << "Impuls" << QString("pushButton_ON_") + line << "Unlock" << unlock;
        QTest::addRow("Impuls OFF_%s", line) << "Impuls" << QString("pushButton_OFF_") + line << "Lock" << lock;
    }
    for (const char* line : {"A1", "A2"}) {
        QTest::addRow("Analog ON_%s", line) << "Analog" << QString("pushButton_ON_") + line << "Unlock" << unlock;
        QTest::addRow("Analog OFF_%s", line) << "Analog" << QString("pushButton_OFF_") + line << "Lock" << lock;
    }
    // The A3 buttons carry no tool tip.
    QTest::newRow("Analog ON_A3") << "Analog" << "pushButton_ON_A3" << "Unlock" << QString();
    QTest::newRow("Analog OFF_A3") << "Analog" << "pushButton_OFF_A3" << "Lock" << QString();
}

void TestForms::lockButtons()
{
    QFETCH(QString, group);
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QString, toolTip);
    auto widget = TestKit::makeGroup(group);
    auto* b = widget->findChild<QPushButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QCOMPARE(b->size(), QSize(20, 20));
    QCOMPARE(b->text(), QString());
    QCOMPARE(b->toolTip(), toolTip);
    QCOMPARE(TestKit::iconName(b, 16), picture);
}

void TestForms::textSetters_data()
{
    addTextSetterRows({"CAN", "Digital"});
}

void TestForms::textSetters()
{
    QFETCH(int, row);
    const TextSetter& setter = kTextSetters[row];
    const bool can = QLatin1String(setter.group) == QLatin1String("CAN");
    auto widget = TestKit::makeGroup(setter.group);
    setter.set(widget.get(), QStringLiteral("n/a"));
    // Untouched CAN values are empty, untouched fuel levels "0".
    QCOMPARE(wrongValues(widget.get(), setter.label, "n/a", can ? QString() : QString("0"), can ? 17 : 7),
             QStringList());
    if (can) {
        auto* value = widget->findChild<QLabel*>(setter.label);
        QCOMPARE(value->alignment(), Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        QCOMPARE(value->font().bold(), false);
    }
}

void TestForms::textsAreNeverMarkup_data()
{
    addTextSetterRows({"Object", "Work", "Event", "Navigation", "Digital", "CAN"});
}

void TestForms::textsAreNeverMarkup()
{
    // A terminal may call itself anything; what it sends is shown as text.
    QFETCH(int, row);
    const TextSetter& setter = kTextSetters[row];
    const QString hostile = QStringLiteral("<h1>x</h1>");
    auto widget = TestKit::makeGroup(setter.group);
    setter.set(widget.get(), hostile);
    auto* l = widget->findChild<QLabel*>(setter.label);
    QCOMPARE(l->text(), hostile);
    // Shown as markup it would be one large "x"; as text it is all ten characters.
    QVERIFY(l->sizeHint().width() >= l->fontMetrics().horizontalAdvance(hostile));
}

void TestForms::longTextsWrap_data()
{
    addTextSetterRows({"Object", "Event"});
}

void TestForms::longTextsWrap()
{
    // A long text takes more lines in its value column, not more width.
    QFETCH(int, row);
    const TextSetter& setter = kTextSetters[row];
    const QString longText = QStringLiteral("слово ").repeated(40).trimmed();
    auto widget = TestKit::makeGroup(setter.group);
    const int width = widget->width();
    setter.set(widget.get(), longText);
    auto* l = widget->findChild<QLabel*>(setter.label);
    QCOMPARE(l->text(), longText);
    QVERIFY(widget->minimumSizeHint().width() <= width);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QVERIFY(widget->width() <= width);
    QVERIFY(l->width() <= width);
    QVERIFY2(l->heightForWidth(l->width()) >= 3 * l->fontMetrics().height(),
             qPrintable(QString::number(l->heightForWidth(l->width()))));
}

QTEST_MAIN(TestForms)
#include "tst_formprops_forms.moc"
