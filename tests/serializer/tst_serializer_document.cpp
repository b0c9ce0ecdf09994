// Settings documents: the exact bytes of a save, what survives a save and a
// read over file and buffer, broken input, and the reader's element kinds.
#include "cserialize.h"
#include "cserializeelement.h"
#include "cserializenode.h"
#include "cserializerecords.h"
#include "serializefunctions.h"
#include "serializertestkit.h"
#include "kvz_text.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace SerializerTestKit;

class TstSerializerDocument : public QObject
{
    Q_OBJECT
private slots:
    void goldenBytes();
    void roundTrip_data();
    void roundTrip();
    void malformedInput_data();
    void malformedInput();
    void missingFileIsCreatedEmpty();
    void selfClosingElementWithAttribute();
    void kindsWithAndWithoutWhiteSpace();
    void escapedSpaceReadsAsSpace();
    void textPiecesAreJoined();
    void referencesForCharactersOutsideWindows1251();
    void charactersBeyondPlane0_data();
    void charactersBeyondPlane0();
    void nestingUpToTheReadersLimit();
    void tooDeepTreeIsNotSaved();
    void flatFunctionsIgnoreMissingRecords();
    void textElementKeepsAttributesAndChildren();
    void whiteSpaceTextReadsBackEmpty();
    void attributeAndChildOfOneName();
    void writtenValueReplacesAttribute();
    void rootReplacement();
    void clearElementOnlyNearTheRoot();
    void removeElement();
    void detachedElementsOutliveHandles();
    void saveReplacesFileByRename();
    void saveWithoutRootEmptiesFile();
    void saveToUnreachableFileFails();
    void saveInReadOnlyFolderWritesInPlace();

private:
    QTemporaryDir m_dir;
};

static const QByteArray kGolden = QByteArray(kDeclaration) +
    "<Config version=\"2\">\n"
    "\t<MODULE Colour=\"-65536\" alpha=\"a&lt;b&gt;&amp;&quot;&apos;_33_\" name=\"F-6&amp;nbsp;main\">\n"
    "\t\t<Size>12</Size>\n"
    "\t\t<Ratio>0.500000</Ratio>\n"
    "\t\t<Empty />\n"
    "\t\t<Font Bold=\"1\" Family=\"Arial\" Italic=\"0\" Size=\"10\" Strikeout=\"0\" Underline=\"0\">\n"
    "\t\t</Font>\n"
    "\t</MODULE>\n"
    "\t<a_32_b_33_c>\n"
    "\t</a_32_b_33_c>\n"
    "\t<\xCC\xEE\xE4\xF3\xEB\xFC>\xCF\xF0\xE8\xE2\xE5\xF2&amp;nbsp;\xEC\xE8\xF0&amp;nbsp;&#26085;"
    "</\xCC\xEE\xE4\xF3\xEB\xFC>\n"
    "</Config>\n";

static void buildGoldenDocument(CSerialize* document)
{
    CSerializeNode root(document, "Config");
    root.setAttribute("version", "2");
    root.commitAttributes();
    std::unique_ptr<CSerializeNode> module(root.addChild("MODULE", 1));
    module->clearAttributes();
    module->setAttribute("name", "F-6 main");
    module->setAttribute("alpha", "a<b>&\"'!");
    module->setColor("Colour", QColor(Qt::red));
    module->commitAttributes();
    module->writeIntegerChild("Size", 12);
    module->writeFloatChild("Ratio", 0.5f);
    module->writeTextChild("Empty", "");
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    module->setFont("Font", font);
    delete root.addChild("a b!c", 1);
    root.writeTextChild("\xCC\xEE\xE4\xF3\xEB\xFC", QStringLiteral("Привет мир \u65E5"));
}

void TstSerializerDocument::goldenBytes()
{
    CSerialize buffered(0, nullptr);
    QVERIFY(buffered.open());
    buildGoldenDocument(&buffered);
    QCOMPARE(savedBytes(&buffered), kGolden);

    const QString path = m_dir.filePath(QStringLiteral("golden.xml"));
    CSerialize filed(path);
    QVERIFY(filed.open());
    buildGoldenDocument(&filed);
    QVERIFY(filed.saveToFile());
    QCOMPARE(readFile(path), kGolden);
}

void TstSerializerDocument::roundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("attribute");     // the element's attribute after the read
    QTest::addColumn<QString>("text");          // the text element's text after the read
    QTest::addColumn<QString>("nodeAttribute"); // as a fresh handle reads them
    QTest::addColumn<QString>("nodeText");

    const QString space = QStringLiteral("a b");
    QTest::newRow("space") << space << space << space << space << space;
    const QString markup = QStringLiteral("&<>\"'!");
    QTest::newRow("markup") << markup << markup << markup << markup << markup;
    const QString tab = QStringLiteral("a\tb");
    QTest::newRow("tab") << tab << tab << tab << tab << tab;
    const QString cr = QStringLiteral("a\rb");
    QTest::newRow("carriage return") << cr << cr << cr << cr << cr;
    const QString lf = QStringLiteral("a\nb");
    QTest::newRow("line feed") << lf << lf << lf << lf << lf;
    const QString crlf = QStringLiteral("a\r\nb\r\n");
    QTest::newRow("line end") << crlf << crlf << crlf << crlf << crlf;
    const QString blank = QStringLiteral("\t\n");
    QTest::newRow("white space only") << blank << blank << QString() << blank << QString();
    const QString spaces = QStringLiteral("   ");
    QTest::newRow("spaces only") << spaces << spaces << spaces << spaces << spaces;
    const QString cyrillic = QStringLiteral("Привет, ёЁ №");
    QTest::newRow("cyrillic") << cyrillic << cyrillic << cyrillic << cyrillic << cyrillic;
    QTest::newRow("outside windows-1251") << QStringLiteral("x\u65E5\u672C") << QStringLiteral("x??")
                                          << QStringLiteral("x\u65E5\u672C") << QStringLiteral("x??")
                                          << QStringLiteral("x??");
    QTest::newRow("outside plane 0") << QStringLiteral("x\U0001F600") << QStringLiteral("x?")
                                     << QStringLiteral("x\U0001F600") << QStringLiteral("x?")
                                     << QStringLiteral("x?");
    const QString b255(255, QLatin1Char('x'));
    QTest::newRow("255 bytes") << b255 << b255 << b255 << b255 << b255;
    const QString b256 = QString(255, QLatin1Char('x')) + QStringLiteral("Я");
    QTest::newRow("256 bytes") << b256 << b256 << b256 << b256 << b256;
    const QString b257 = b256 + QStringLiteral("z");
    QTest::newRow("257 bytes") << b257 << b256 << b257 << b256 << b256;
    QTest::newRow("literal amp") << QStringLiteral("&amp;") << QStringLiteral("&") << QStringLiteral("&")
                                 << QStringLiteral("&") << QStringLiteral("&");
    QTest::newRow("literal nbsp") << QStringLiteral("a&nbsp;b") << space << space << space << space;
    QTest::newRow("literal code 33") << QStringLiteral("Hi_33_") << QStringLiteral("Hi!")
                                     << QStringLiteral("Hi!") << QStringLiteral("Hi!")
                                     << QStringLiteral("Hi!");
}

void TstSerializerDocument::roundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, attribute);
    QFETCH(QString, text);
    QFETCH(QString, nodeAttribute);
    QFETCH(QString, nodeText);

    const QString path = m_dir.filePath(QStringLiteral("roundtrip.xml"));
    QFile::remove(path);
    for (const bool viaFile : {true, false}) {
        std::unique_ptr<CSerialize> document(viaFile ? new CSerialize(path) : new CSerialize(0, nullptr));
        QVERIFY(document->open());
        {
            CSerializeNode root(document.get(), "R");
            root.setString("a", input);
            root.commitAttributes();
            root.writeTextChild("t", input);
        }
        std::unique_ptr<CSerialize> reread;
        if (viaFile) {
            QVERIFY(document->saveToFile());
            reread.reset(new CSerialize(path));
            QVERIFY(reread->open());
        } else {
            reread.reset(openBytes(savedBytes(document.get())));
            QVERIFY(reread);
        }
        CSerializeElement* root = reread->root();
        QVERIFY(root);
        QCOMPARE(root->attributeCount(), 1);
        QCOMPARE(root->attributeAt(0)->text(), attribute);
        QCOMPARE(root->childCount(), 1);
        QCOMPARE(root->childAt(0)->text(), text);
        CSerializeNode node(reread.get(), root);
        QCOMPARE(node.attribute("a", QStringLiteral("none")), nodeAttribute);
        QCOMPARE(node.attribute("t", QStringLiteral("none")), nodeText);
    }
}

// Elements a, each inside the one before, levels deep.
static QByteArray nested(int levels)
{
    return QByteArray("<a>").repeated(levels) + QByteArray("</a>").repeated(levels);
}

void TstSerializerDocument::malformedInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<QString>("rootText");
    const QByteArray declaration(kDeclaration);
    QTest::newRow("truncated") << declaration + "<A><B>" << false << QString() << QString();
    QTest::newRow("two roots") << declaration + "<A/><B/>" << false << QString() << QString();
    QTest::newRow("raw ampersand") << declaration + "<A>x & y</A>" << false << QString() << QString();
    QTest::newRow("declaration only") << declaration << false << QString() << QString();
    QTest::newRow("unclosed attribute") << declaration + "<A x=\"1/>" << false << QString() << QString();
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF<", 4) << false << QString() << QString();
    QTest::newRow("empty") << QByteArray() << true << QString() << QString();
    QTest::newRow("cdata") << declaration + "<A>a<![CDATA[<b> & c]]>d</A>" << true
                           << QStringLiteral("A") << QStringLiteral("a<b> & cd");
    QTest::newRow("declared utf-8")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<\xD0\x96>\xD1\x91</\xD0\x96>")
        << true << QStringLiteral("Ж") << QStringLiteral("ё");
    QTest::newRow("utf-8 name outside windows-1251")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<\xE6\x97\xA5/>") << false
        << QString() << QString();
    QTest::newRow("no declaration") << QByteArray("<A>t</A>") << true << QStringLiteral("A")
                                    << QStringLiteral("t");
    QTest::newRow("256 levels") << nested(256) << true << QStringLiteral("a") << QString();
    QTest::newRow("257 levels") << nested(257) << false << QString() << QString();
    QTest::newRow("100000 levels") << nested(100000) << false << QString() << QString();
}

void TstSerializerDocument::malformedInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(QString, rootName);
    QFETCH(QString, rootText);

    const QString path = m_dir.filePath(QStringLiteral("malformed.xml"));
    writeFile(path, bytes);
    CSerializeFile file;
    std::memset(&file, 0, sizeof(file));
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(file.fileName, name.constData(), static_cast<size_t>(name.size()));
    SerializeOpenFile(&file);
    QCOMPARE(file.document != nullptr, opens);
    if (file.document) {
        CSerializeElement* root = file.document->root();
        QCOMPARE(root ? root->name() : QString(), rootName);
        QCOMPARE(root ? root->text() : QString(), rootText);
    }
    SerializeClose(file.document, 0);
    QCOMPARE(readFile(path), bytes);

    CSerializeBuffer buffer = {bytes.size(), const_cast<char*>(bytes.constData()), nullptr};
    SerializeOpenBuffer(&buffer);
    QCOMPARE(buffer.document != nullptr, opens);
    if (buffer.document) {
        CSerializeElement* root = buffer.document->root();
        QCOMPARE(root ? root->name() : QString(), rootName);
    }
    SerializeClose(buffer.document, 0);
}

void TstSerializerDocument::missingFileIsCreatedEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("missing.xml"));
    QVERIFY(!QFile::exists(path));
    CSerialize document(path);
    QVERIFY(document.open());
    QVERIFY(!document.root());
    QVERIFY(QFile::exists(path));
    QCOMPARE(readFile(path), QByteArray());
}

void TstSerializerDocument::selfClosingElementWithAttribute()
{
    std::unique_ptr<CSerialize> document(openBytes("<A x=\"1\"/>"));
    QVERIFY(document);
    CSerializeElement* root = document->root();
    QCOMPARE(root->kind(), 1);
    QCOMPARE(root->attributeCount(), 1);
    QCOMPARE(root->attributeAt(0)->name(), QStringLiteral("x"));
    QCOMPARE(root->attributeAt(0)->text(), QStringLiteral("1"));
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<A x=\"1\">\n</A>\n"));
}

void TstSerializerDocument::kindsWithAndWithoutWhiteSpace()
{
    std::unique_ptr<CSerialize> tight(openBytes("<R><A><B/></A></R>"));
    QVERIFY(tight);
    CSerializeElement* a = tight->root()->childAt(0);
    QCOMPARE(a->kind(), 2);
    QCOMPARE(a->childCount(), 1);
    QCOMPARE(a->childAt(0)->kind(), 2);

    std::unique_ptr<CSerialize> spaced(openBytes("<R>\n\t<A>\n\t\t<B/>\n\t</A>\n</R>"));
    QVERIFY(spaced);
    a = spaced->root()->childAt(0);
    QCOMPARE(a->kind(), 0);
    QCOMPARE(a->text(), QString());
    QCOMPARE(a->childAt(0)->kind(), 2);
}

void TstSerializerDocument::escapedSpaceReadsAsSpace()
{
    std::unique_ptr<CSerialize> document(openBytes("<R v=\"a&amp;nbsp;b\"><T>c&amp;nbsp;d</T></R>"));
    QVERIFY(document);
    QCOMPARE(document->root()->attributeAt(0)->text(), QStringLiteral("a b"));
    QCOMPARE(document->root()->childAt(0)->text(), QStringLiteral("c d"));
}

void TstSerializerDocument::textPiecesAreJoined()
{
    std::unique_ptr<CSerialize> document(
        openBytes("<R><T>a<![CDATA[b]]>c&amp;nbsp;d&#1046;&lt;</T></R>"));
    QVERIFY(document);
    CSerializeElement* text = document->root()->childAt(0);
    QCOMPARE(text->text(), QStringLiteral("abc dЖ<"));
    QCOMPARE(text->kind(), 2);
}

void TstSerializerDocument::referencesForCharactersOutsideWindows1251()
{
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    root->addAttribute(QStringLiteral("v"), QStringLiteral("\u00F7\u65E5 &"));
    CSerializeElement* text = document.addElement(root, QStringLiteral("T"), 1);
    text->setText(QStringLiteral("\u20AC\u65E5"));
    text->setKind(2);
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<R v=\"&#247;&#26085;&amp;nbsp;&amp;\">\n"
                                              "\t<T>\x88&#26085;</T>\n"
                                              "</R>\n"));
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->attributeAt(0)->text(), QStringLiteral("\u00F7\u65E5 &"));
    QCOMPARE(reread->root()->childAt(0)->text(), QStringLiteral("\u20AC\u65E5"));
}

void TstSerializerDocument::charactersBeyondPlane0_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");  // the text as it stands in the file
    QTest::newRow("emoji") << QStringLiteral("\U0001F600") << QByteArray("&#55357;&#56832;");
    QTest::newRow("rare ideograph") << QStringLiteral("\U00020000") << QByteArray("&#55360;&#56320;");
    QTest::newRow("last plane 2 ideograph") << QStringLiteral("\U0002A6D6")
                                            << QByteArray("&#55401;&#57046;");
    QTest::newRow("two in a row") << QStringLiteral("\U0001F600\U0001F601")
                                  << QByteArray("&#55357;&#56832;&#55357;&#56833;");
    QTest::newRow("among other text") << QStringLiteral("Ж \U0001F600!\u65E5")
                                      << QByteArray("\xC6&amp;nbsp;&#55357;&#56832;_33_&#26085;");
}

// A character beyond U+FFFF comes back whole from a save and a read, through
// a buffer and through a file, in an attribute and in a text.
void TstSerializerDocument::charactersBeyondPlane0()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    const QByteArray expected = kDeclaration + QByteArray("<R v=\"") + written + "\">\n"
                                "\t<T>" + written + "</T>\n"
                                "</R>\n";
    const QString path = m_dir.filePath(QStringLiteral("plane1.xml"));
    QFile::remove(path);
    for (const bool viaFile : {true, false}) {
        std::unique_ptr<CSerialize> document(viaFile ? new CSerialize(path) : new CSerialize(0, nullptr));
        QVERIFY(document->open());
        CSerializeElement* root = document->addElement(nullptr, QStringLiteral("R"), 0);
        root->addAttribute(QStringLiteral("v"), text);
        CSerializeElement* child = document->addElement(root, QStringLiteral("T"), 1);
        child->setText(text);
        child->setKind(2);
        std::unique_ptr<CSerialize> reread;
        if (viaFile) {
            QVERIFY(document->saveToFile());
            QCOMPARE(readFile(path), expected);
            reread.reset(new CSerialize(path));
            QVERIFY(reread->open());
        } else {
            QCOMPARE(savedBytes(document.get()), expected);
            reread.reset(openBytes(expected));
            QVERIFY(reread);
        }
        QCOMPARE(reread->root()->attributeAt(0)->text(), text);
        QCOMPARE(reread->root()->childAt(0)->text(), text);
        QCOMPARE(savedBytes(reread.get()), expected);
    }
}

// The levels of the chain of first children that starts at element.
static int chainLevels(const CSerializeElement* element)
{
    int levels = 0;
    for (; element; element = element->childCount() > 0 ? element->childAt(0) : nullptr)
        ++levels;
    return levels;
}

// A document 256 levels deep is built, saved and read again through file and
// buffer; a child one level deeper is refused on every road to the document.
void TstSerializerDocument::nestingUpToTheReadersLimit()
{
    const QString path = m_dir.filePath(QStringLiteral("deepest.xml"));
    QFile::remove(path);
    CSerialize document(path);
    QVERIFY(document.open());
    CSerializeNode root(&document, "a");
    std::unique_ptr<CSerializeNode> deepest;
    for (int level = 2; level <= 256; ++level) {
        CSerializeNode* parent = deepest ? deepest.get() : &root;
        deepest.reset(parent->addChild("a", 1));
        QVERIFY2(deepest, qPrintable(QStringLiteral("level %1").arg(level)));
    }
    deepest->setInt("v", 256);
    deepest->commitAttributes();
    QCOMPARE(chainLevels(document.root()), 256);

    const QRegularExpression refused(QStringLiteral("\"a\" is not added: it would lie deeper than 256 levels"));
    for (const int mode : {0, 1}) {
        QTest::ignoreMessage(QtWarningMsg, refused);
        QVERIFY(!deepest->addChild("a", mode));
    }
    QTest::ignoreMessage(QtWarningMsg, refused);
    QCOMPARE(deepest->writeIntegerChild("a", 1), -1);
    QTest::ignoreMessage(QtWarningMsg, refused);
    QVERIFY(!document.addElement(deepest->element(), QStringLiteral("a"), 0));
    CSerializeRequest request;
    std::memset(&request, 0, sizeof(request));
    request.document = &document;
    request.element = deepest->element();
    request.mode = 1;
    std::strcpy(request.name, "a");
    QTest::ignoreMessage(QtWarningMsg, refused);
    SerializeFindOrAdd(&request);
    QVERIFY(!request.result);
    QCOMPARE(deepest->element()->childCount(), 0);

    QVERIFY(document.saveToFile());
    CSerialize fromFile(path);
    QVERIFY(fromFile.open());
    QCOMPARE(chainLevels(fromFile.root()), 256);
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, readFile(path));
    std::unique_ptr<CSerialize> fromBuffer(openBytes(saved));
    QVERIFY(fromBuffer);
    QCOMPARE(chainLevels(fromBuffer->root()), 256);
    const CSerializeElement* last = fromBuffer->root();
    while (last->childCount() > 0)
        last = last->childAt(0);
    QCOMPARE(last->attributeCount(), 1);
    QCOMPARE(last->attributeAt(0)->text(), QStringLiteral("256"));
}

// A tree made deeper element by element, past the document, is not saved:
// the save fails, the file keeps its old bytes and the buffer stays empty.
void TstSerializerDocument::tooDeepTreeIsNotSaved()
{
    const QString path = m_dir.filePath(QStringLiteral("toodeep.xml"));
    const QByteArray old = kDeclaration + QByteArray("<R>\n</R>\n");
    writeFile(path, old);
    CSerialize document(path);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    document.addElement(root, QStringLiteral("shallow"), 1);
    CSerializeElement* branch = document.addElement(root, QStringLiteral("deep"), 1);
    CSerializeElement* deepest = branch;
    for (int level = 3; level <= 256; ++level)
        deepest = document.addElement(deepest, QStringLiteral("a"), 1);
    QVERIFY(deepest);
    QVERIFY(savedBytes(&document).size() > old.size());
    CSerializeElement* beyond = deepest->addChild(QStringLiteral("b"), QString(), 1);
    QVERIFY(beyond);

    const QRegularExpression refused(QStringLiteral("is not saved: elements nested deeper than 256 levels"));
    QTest::ignoreMessage(QtWarningMsg, refused);
    QVERIFY(!document.saveToFile());
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList(QStringList() << QStringLiteral("toodeep.xml*"), QDir::Files | QDir::Hidden),
             QStringList() << QStringLiteral("toodeep.xml"));
    QTest::ignoreMessage(QtWarningMsg, refused);
    QCOMPARE(document.saveToBuffer(), 0);
    QCOMPARE(document.outputBuffer(), QByteArray());
    CSerializeBuffer buffer = {-1, nullptr, &document};
    QTest::ignoreMessage(QtWarningMsg, refused);
    SerializeSaveBuffer(&buffer);
    QCOMPARE(buffer.size, 0);

    // Taken away again, the tree is saved and reads back.
    QVERIFY(document.removeElement(beyond));
    QVERIFY(document.saveToFile());
    CSerialize reread(path);
    QVERIFY(reread.open());
    QCOMPARE(chainLevels(reread.root()->childAt(1)), 255);
    QVERIFY(document.saveToBuffer() > 0);
}

void TstSerializerDocument::flatFunctionsIgnoreMissingRecords()
{
    SerializeOpenFile(nullptr);
    SerializeOpenBuffer(nullptr);
    SerializeClose(nullptr, 1);
    SerializeSaveBuffer(nullptr);
    SerializeTakeBuffer(nullptr);
    SerializeFindOrAdd(nullptr);
    SerializeCountValues(nullptr, nullptr);
    SerializeReadValues(nullptr, nullptr, 0);
    SerializeWriteValues(nullptr, nullptr);
    SerializeClearElement(nullptr);

    CSerializeRequest request;
    std::memset(&request, 0, sizeof(request));
    std::strcpy(request.name, "R");
    request.result = reinterpret_cast<CSerializeElement*>(&request);
    SerializeFindOrAdd(&request);
    QCOMPARE(static_cast<void*>(request.result), static_cast<void*>(&request));
    int count = 5;
    SerializeCountValues(&request, &count);
    QCOMPARE(count, 5);
    CSerializeBuffer buffer = {7, nullptr, nullptr};
    SerializeSaveBuffer(&buffer);
    QCOMPARE(buffer.size, 7);
}

void TstSerializerDocument::textElementKeepsAttributesAndChildren()
{
    const QByteArray saved = kDeclaration + QByteArray("<R>\n"
                                                       "\t<A x=\"1\">t</A>\n"
                                                       "\t<B>u<C y=\"2\">v</C><D></D></B>\n"
                                                       "</R>\n");
    std::unique_ptr<CSerialize> document(openBytes("<R><A x=\"1\">t</A><B>u<C y=\"2\">v</C><D></D></B></R>"));
    QVERIFY(document);
    CSerializeElement* b = document->root()->childAt(1);
    QCOMPARE(b->kind(), 2);
    QCOMPARE(b->text(), QStringLiteral("u"));
    QCOMPARE(b->childCount(), 2);
    QCOMPARE(savedBytes(document.get()), saved);

    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->childAt(0)->text(), QStringLiteral("t"));
    QCOMPARE(reread->root()->childAt(0)->attributeAt(0)->text(), QStringLiteral("1"));
    QCOMPARE(reread->root()->childAt(1)->text(), QStringLiteral("u"));
    QCOMPARE(reread->root()->childAt(1)->childAt(0)->text(), QStringLiteral("v"));
    QCOMPARE(savedBytes(reread.get()), saved);
}

void TstSerializerDocument::whiteSpaceTextReadsBackEmpty()
{
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    CSerializeElement* text = document.addElement(root, QStringLiteral("T"), 1);
    text->setText(QStringLiteral("\n\t"));
    text->setKind(2);
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<R>\n\t<T>\n\t</T>\n</R>\n"));
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->childAt(0)->text(), QString());
    QCOMPARE(reread->root()->childAt(0)->kind(), 0);
}

void TstSerializerDocument::attributeAndChildOfOneName()
{
    std::unique_ptr<CSerialize> document(openBytes("<R x=\"1\"><x>7</x></R>"));
    QVERIFY(document);
    CSerializeElement* root = document->root();
    QCOMPARE(document->countValues(root), 2);
    CSerializeAttribute entries[2];
    std::memset(entries, 0, sizeof(entries));
    document->readValues(root, entries, 2);
    QCOMPARE(QByteArray(entries[0].name), QByteArray("x"));
    QCOMPARE(QByteArray(entries[0].value), QByteArray("1"));
    QCOMPARE(entries[0].isChild, 0);
    QCOMPARE(entries[0].element, root->attributeAt(0));
    QCOMPARE(QByteArray(entries[1].value), QByteArray("7"));
    QCOMPARE(entries[1].isChild, 1);
    QCOMPARE(entries[1].element, root->childAt(0));

    std::strcpy(entries[0].value, "9");
    document->writeValues(root, 1, entries);
    QCOMPARE(root->childAt(0)->text(), QStringLiteral("9"));
    QCOMPARE(root->attributeCount(), 1);
    QCOMPARE(root->attributeAt(0)->text(), QStringLiteral("1"));
}

void TstSerializerDocument::writtenValueReplacesAttribute()
{
    std::unique_ptr<CSerialize> document(openBytes("<R a=\"1\"/>"));
    QVERIFY(document);
    {
        CSerializeNode node(document.get(), document->root());
        node.setInt("a", 2);
        node.setInt("a", 3);
        node.commitAttributes();
    }
    QCOMPARE(document->root()->attributeCount(), 1);
    CSerializeNode fresh(document.get(), document->root());
    QCOMPARE(fresh.intValue("a", 0), 3);
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<R a=\"3\">\n</R>\n"));
}

void TstSerializerDocument::rootReplacement()
{
    std::unique_ptr<CSerialize> document(openBytes("<A><B/></A>"));
    QVERIFY(document);
    CSerializeElement* old = document->root();
    CSerializeNode oldHandle(document.get(), old);
    QCOMPARE(document->addElement(nullptr, QStringLiteral("A"), 0), old);
    CSerializeElement* other = document->addElement(nullptr, QStringLiteral("Other"), 0);
    QVERIFY(other && other != old);
    QCOMPARE(document->root(), other);
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<Other>\n</Other>\n"));
    // The old root is out of the document but still whole.
    QCOMPARE(oldHandle.valueCount(), 1);
    delete oldHandle.addChild("C", 1);
    QCOMPARE(old->childCount(), 2);
}

void TstSerializerDocument::clearElementOnlyNearTheRoot()
{
    std::unique_ptr<CSerialize> document(openBytes("<R r=\"1\"><A a=\"1\"><G g=\"1\"><H/></G></A></R>"));
    QVERIFY(document);
    CSerializeElement* root = document->root();
    CSerializeElement* a = root->childAt(0);
    CSerializeElement* g = a->childAt(0);
    document->clearElement(g);
    QCOMPARE(g->attributeCount(), 1);
    QCOMPARE(g->childCount(), 1);
    document->clearElement(a);
    QCOMPARE(a->attributeCount(), 0);
    QCOMPARE(a->childCount(), 0);
    QCOMPARE(root->attributeCount(), 1);
    document->clearElement(root);
    QCOMPARE(root->attributeCount(), 0);
    QCOMPARE(root->childCount(), 0);
    // The cleared members stay alive until the document goes.
    QCOMPARE(g->name(), QStringLiteral("G"));
    QCOMPARE(g->childCount(), 1);
}

void TstSerializerDocument::removeElement()
{
    std::unique_ptr<CSerialize> document(openBytes("<R><A><B/></A><C/></R>"));
    QVERIFY(document);
    CSerializeElement* root = document->root();
    CSerializeElement* b = root->childAt(0)->childAt(0);
    CSerializeElement stranger(QStringLiteral("S"), QString(), nullptr);
    QVERIFY(!document->removeElement(root));
    QVERIFY(!document->removeElement(&stranger));
    QVERIFY(!document->removeElement(nullptr));
    QVERIFY(document->removeElement(b));
    QCOMPARE(root->childAt(0)->childCount(), 0);
    QVERIFY(!document->removeElement(b));
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<R>\n\t<A />\n\t<C />\n</R>\n"));
}

void TstSerializerDocument::detachedElementsOutliveHandles()
{
    std::unique_ptr<CSerialize> document(openBytes("<R><M name=\"a\"><S v=\"1\"/></M></R>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    std::unique_ptr<CSerializeNode> module(root.firstChild("M"));
    QVERIFY(module);
    std::unique_ptr<CSerializeNode> sub(module->firstChild("S"));
    QVERIFY(sub);

    QVERIFY(document->removeElement(module->element()));
    // Every handle and snapshot entry still points at live elements.
    QCOMPARE(module->attribute("name", QString()), QStringLiteral("a"));
    QCOMPARE(sub->intValue("v", 0), 1);
    sub->setInt("w", 2);
    QCOMPARE(sub->commitAttributes(), 0);
    std::unique_ptr<CSerializeNode> again(root.firstChild("M"));
    QVERIFY(again);
    QCOMPARE(again->valueCount(), 2);

    root.clearAttributes();
    delete module->addChild("T", 1);
    std::unique_ptr<CSerializeNode> attribute(again->firstChild("name"));
    QVERIFY(attribute);
    QCOMPARE(attribute->element()->text(), QStringLiteral("a"));
    QCOMPARE(savedBytes(document.get()), kDeclaration + QByteArray("<R>\n</R>\n"));
}

static ino_t inodeOf(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

void TstSerializerDocument::saveReplacesFileByRename()
{
    const QString path = m_dir.filePath(QStringLiteral("replace.xml"));
    writeFile(path, "<R a=\"1\"/>");
    const ino_t before = inodeOf(path);
    CSerialize document(path);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    root.setInt("a", 2);
    root.commitAttributes();
    QVERIFY(document.saveToFile());
    QCOMPARE(readFile(path), kDeclaration + QByteArray("<R a=\"2\">\n</R>\n"));
    QVERIFY(inodeOf(path) != before);
    QCOMPARE(QDir(m_dir.path()).entryList(QStringList() << QStringLiteral("replace.xml*"), QDir::Files | QDir::Hidden),
             QStringList() << QStringLiteral("replace.xml"));
}

void TstSerializerDocument::saveWithoutRootEmptiesFile()
{
    const QString path = m_dir.filePath(QStringLiteral("noroot.xml"));
    QFile::remove(path);
    CSerialize document(path);
    QVERIFY(document.open());
    writeFile(path, "old content");
    QVERIFY(document.saveToFile());
    QCOMPARE(readFile(path), QByteArray());
}

void TstSerializerDocument::saveToUnreachableFileFails()
{
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.xml"));
    CSerialize document(path);
    QVERIFY(document.open());
    document.addElement(nullptr, QStringLiteral("R"), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is not saved")));
    QVERIFY(!document.saveToFile());
    QVERIFY(!QFile::exists(path));
}

void TstSerializerDocument::saveInReadOnlyFolderWritesInPlace()
{
    if (::geteuid() == 0)
        QSKIP("folder permissions do not bind the superuser");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("inplace.xml"));
    writeFile(path, "<R/>");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    CSerialize document(path);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    root.setInt("a", 5);
    root.commitAttributes();
    const bool saved = document.saveToFile();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(saved);
    QCOMPARE(readFile(path), kDeclaration + QByteArray("<R a=\"5\">\n</R>\n"));
}

QTEST_MAIN(TstSerializerDocument)
#include "tst_serializer_document.moc"
