// The section handle: typed values in any process locale, colours, fonts,
// child sections and searches, bounds, and the plug-in settings pattern of
// one "MODULE" element per plug-in.
#include "cserialize.h"
#include "cserializeelement.h"
#include "cserializenode.h"
#include "serializefunctions.h"
#include "serializertestkit.h"
#include "kvz_text.h"

#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <climits>
#include <cstring>
#include <limits>
#include <memory>

using namespace SerializerTestKit;

class TstSerializerNode : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void integerTexts_data();
    void integerTexts();
    void typedValues_data();
    void typedValues();
    void floatTexts_data();
    void floatTexts();
    void floatTextsInCommaLocale_data();
    void floatTextsInCommaLocale();
    void booleanTexts_data();
    void booleanTexts();
    void colours();
    void coloursFromText_data();
    void coloursFromText();
    void fonts();
    void fontOfMissingNameMakesChild();
    void stringValueBounds();
    void storedValueIsReadWhole();
    void snapshotUntilCommit();
    void commitKeepsUntouchedValuesWhole();
    void searchVisitsEveryModule();
    void searchOnAttributeAndUnboundEntries();
    void checkChildStates();
    void textChildHandles();
    void childEntries();
    void handleWithoutDocument();
    void fileNameTooLongIsRefused();
    void fileHandleOpensDocument();
    void bufferBounds();
    void moduleSettingsPattern();

private:
    static bool useLocale(const QByteArray& locale);
    static bool useCommaLocale();
    QTemporaryDir m_dir;
};

bool TstSerializerNode::useLocale(const QByteArray& locale)
{
    if (locale.isEmpty())
        return std::setlocale(LC_ALL, "C") != nullptr;
    return std::setlocale(LC_ALL, locale.constData()) != nullptr;
}

// A numeric locale that writes a decimal comma, when one is installed.
bool TstSerializerNode::useCommaLocale()
{
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "uk_UA.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0)
            return true;
    }
    std::setlocale(LC_NUMERIC, "C");
    return false;
}

void TstSerializerNode::cleanup()
{
    std::setlocale(LC_ALL, "C");
}

void TstSerializerNode::integerTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("largest") << QByteArray("2147483647") << INT_MAX;
    QTest::newRow("smallest") << QByteArray("-2147483648") << INT_MIN;
    QTest::newRow("above largest") << QByteArray("2147483648") << -7;
    QTest::newRow("below smallest") << QByteArray("-2147483649") << -7;
    QTest::newRow("far beyond") << QByteArray("99999999999999999999999") << -7;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 12;
    QTest::newRow("leading space and sign") << QByteArray(" \t+42") << 42;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("decimal comma") << QByteArray("3,5") << 3;
}

void TstSerializerNode::integerTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    CSerializeNode node;
    node.setAttribute("n", text.constData());
    QCOMPARE(node.intValue("n", -7), value);
    QCOMPARE(node.intValue("missing", -7), -7);
}

void TstSerializerNode::typedValues_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::newRow("C") << QByteArray();
    QTest::newRow("ru_RU.UTF-8") << QByteArray("ru_RU.UTF-8");
}

// Written and read back through a saved document, in the C and in a Russian
// process locale, the stored texts are the same.
void TstSerializerNode::typedValues()
{
    QFETCH(QByteArray, locale);
    if (!useLocale(locale))
        QSKIP("the locale is not installed");
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    {
        CSerializeNode root(&document, "R");
        root.setInt("max", INT_MAX);
        root.setInt("min", INT_MIN);
        root.setFloat("pi", 3.14159f);
        root.setFloat("neg", -2.5f);
        root.setFloat("tiny", 1e-7f);
        root.setBool("yes", true);
        root.setBool("no", false);
        root.setColor("colour", QColor(1, 2, 3));
        root.commitAttributes();
        root.writeFloatChild("child", 0.25f);
    }
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<R colour=\"-16711165\" max=\"2147483647\" min=\"-2147483648\""
                                              " neg=\"-2.500000\" no=\"0\" pi=\"3.141590\" tiny=\"0.000000\""
                                              " yes=\"1\">\n"
                                              "\t<child>0.250000</child>\n"
                                              "</R>\n"));
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    CSerializeNode root(reread.get(), reread->root());
    QCOMPARE(root.intValue("max", 0), INT_MAX);
    QCOMPARE(root.intValue("min", 0), INT_MIN);
    QCOMPARE(root.floatValue("pi", 0.0f), 3.14159f);
    QCOMPARE(root.floatValue("neg", 0.0f), -2.5f);
    QCOMPARE(root.floatValue("tiny", 1.0f), 0.0f);
    QCOMPARE(root.floatValue("child", 0.0f), 0.25f);
    QCOMPARE(root.boolValue("yes", false), true);
    QCOMPARE(root.boolValue("no", true), false);
    QCOMPARE(root.color("colour", QColor()), QColor(1, 2, 3));
}

void TstSerializerNode::floatTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<float>("value");
    QTest::newRow("plain") << QByteArray("1.5") << 1.5f;
    QTest::newRow("decimal comma stops") << QByteArray("3,75") << 3.0f;
    QTest::newRow("exponent") << QByteArray(" 2e3x") << 2000.0f;
    QTest::newRow("exponent alone") << QByteArray("1e3") << 1000.0f;
    QTest::newRow("letters") << QByteArray("abc") << 0.0f;
    QTest::newRow("trailing letters") << QByteArray("3abc") << 3.0f;
    QTest::newRow("empty") << QByteArray() << 0.0f;
    QTest::newRow("leading spaces") << QByteArray("  2.5") << 2.5f;
    QTest::newRow("leading white space") << QByteArray("\t\n\v\f\r 2.5") << 2.5f;
    QTest::newRow("plus sign") << QByteArray("+1.5") << 1.5f;
    QTest::newRow("two signs") << QByteArray("+-1") << 0.0f;
    QTest::newRow("point first") << QByteArray("-.5") << -0.5f;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << 16.0f;
    QTest::newRow("hexadecimal capitals") << QByteArray(" 0X1A") << 26.0f;
    QTest::newRow("hexadecimal negative") << QByteArray("-0x10") << -16.0f;
    QTest::newRow("hexadecimal fraction and exponent") << QByteArray("0x1.8p1") << 3.0f;
    QTest::newRow("hexadecimal without digits") << QByteArray("0xg") << 0.0f;
    QTest::newRow("infinity") << QByteArray("inf") << std::numeric_limits<float>::infinity();
    QTest::newRow("infinity spelt out") << QByteArray("INFINITY") << std::numeric_limits<float>::infinity();
    QTest::newRow("negative infinity") << QByteArray("-inf") << -std::numeric_limits<float>::infinity();
    QTest::newRow("not a number") << QByteArray("nan") << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("not a number with payload") << QByteArray("NAN(12)") << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("largest float") << QByteArray("3.4028234e38") << std::numeric_limits<float>::max();
    QTest::newRow("beyond float") << QByteArray("1e39") << -1.0f;
    QTest::newRow("below float") << QByteArray("-3.4028236e38") << -1.0f;
    QTest::newRow("hexadecimal beyond float") << QByteArray("0x1p200") << -1.0f;
    QTest::newRow("beyond double") << QByteArray("1e400") << -1.0f;
    QTest::newRow("far beyond double") << QByteArray("1e999") << -1.0f;
    QTest::newRow("too small for double") << QByteArray("1e-400") << -1.0f;
    QTest::newRow("below double's normal range") << QByteArray("1e-310") << 0.0f;
    QTest::newRow("too small for float") << QByteArray("1e-50") << 0.0f;
}

void TstSerializerNode::floatTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(float, value);
    for (const QByteArray& locale : {QByteArray(), QByteArray("ru_RU.UTF-8")}) {
        if (!useLocale(locale))
            continue;
        CSerializeNode node;
        node.setAttribute("f", text.constData());
        QCOMPARE(node.floatValue("f", -1.0f), value);
    }
}

void TstSerializerNode::floatTextsInCommaLocale_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<float>("value");
    QTest::newRow("point") << QByteArray("1.5") << 1.5f;
    QTest::newRow("comma stops") << QByteArray("2,5") << 2.0f;
    QTest::newRow("exponent") << QByteArray("-2.5e-1") << -0.25f;
    QTest::newRow("hexadecimal fraction") << QByteArray("0x1.8") << 1.5f;
}

// A process whose numeric locale writes a decimal comma reads the point as
// the C locale does.
void TstSerializerNode::floatTextsInCommaLocale()
{
    QFETCH(QByteArray, text);
    QFETCH(float, value);
    if (!useCommaLocale())
        QSKIP("no locale with a decimal comma is installed");
    CSerializeNode node;
    node.setAttribute("f", text.constData());
    QCOMPARE(node.floatValue("f", -1.0f), value);
}

void TstSerializerNode::booleanTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("value");
    QTest::newRow("one") << QByteArray("1") << false << true;
    QTest::newRow("zero") << QByteArray("0") << true << false;
    QTest::newRow("two") << QByteArray("2") << false << true;
    QTest::newRow("letters") << QByteArray("true") << true << false;
    QTest::newRow("beyond int") << QByteArray("99999999999") << true << true;
}

void TstSerializerNode::booleanTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, fallback);
    QFETCH(bool, value);
    CSerializeNode node;
    node.setAttribute("b", text.constData());
    QCOMPARE(node.boolValue("b", fallback), value);
    QCOMPARE(node.boolValue("missing", fallback), fallback);
}

void TstSerializerNode::colours()
{
    CSerializeNode node;
    node.setColor("red", QColor(Qt::red));
    QCOMPARE(node.attribute("red", QString()), QStringLiteral("-65536"));
    QCOMPARE(node.color("red", QColor()), QColor(255, 0, 0));
    node.setColor("seeThrough", QColor(10, 20, 30, 40));
    QCOMPARE(node.attribute("seeThrough", QString()), QStringLiteral("-16116706"));
    const QColor opaque = node.color("seeThrough", QColor());
    QCOMPARE(opaque, QColor(10, 20, 30));
    QCOMPARE(opaque.alpha(), 255);
    QCOMPARE(node.color("missing", QColor(4, 5, 6)), QColor(4, 5, 6));
}

void TstSerializerNode::coloursFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("three fields") << QByteArray("10,20,30") << QColor(10, 20, 30);
    QTest::newRow("letters") << QByteArray("abc") << QColor(0, 0, 0);
    QTest::newRow("two fields") << QByteArray("7,8") << QColor(7, 8, 0);
    QTest::newRow("empty") << QByteArray() << QColor(1, 1, 1);
    QTest::newRow("out of range") << QByteArray("10,300,0") << QColor();
}

void TstSerializerNode::coloursFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(QColor, colour);
    CSerializeNode node;
    node.setAttribute("c", text.constData());
    if (!colour.isValid())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("out of range")));
    QCOMPARE(node.colorFromText("c", QColor(1, 1, 1)), colour);
}

void TstSerializerNode::fonts()
{
    const QString path = m_dir.filePath(QStringLiteral("font.xml"));
    QFile::remove(path);
    QFont font(QStringLiteral("Курьер"), 13);
    font.setItalic(true);
    font.setUnderline(true);
    {
        CSerializeNode root(path, QStringLiteral("R"));
        QVERIFY(root.document());
        QCOMPARE(root.setFont("Font", font), 0);
        SerializeClose(root.document(), 1);
    }
    QCOMPARE(readFile(path), kDeclaration + QByteArray("<R>\n"
                                                       "\t<Font Bold=\"0\" Family=\"\xCA\xF3\xF0\xFC\xE5\xF0\" Italic=\"1\""
                                                       " Size=\"13\" Strikeout=\"0\" Underline=\"1\">\n"
                                                       "\t</Font>\n"
                                                       "</R>\n"));
    CSerializeNode root(path, QStringLiteral("R"));
    QVERIFY(root.document());
    const QFont read = root.font("Font", QFont(QStringLiteral("Other"), 8));
    QCOMPARE(read.family(), QStringLiteral("Курьер"));
    QCOMPARE(read.pointSize(), 13);
    QCOMPARE(read.bold(), false);
    QCOMPARE(read.italic(), true);
    QCOMPARE(read.strikeOut(), false);
    QCOMPARE(read.underline(), true);
    SerializeClose(root.document(), 0);
}

void TstSerializerNode::fontOfMissingNameMakesChild()
{
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    QFont fallback(QStringLiteral("Fallback"), 9);
    fallback.setBold(true);
    const QFont read = root.font("Missing", fallback);
    QCOMPARE(read.family(), QStringLiteral("Fallback"));
    QCOMPARE(read.pointSize(), 9);
    QCOMPARE(read.bold(), true);
    QCOMPARE(savedBytes(&document), kDeclaration + QByteArray("<R>\n\t<Missing>\n\t</Missing>\n</R>\n"));
}

void TstSerializerNode::stringValueBounds()
{
    CSerializeNode node;
    node.setAttribute("s", "abcdef");
    char destination[8];
    std::memset(destination, '#', sizeof(destination));
    node.stringValue("s", "zz", destination, 0);
    node.stringValue("s", "zz", destination, -3);
    QCOMPARE(QByteArray(destination, 8), QByteArray("########"));
    node.stringValue("s", "zz", destination, 4);
    QCOMPARE(QByteArray(destination, 5), QByteArray("abc\0#", 5));
    node.stringValue("missing", "zz", destination, 8);
    QCOMPARE(QByteArray(destination), QByteArray("zz"));
    node.stringValue("missing", nullptr, destination, 8);
    QCOMPARE(QByteArray(destination), QByteArray());
    node.stringValue("s", "zz", destination, 1);
    QCOMPARE(destination[0], '\0');
}

void TstSerializerNode::storedValueIsReadWhole()
{
    CSerializeNode node;
    const QString longValue = QString(250, QLatin1Char('x')) + QStringLiteral("Привет!");
    QCOMPARE(node.setString("v", longValue), 0);
    QCOMPARE(node.attribute("v", QString()), QString(250, QLatin1Char('x')) + QStringLiteral("Привет"));
    node.setAttribute("n", nullptr);
    QCOMPARE(node.attribute("n", QStringLiteral("default")), QString());
    const QByteArray longName(300, 'k');
    QCOMPARE(node.setInt(longName.constData(), 5), 0);
    QCOMPARE(node.intValue(longName.constData(), 0), 5);
    QCOMPARE(node.intValue(QByteArray(254, 'k').constData(), 0), 5);
}

void TstSerializerNode::snapshotUntilCommit()
{
    std::unique_ptr<CSerialize> document(openBytes("<R a=\"1\"/>"));
    QVERIFY(document);
    CSerializeNode writer(document.get(), document->root());
    writer.setInt("a", 2);
    writer.setInt("b", 3);
    CSerializeNode before(document.get(), document->root());
    QCOMPARE(before.intValue("a", 0), 1);
    QCOMPARE(before.intValue("b", 0), 0);
    QCOMPARE(writer.commitAttributes(), 0);
    QCOMPARE(before.intValue("a", 0), 1);
    CSerializeNode after(document.get(), document->root());
    QCOMPARE(after.intValue("a", 0), 2);
    QCOMPARE(after.intValue("b", 0), 3);
    QCOMPARE(after.valueCount(), 2);
}

// The snapshot holds cut windows-1251 copies; values the handle did not set
// stay whole in the document when it commits.
void TstSerializerNode::commitKeepsUntouchedValuesWhole()
{
    const QByteArray longText(300, 'y');
    std::unique_ptr<CSerialize> document(
        openBytes("<R w=\"x&#26085;\"><Long>" + longText + "</Long><T>&#26085;</T></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    QCOMPARE(root.attribute("w", QString()), QStringLiteral("x?"));
    root.setInt("n", 1);
    QCOMPARE(root.commitAttributes(), 0);
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<R n=\"1\" w=\"x&#26085;\">\n"
                                                                   "\t<Long>") + longText + "</Long>\n"
                                                                   "\t<T>&#26085;</T>\n"
                                                                   "</R>\n");
    root.setString("w", QStringLiteral("changed"));
    root.setInt("Long", 7);
    root.commitAttributes();
    QCOMPARE(document->root()->attributeAt(0)->text(), QStringLiteral("changed"));
    QCOMPARE(document->root()->childAt(0)->text(), QStringLiteral("7"));
    QCOMPARE(document->root()->childAt(1)->text(), QStringLiteral("\u65E5"));
}

void TstSerializerNode::searchVisitsEveryModule()
{
    std::unique_ptr<CSerialize> document(
        openBytes("<R><MODULE name=\"a\"/><OTHER/><MODULE name=\"b\"/><MODULE name=\"c\"/></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    QStringList names;
    for (CSerializeNode* child = root.firstChild("MODULE"); child; child = root.nextSibling()) {
        names << child->attribute("name", QString());
        delete child;
    }
    QCOMPARE(names, QStringList() << QStringLiteral("a") << QStringLiteral("b") << QStringLiteral("c"));
    QVERIFY(!root.nextSibling());
    QVERIFY(!root.firstChild("NONE"));
    QVERIFY(!root.nextSibling());
}

void TstSerializerNode::searchOnAttributeAndUnboundEntries()
{
    std::unique_ptr<CSerialize> document(openBytes("<R x=\"5\"><x>7</x></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    QCOMPARE(root.intValue("x", 0), 5);
    std::unique_ptr<CSerializeNode> first(root.firstChild("x"));
    QVERIFY(first);
    QCOMPARE(first->element(), document->root()->attributeAt(0));
    QCOMPARE(first->valueCount(), 0);
    std::unique_ptr<CSerializeNode> second(root.nextSibling());
    QVERIFY(second);
    QCOMPARE(second->element(), document->root()->childAt(0));
    root.setInt("made", 1);
    QVERIFY(!root.firstChild("made"));
}

void TstSerializerNode::checkChildStates()
{
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    QCOMPARE(root.writeCheckChild("off", 0), 0);
    QCOMPARE(root.writeCheckChild("on", 1), 0);
    QCOMPARE(root.writeCheckChild("partly", 2), 0);
    QCOMPARE(root.writeCheckChild("other", 3), -1);
    QCOMPARE(savedBytes(&document),
             kDeclaration + QByteArray("<R>\n\t<off>0</off>\n\t<on>1</on>\n\t<partly>1</partly>\n</R>\n"));
}

void TstSerializerNode::textChildHandles()
{
    std::unique_ptr<CSerialize> document(openBytes("<R><T a=\"1\">old</T></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    std::unique_ptr<CSerializeNode> text(root.addTextChild("T", QStringLiteral("new")));
    QVERIFY(text);
    QCOMPARE(text->element(), document->root()->childAt(0));
    QCOMPARE(text->attribute("a", QString()), QStringLiteral("1"));
    std::unique_ptr<CSerializeNode> number(root.addIntegerChild("N", -12));
    QCOMPARE(number->element()->text(), QStringLiteral("-12"));
    QCOMPARE(number->element()->kind(), 2);
    std::unique_ptr<CSerializeNode> real(root.addFloatChild("F", 1.5f));
    QCOMPARE(real->element()->text(), QStringLiteral("1.500000"));
    QCOMPARE(root.writeTextChild("N", "\xC6"), 0);
    QCOMPARE(document->root()->childCount(), 3);
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<R>\n"
                                                                   "\t<T a=\"1\">new</T>\n"
                                                                   "\t<N>\xC6</N>\n"
                                                                   "\t<F>1.500000</F>\n"
                                                                   "</R>\n"));
}

void TstSerializerNode::childEntries()
{
    std::unique_ptr<CSerialize> document(openBytes("<R><C>7</C></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    QCOMPARE(root.intValue("C", 0), 7);
    root.setInt("C", 8);
    root.addChildEntry("D");
    QCOMPARE(root.attribute("D", QString()), QStringLiteral("D"));
    root.commitAttributes();
    QCOMPARE(document->root()->childAt(0)->text(), QStringLiteral("8"));
    QCOMPARE(document->root()->attributeCount(), 1);
    QCOMPARE(document->root()->attributeAt(0)->name(), QStringLiteral("D"));
}

void TstSerializerNode::handleWithoutDocument()
{
    CSerializeNode node;
    QVERIFY(!node.addChild("A", 1));
    QVERIFY(!node.addTextChild("A", QStringLiteral("t")));
    QCOMPARE(node.commitAttributes(), -1);
    QCOMPARE(node.valueCount(), 0);
    node.clearAttributes();
    QCOMPARE(node.setFont("F", QFont()), -1);
    QCOMPARE(node.font("F", QFont(QStringLiteral("Same"), 7)).family(), QStringLiteral("Same"));
    CSerializeNode noRoot(nullptr, "R");
    QVERIFY(!noRoot.element());
}

void TstSerializerNode::fileNameTooLongIsRefused()
{
    const QString tooLong = m_dir.filePath(QString(300, QLatin1Char('n')));
    CSerializeNode node(tooLong, QStringLiteral("R"));
    QVERIFY(!node.document());
    QVERIFY(!node.element());

    CSerializeFile file;
    std::memset(file.fileName, 'n', sizeof(file.fileName));
    file.document = reinterpret_cast<CSerialize*>(&file);
    SerializeOpenFile(&file);
    QVERIFY(!file.document);
}

void TstSerializerNode::fileHandleOpensDocument()
{
    const QString path = m_dir.filePath(QStringLiteral("Настройки.xml"));
    writeFile(path, "<Other k=\"1\"/>");
    CSerializeNode node(path, QStringLiteral("Settings"));
    QVERIFY(node.document());
    QCOMPARE(node.element()->name(), QStringLiteral("Settings"));
    node.setInt("k", 2);
    node.commitAttributes();
    SerializeClose(node.document(), 1);
    QCOMPARE(readFile(path), kDeclaration + QByteArray("<Settings k=\"2\">\n</Settings>\n"));
}

void TstSerializerNode::bufferBounds()
{
    char bytes[] = "<R/>";
    CSerializeBuffer negative = {-1, bytes, nullptr};
    SerializeOpenBuffer(&negative);
    QVERIFY(!negative.document);
    CSerializeBuffer nullBytes = {4, nullptr, nullptr};
    SerializeOpenBuffer(&nullBytes);
    QVERIFY(!nullBytes.document);

    CSerializeBuffer empty = {0, nullptr, nullptr};
    SerializeOpenBuffer(&empty);
    QVERIFY(empty.document);
    QVERIFY(!empty.document->root());
    SerializeSaveBuffer(&empty);
    QCOMPARE(empty.size, 0);
    SerializeTakeBuffer(&empty);
    QVERIFY(!empty.document);

    CSerializeBuffer buffer = {4, bytes, nullptr};
    SerializeOpenBuffer(&buffer);
    QVERIFY(buffer.document);
    SerializeSaveBuffer(&buffer);
    const QByteArray expected = kDeclaration + QByteArray("<R>\n</R>\n");
    QCOMPARE(buffer.size, expected.size());
    QByteArray out(buffer.size + 4, '#');
    buffer.buffer = out.data();
    SerializeTakeBuffer(&buffer);
    QVERIFY(!buffer.document);
    QCOMPARE(out, expected + "####");
}

// The host's plug-in settings: one "MODULE" element per plug-in in load
// order, named by its "name", found again by that name.
void TstSerializerNode::moduleSettingsPattern()
{
    const QList<QByteArray> plugins = {"quallon", "drassel", "\xCC\xE8\xF0\xF0\xE0\xED\xF2"};
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    {
        CSerializeNode node(&document, "Settings");
        for (const QByteArray& plugin : plugins) {
            CSerializeNode* child = node.addChild("MODULE", 1);
            QVERIFY(child);
            child->clearAttributes();
            child->setAttribute("name", plugin.constData());
            child->commitAttributes();
            delete child;
        }
    }
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<Settings>\n"
                                              "\t<MODULE name=\"quallon\">\n\t</MODULE>\n"
                                              "\t<MODULE name=\"drassel\">\n\t</MODULE>\n"
                                              "\t<MODULE name=\"\xCC\xE8\xF0\xF0\xE0\xED\xF2\">\n\t</MODULE>\n"
                                              "</Settings>\n"));

    std::unique_ptr<CSerialize> reread(openBytes(
        kDeclaration + QByteArray("<Settings><MODULE name=\"drassel\"/><MODULE/><MODULE name=\"unknown\"/>"
                                  "<MODULE name=\"\xCC\xE8\xF0\xF0\xE0\xED\xF2\"/></Settings>")));
    QVERIFY(reread);
    CSerializeNode node(reread.get(), reread->root());
    QList<QByteArray> found;
    for (CSerializeNode* child = node.firstChild("MODULE"); child; child = node.nextSibling()) {
        const QByteArray name = KvzText::toCp1251(child->attribute("name", QString()));
        if (plugins.contains(name))
            found << name;
        delete child;
    }
    QCOMPARE(found, QList<QByteArray>() << "drassel" << "\xCC\xE8\xF0\xF0\xE0\xED\xF2");
}

QTEST_MAIN(TstSerializerNode)
#include "tst_serializer_node.moc"
