// The five device pages as a user sees them: the real velkor, headless, at
// its window's default size with quallon.so and every format plug-in, and
// one scripted terminal of each format whose record gives long texts.
// Each page names its own terminal and format, shows degree signs, and
// shows every caption and value of every group whole.
#include "label_fit.h"
#include "every_format_velkor.h"
#include "page_terminals.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"

#include <QtTest>

#include <memory>
#include <vector>

using PageTerminals::Terminal;

namespace {
const quint32 kServerId = 1;
} // namespace

class TstPagesBlackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void objectGroupNamesTheTerminal_data();
    void objectGroupNamesTheTerminal();
    void degreeSignsOnThePages_data();
    void degreeSignsOnThePages();
    void everyLabelShowsWhole_data();
    void everyLabelShowsWhole();
    void pagesKeepTheWindowsDefaultSize();

private:
    void connectTerminal(const Terminal& terminal);
    void showTerminal(const Terminal& terminal);
    QString pageText(const Terminal& terminal, const QString& label);

    std::unique_ptr<VelkorRunner> m_runner;
    std::vector<std::unique_ptr<ScriptedTerminal>> m_terminals;
    quint16 m_port = 0;
};

void TstPagesBlackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    m_port = EveryFormatVelkor::start(*m_runner);
    QVERIFY2(m_port != 0, qPrintable(m_runner->lastError()));
    for (const Terminal& terminal : PageTerminals::all()) {
        connectTerminal(terminal);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).size() == 5; }));
}

void TstPagesBlackbox::cleanupTestCase()
{
    m_terminals.clear();
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

// Handshake, ZIRN negotiation where the format wants it, one record.
void TstPagesBlackbox::connectTerminal(const Terminal& terminal)
{
    m_terminals.emplace_back(new ScriptedTerminal(QByteArray("KVZB"), kServerId, terminal.id));
    ScriptedTerminal& t = *m_terminals.back();
    QVERIFY(VelkorRunner::waitFor([&] { return t.connectTo(m_port, 500); }, 10000));
    TerminalWire::KvzbPacket answer;
    t.sendPacket("*>S:" + terminal.name);
    QVERIFY(t.takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    if (terminal.zirn) {
        t.sendPacket(TerminalWire::zirnNegotiation(0xB0, 69, TerminalWire::fullZirnMask()));
        QVERIFY(t.takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<ZIRN\xB0\x0A\x0A"));
        const QByteArray number = QByteArray::fromHex("07000000");
        t.send(TerminalWire::zirnFrame('T', number + terminal.record));
        QCOMPARE(t.take(7), QByteArray("~T") + number + char(TerminalWire::crc8("~T" + number)));
    } else {
        t.sendPacket("*>T" + terminal.record);
        QVERIFY(t.takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<T\xFF\xFF\xFF\xFF"));
    }
}

// Selects the terminal's row and checks that its format's page is shown.
void TstPagesBlackbox::showTerminal(const Terminal& terminal)
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    int row = -1;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].contains(QString::fromLatin1(terminal.name)))
            row = i;
    QVERIFY2(row >= 0, terminal.name.constData());
    QVERIFY(rows[row].contains(terminal.format));
    QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), row));
    QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")), QStringList{terminal.page});
}

// Every page has labels of the same names: ask inside the terminal's page.
QString TstPagesBlackbox::pageText(const Terminal& terminal, const QString& label)
{
    return m_runner->text(terminal.page + QLatin1Char('/') + label);
}

void TstPagesBlackbox::objectGroupNamesTheTerminal_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id");
    QTest::newRow("ZIRN") << "ZIRN" << "356938035643801" << "2147483641";
    QTest::newRow("F-6") << "F-6" << "356938035643802" << "2147483642";
    QTest::newRow("F-52") << "F-52" << "356938035643803" << "2147483643";
    QTest::newRow("F-5") << "F-5" << "356938035643804" << "2147483644";
    QTest::newRow("F-4") << "F-4" << "356938035643805" << "2147483645";
}

void TstPagesBlackbox::objectGroupNamesTheTerminal()
{
    QFETCH(QString, format);
    QFETCH(QString, name);
    QFETCH(QString, id);
    const Terminal terminal = PageTerminals::ofFormat(format);
    showTerminal(terminal);
    if (QTest::currentTestFailed())
        return;
    // the commands group has a label_Type of its own
    const QString object = QStringLiteral("widget_Object/");
    QCOMPARE(pageText(terminal, object + "label_Name"), QStringLiteral("IMEI:"));
    QCOMPARE(pageText(terminal, object + "label_Name_Text"), name);
    QCOMPARE(pageText(terminal, object + "label_FullName"), QStringLiteral("ID объекта:"));
    QCOMPARE(pageText(terminal, object + "label_FullName_Text"), id);
    QCOMPARE(pageText(terminal, object + "label_Type"), QStringLiteral("Формат:"));
    QCOMPARE(pageText(terminal, object + "label_Type_Text"), format);
}

// The temperatures keep the letter of their unit: the Cyrillic С (U+0421) on
// the sensors, the Latin C on the ZIRN page's CAN coolant temperature.
void TstPagesBlackbox::degreeSignsOnThePages_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ZIRN sensor") << "ZIRN" << "label_Temp2_Value" << "-127 °С";
    QTest::newRow("ZIRN CAN coolant") << "ZIRN" << "label_CAN_Temp_Value" << "-127 °C";
    QTest::newRow("ZIRN course") << "ZIRN" << "label_Course_Text" << "359 °";
    QTest::newRow("F-6 sensor") << "F-6" << "label_Temp2_Value" << "-127 °С";
    QTest::newRow("F-6 fuel sensor") << "F-6" << "label_D6_Temp_Value" << "-127 °С";
    QTest::newRow("F-6 course") << "F-6" << "label_Course_Text" << "359 °";
    QTest::newRow("F-52 sensor") << "F-52" << "label_Temp4_Value" << "-127 °С";
    QTest::newRow("F-52 fuel sensor") << "F-52" << "label_D3_Temp_Value" << "-127 °С";
    QTest::newRow("F-52 course") << "F-52" << "label_Course_Text" << "359 °";
    QTest::newRow("F-52 latitude") << "F-52" << "label_Width_Text" << "-90.000000 °";
    QTest::newRow("F-52 longitude") << "F-52" << "label_Longitude_Text" << "-180.000000 °";
    QTest::newRow("F-5 course") << "F-5" << "label_Course_Text" << "359 °";
    QTest::newRow("F-5 latitude") << "F-5" << "label_Width_Text" << "-90.000000 °";
    QTest::newRow("F-5 longitude") << "F-5" << "label_Longitude_Text" << "-180.000000 °";
    QTest::newRow("F-4 sensor") << "F-4" << "label_Temp2_Value" << "-127 °С";
    QTest::newRow("F-4 not connected") << "F-4" << "label_Temp1_Value" << "не подключен";
}

void TstPagesBlackbox::degreeSignsOnThePages()
{
    QFETCH(QString, format);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    const Terminal terminal = PageTerminals::ofFormat(format);
    showTerminal(terminal);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(pageText(terminal, label), expected);
}

void TstPagesBlackbox::everyLabelShowsWhole_data()
{
    QTest::addColumn<QString>("format");
    for (const char* format : {"ZIRN", "F-6", "F-52", "F-5", "F-4"})
        QTest::newRow(format) << QString::fromLatin1(format);
}

// Every group unfolded, the commands group with each of its forms; every
// shown label of the page is measured in velkor with its own font.
void TstPagesBlackbox::everyLabelShowsWhole()
{
    QFETCH(QString, format);
    const Terminal terminal = PageTerminals::ofFormat(format);
    showTerminal(terminal);
    if (QTest::currentTestFailed())
        return;
    const QString commands = terminal.page + QStringLiteral("/widget_Command");
    if (!m_runner->isVisible(commands + QStringLiteral("/horizontalFrame_Property")))
        QVERIFY(m_runner->press(commands + QStringLiteral("/pushButton_Arrow")));
    QVERIFY(m_runner->isVisible(commands + QStringLiteral("/horizontalFrame_Property")));

    QStringList problems;
    int measured = 0;
    for (int command : {0, 2, 3}) {
        QVERIFY(m_runner->setComboIndex(terminal.page + QStringLiteral("/comboBox"), command));
        const QString answer = m_runner->request(QStringLiteral("labels"), {terminal.page});
        QVERIFY2(!answer.isNull(), qPrintable(m_runner->lastError()));
        for (const LabelFit::Reading& reading : LabelFit::parse(answer)) {
            if (reading.shown && !reading.text.isEmpty())
                ++measured;
            const QString problem = LabelFit::problem(reading);
            if (!problem.isEmpty() && !problems.contains(problem))
                problems << problem;
        }
    }
    QVERIFY(measured > 0);
    for (const QString& problem : problems)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 labels cut off (listed above)").arg(problems.size())));
}

// The window opens at its form's size, grown as far as its docks' least
// widths need (the log's title bar and the settings at this platform's
// font). Headless, the property dock the host gives the pages holds every
// page at the forms' font, so the pages, every one of them shown by now,
// leave the window as velkor opens without them: what the tests above
// measured is what a new user sees.
void TstPagesBlackbox::pagesKeepTheWindowsDefaultSize()
{
    VelkorRunner bare;
    QVERIFY(bare.addPlugin(QStringLiteral("quallon.so")));
    QVERIFY2(bare.start(), qPrintable(bare.lastError()));
    const QRect without = bare.geometry(QStringLiteral("KVZ_MainWindowClass"));
    QVERIFY2(bare.closeAndWait(), qPrintable(bare.lastError()));

    const QRect window = m_runner->geometry(QStringLiteral("KVZ_MainWindowClass"));
    QCOMPARE(window.height(), 671);
    QVERIFY(window.width() >= 997);
    QCOMPARE(window.size(), without.size());
}

QTEST_MAIN(TstPagesBlackbox)
#include "tst_pages_blackbox.moc"
