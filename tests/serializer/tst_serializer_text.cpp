// The text rules of settings documents: name codes, value escapes, name
// checks, and the writer's own line and tag forms.
#include "cserialize.h"
#include "cserializeelement.h"
#include "cserializenode.h"
#include "cxmldefaulthandler.h"
#include "cxmlnames.h"
#include "cxmlvalue.h"
#include "cxmlwriter.h"
#include "kvz_text.h"
#include "serializertestkit.h"

#include <QBuffer>
#include <QtTest>

#include <memory>

using namespace SerializerTestKit;

class TstSerializerText : public QObject
{
    Q_OBJECT
private slots:
    void nameCodes_data();
    void nameCodes();
    void codeSequenceAlreadyInName();
    void refusedElementNames_data();
    void refusedElementNames();
    void acceptedElementNames_data();
    void acceptedElementNames();
    void refusedAttributeNames_data();
    void refusedAttributeNames();
    void prefixedAttributeNamesKept();
    void declarationLikeAttributeNamesKept_data();
    void declarationLikeAttributeNamesKept();
    void valueEscapes_data();
    void valueEscapes();
    void valueUnescapes_data();
    void valueUnescapes();
    void writerWithoutAutoIndent();
    void writerTagForms();
    void writerAttributeOrderAndRepeats();
    void writerEndsOpenLineOnDestruction();
};

void TstSerializerText::nameCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("coded");
    QTest::newRow("space") << QStringLiteral("a b") << QStringLiteral("a_32_b");
    QTest::newRow("ampersand") << QStringLiteral("a&b") << QStringLiteral("a_38_b");
    QTest::newRow("greater") << QStringLiteral("a>b") << QStringLiteral("a_62_b");
    QTest::newRow("less") << QStringLiteral("a<b") << QStringLiteral("a_60_b");
    QTest::newRow("double quote") << QStringLiteral("a\"b") << QStringLiteral("a_34_b");
    QTest::newRow("apostrophe") << QStringLiteral("a'b") << QStringLiteral("a_39_b");
    QTest::newRow("exclamation") << QStringLiteral("a!b") << QStringLiteral("a_33_b");
    QTest::newRow("colon") << QStringLiteral("a:b") << QStringLiteral("a_58_b");
    QTest::newRow("semicolon") << QStringLiteral("a;b") << QStringLiteral("a_59_b");
    QTest::newRow("percent") << QStringLiteral("a%b") << QStringLiteral("a_37_b");
    QTest::newRow("backquote") << QStringLiteral("a`b") << QStringLiteral("a_96_b");
    QTest::newRow("tilde") << QStringLiteral("a~b") << QStringLiteral("a_126_b");
    QTest::newRow("at sign") << QStringLiteral("a@b") << QStringLiteral("a_64_b");
    QTest::newRow("hash") << QStringLiteral("a#b") << QStringLiteral("a_35_b");
    QTest::newRow("dollar") << QStringLiteral("a$b") << QStringLiteral("a_36_b");
    QTest::newRow("caret") << QStringLiteral("a^b") << QStringLiteral("a_94_b");
    QTest::newRow("asterisk") << QStringLiteral("a*b") << QStringLiteral("a_42_b");
    QTest::newRow("open paren") << QStringLiteral("a(b") << QStringLiteral("a_40_b");
    QTest::newRow("close paren") << QStringLiteral("a)b") << QStringLiteral("a_41_b");
    QTest::newRow("minus") << QStringLiteral("a-b") << QStringLiteral("a_45_b");
    QTest::newRow("plus") << QStringLiteral("a+b") << QStringLiteral("a_43_b");
    QTest::newRow("equals") << QStringLiteral("a=b") << QStringLiteral("a_61_b");
    QTest::newRow("bar") << QStringLiteral("a|b") << QStringLiteral("a_124_b");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a_92_b");
    QTest::newRow("division sign") << QStringLiteral("a\u00F7b") << QStringLiteral("a_-9_b");
    QTest::newRow("multiplication sign") << QStringLiteral("a\u00D7b") << QStringLiteral("a_-41_b");
    QTest::newRow("comma") << QStringLiteral("a,b") << QStringLiteral("a_44_b");
    QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("a_47_b");
    QTest::newRow("several") << QStringLiteral("a b!c") << QStringLiteral("a_32_b_33_c");
    QTest::newRow("leading code") << QStringLiteral("-x") << QStringLiteral("_45_x");
    QTest::newRow("left alone") << QStringLiteral("_a.1") << QStringLiteral("_a.1");
}

void TstSerializerText::nameCodes()
{
    QFETCH(QString, name);
    QFETCH(QString, coded);
    QCOMPARE(CXmlWriter::encodeName(name), coded);
    QCOMPARE(CXmlDefaultHandler::decodeName(coded), name);

    // Written as an element of a document, the name reads back the same.
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    QVERIFY(document.addElement(root, name, 1));
    const QByteArray saved = savedBytes(&document);
    QVERIFY2(saved.contains("\t<" + coded.toLatin1() + ">\n"), saved.constData());
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->childAt(0)->name(), name);
}

void TstSerializerText::codeSequenceAlreadyInName()
{
    QCOMPARE(CXmlDefaultHandler::decodeName(QStringLiteral("x_45_y")), QStringLiteral("x-y"));
}

void TstSerializerText::refusedElementNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("leading digit") << QStringLiteral("1abc");
    QTest::newRow("leading dot") << QStringLiteral(".abc");
    QTest::newRow("question mark") << QStringLiteral("a?b");
    QTest::newRow("brackets") << QStringLiteral("a[b]");
    QTest::newRow("brace") << QStringLiteral("a{b");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("guillemet") << QStringLiteral("a\u00ABb");
    QTest::newRow("numero sign") << QStringLiteral("\u2116");
    QTest::newRow("outside windows-1251") << QStringLiteral("\u65E5\u672C");
}

void TstSerializerText::refusedElementNames()
{
    QFETCH(QString, name);
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    QVERIFY(!document.addElement(nullptr, name, 0));
    QVERIFY(!document.root());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    QVERIFY(!document.addElement(root, name, 1));
    QCOMPARE(root->childCount(), 0);

    CSerializeNode node(&document, root);
    const QByteArray bytes = KvzText::toCp1251(name);
    QVERIFY(!node.addChild(bytes.constData(), 1));
    QVERIFY(!node.addTextChild(bytes.constData(), QStringLiteral("t")));
    QCOMPARE(node.writeIntegerChild(bytes.constData(), 1), -1);
    QCOMPARE(root->childCount(), 0);
}

void TstSerializerText::acceptedElementNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("cyrillic") << QStringLiteral("Модуль") << QByteArray("\xCC\xEE\xE4\xF3\xEB\xFC");
    QTest::newRow("yo") << QStringLiteral("ёЁ") << QByteArray("\xB8\xA8");
    QTest::newRow("underscore start") << QStringLiteral("_1") << QByteArray("_1");
    QTest::newRow("dot inside") << QStringLiteral("a.b") << QByteArray("a.b");
    QTest::newRow("coded start") << QStringLiteral("!x") << QByteArray("_33_x");
}

void TstSerializerText::acceptedElementNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, name, 0);
    QVERIFY(root);
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<") + written + ">\n</" + written + ">\n");
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->name(), name);
}

void TstSerializerText::refusedAttributeNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("space") << QByteArray("a b");
    QTest::newRow("leading digit") << QByteArray("1a");
    QTest::newRow("namespace declaration") << QByteArray("xmlns");
    QTest::newRow("prefixed namespace declaration") << QByteArray("xmlns:q");
    QTest::newRow("question mark") << QByteArray("a?b");
    QTest::newRow("exclamation") << QByteArray("a!b");
    QTest::newRow("less") << QByteArray("a<b");
}

void TstSerializerText::refusedAttributeNames()
{
    QFETCH(QByteArray, name);
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    root.setAttribute(name.constData(), "1");
    root.setAttribute("good", "2");
    QCOMPARE(root.commitAttributes(), 0);
    QCOMPARE(document.root()->attributeCount(), 1);
    QCOMPARE(document.root()->attributeAt(0)->name(), QStringLiteral("good"));
    QCOMPARE(savedBytes(&document), kDeclaration + QByteArray("<R good=\"2\">\n</R>\n"));
}

void TstSerializerText::prefixedAttributeNamesKept()
{
    std::unique_ptr<CSerialize> document(openBytes("<R xml:lang=\"ru\"/>"));
    QVERIFY(document);
    CSerializeNode root(document.get(), document->root());
    root.setAttribute("q:name", "1");
    root.commitAttributes();
    const QByteArray saved = savedBytes(document.get());
    QCOMPARE(saved, kDeclaration + QByteArray("<R q:name=\"1\" xml:lang=\"ru\">\n</R>\n"));
    std::unique_ptr<CSerialize> reread(openBytes(saved));
    QVERIFY(reread);
    QCOMPARE(reread->root()->attributeCount(), 2);
}

void TstSerializerText::declarationLikeAttributeNamesKept_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("letters after xmlns") << QByteArray("xmlnsX");
    QTest::newRow("underscore after xmlns") << QByteArray("xmlns_");
    QTest::newRow("prefix starting with xmlns") << QByteArray("xmlnsa:b");
}

// Only "xmlns" itself and the "xmlns:" prefix declare namespaces; other names
// that start with those letters are plain attributes.
void TstSerializerText::declarationLikeAttributeNamesKept()
{
    QFETCH(QByteArray, name);
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeNode root(&document, "R");
    root.setAttribute(name.constData(), "1");
    root.commitAttributes();
    const QByteArray saved = savedBytes(&document);
    QCOMPARE(saved, kDeclaration + QByteArray("<R ") + name + "=\"1\">\n</R>\n");

    std::unique_ptr<CSerialize> reread(openBytes("<R " + name + "=\"2\"/>"));
    QVERIFY(reread);
    QCOMPARE(reread->root()->attributeCount(), 1);
    QCOMPARE(reread->root()->attributeAt(0)->name(), QString::fromLatin1(name));
    QCOMPARE(reread->root()->attributeAt(0)->text(), QStringLiteral("2"));
}

void TstSerializerText::valueEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("space") << QStringLiteral("a b") << QStringLiteral("a&amp;nbsp;b");
    QTest::newRow("ampersand text") << QStringLiteral("&amp;") << QStringLiteral("&amp;amp;");
    QTest::newRow("markup") << QStringLiteral("<a>\"'") << QStringLiteral("&lt;a&gt;&quot;&apos;");
    QTest::newRow("exclamation") << QStringLiteral("Hi!") << QStringLiteral("Hi_33_");
    QTest::newRow("tab and lines") << QStringLiteral("a\tb\r\n") << QStringLiteral("a\tb\r\n");
    QTest::newRow("cyrillic kept") << QStringLiteral("Ж") << QStringLiteral("Ж");
    QTest::newRow("outside windows-1251") << QStringLiteral("x\u65E5") << QStringLiteral("x&#26085;");
    QTest::newRow("outside plane 0") << QStringLiteral("\U0001F600") << QStringLiteral("&#55357;&#56832;");
    QTest::newRow("rare ideograph") << QStringLiteral("x\U00020000y")
                                    << QStringLiteral("x&#55360;&#56320;y");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) << QStringLiteral("&#55357;");
    QTest::newRow("lone low surrogate") << QStringLiteral("a") + QChar(0xDE00)
                                        << QStringLiteral("a&#56832;");
}

void TstSerializerText::valueEscapes()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(CXmlWriter::escapeValue(text), escaped);
}

void TstSerializerText::valueUnescapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("nbsp") << QStringLiteral("a&nbsp;b") << QStringLiteral("a b");
    QTest::newRow("amp first") << QStringLiteral("&amp;nbsp;") << QStringLiteral(" ");
    QTest::newRow("markup") << QStringLiteral("&lt;&gt;&quot;&apos;") << QStringLiteral("<>\"'");
    QTest::newRow("code 33") << QStringLiteral("_33_") << QStringLiteral("!");
    QTest::newRow("case sensitive") << QStringLiteral("&AMP;&Nbsp;") << QStringLiteral("&AMP;&Nbsp;");
}

void TstSerializerText::valueUnescapes()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(unescapeValue(text), plain);
}

void TstSerializerText::writerWithoutAutoIndent()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        CXmlWriter writer(&buffer);
        writer.writeStartElement(QStringLiteral("a b"), {});
        writer.writeTextElement(QStringLiteral("T"), QStringLiteral("x"));
        writer.writeStartElement(QStringLiteral("C"), {});
        writer.writeEndElement(QStringLiteral("C"));
        writer.writeEndElement(QStringLiteral("a b"));
    }
    QCOMPARE(buffer.data(), kDeclaration + QByteArray("<a_32_b><T>x</T><C></C></a_32_b>"));
}

void TstSerializerText::writerTagForms()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        CXmlWriter writer(&buffer);
        writer.setAutoIndent(true);
        writer.writeStartElement(QStringLiteral("R"), {});
        writer.writeTextElement(QStringLiteral("Empty"), QString());
        writer.writeEmptyElement(QStringLiteral("a b"), {{QStringLiteral("k"), QStringLiteral("v")}});
        writer.writeElement(QStringLiteral("E"), QStringLiteral("t!"), {});
        writer.writeIndent();
        writer.writeRaw(QStringLiteral("&raw;"));
        writer.newLine();
        writer.writeEndElement(QStringLiteral("R"));
    }
    QCOMPARE(buffer.data(), kDeclaration + QByteArray("<R>\n"
                                                       "\t<Empty />\n"
                                                       "\t<a b k=\"v\"/>\n"
                                                       "\t<E>t_33_</E>\n"
                                                       "\t&raw;\n"
                                                       "</R>\n"));
}

void TstSerializerText::writerAttributeOrderAndRepeats()
{
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeElement* root = document.addElement(nullptr, QStringLiteral("R"), 0);
    root->addAttribute(QStringLiteral("zeta"), QStringLiteral("1"));
    root->addAttribute(QStringLiteral("Beta"), QStringLiteral("2"));
    root->addAttribute(QStringLiteral("alpha"), QStringLiteral("3"));
    root->addAttribute(QStringLiteral("zeta"), QStringLiteral("4"));
    QCOMPARE(savedBytes(&document),
             kDeclaration + QByteArray("<R Beta=\"2\" alpha=\"3\" zeta=\"4\">\n</R>\n"));
}

void TstSerializerText::writerEndsOpenLineOnDestruction()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        CXmlWriter writer(&buffer);
        writer.setAutoIndent(true);
        writer.writeText(QStringLiteral("x"));
    }
    QCOMPARE(buffer.data(), kDeclaration + QByteArray("x\n"));
}

QTEST_GUILESS_MAIN(TstSerializerText)
#include "tst_serializer_text.moc"
