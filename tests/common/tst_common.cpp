#include "kvz_abi.h"
#include "kvz_text.h"

#include <QTextCodec>
#include <QtTest>

namespace {
QTextCodec* codec()
{
    return QTextCodec::codecForName("windows-1251");
}

QString hex(const QString& text)
{
    QString units;
    for (QChar c : text)
        units += QString::asprintf("%04X ", c.unicode());
    return units;
}
} // namespace

class TstCommon : public QObject
{
    Q_OBJECT
private slots:
    void cp1251RoundTrip();
    void cp1251Texts_data();
    void cp1251Texts();
    void everyCharacterEncodesAsTheCodec();
    void everyByteDecodesAsTheCodec();
    void appendCp1251KeepsWhatIsThere();
    void fieldIsReadWithinItsWidth();
    void fieldWriteCutsAndTerminates();
    void deviceIdIsSignedDecimal();
    void payloadOffsets_data();
    void payloadOffsets();
    void eventPacketClampsCount();
};

void TstCommon::cp1251RoundTrip()
{
    const QString text = QStringLiteral("Подключение ёЁ №");
    const QByteArray bytes = KvzText::toCp1251(text);
    QCOMPARE(bytes, QByteArray("\xCF\xEE\xE4\xEA\xEB\xFE\xF7\xE5\xED\xE8\xE5 \xB8\xA8 \xB9"));
    QCOMPARE(KvzText::fromCp1251(bytes), text);
    QVERIFY(!KvzText::canEncode(QStringLiteral("\u4e2d")));
    QVERIFY(KvzText::canEncode(text));
}

void TstCommon::cp1251Texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("roundTrip");
    const QString a16(16, QLatin1Char('a'));
    QTest::newRow("ascii, a block and a half") << QStringLiteral("NumPage = 1; Temp1 = -5; ")
                                              << QByteArray("NumPage = 1; Temp1 = -5; ") << true;
    QTest::newRow("cyrillic in the second block") << a16 + QStringLiteral("Ёж") << QByteArray("aaaaaaaaaaaaaaaa\xA8\xE6")
                                                 << true;
    QTest::newRow("cyrillic in the first block") << QStringLiteral("Я") + a16 << QByteArray("\xDF" "aaaaaaaaaaaaaaaa")
                                                << true;
    QTest::newRow("euro, numero, dashes") << QStringLiteral("€№–—") << QByteArray("\x88\xB9\x96\x97") << true;
    QTest::newRow("no byte for it") << a16 + QStringLiteral("\u4e2d!") << QByteArray("aaaaaaaaaaaaaaaa?!") << false;
    QTest::newRow("empty") << QString() << QByteArray() << true;
}

void TstCommon::cp1251Texts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, roundTrip);
    QCOMPARE(KvzText::toCp1251(text), bytes);
    if (roundTrip) {
        QCOMPARE(KvzText::fromCp1251(bytes), text);
        QCOMPARE(KvzText::fromCp1251(bytes.constData(), bytes.size()), text);
    }
}

// Every UTF-16 code unit, alone and between blocks of ASCII, gives the
// codec's bytes: NUL, surrogates, characters without a byte and those the
// codec drops included.
void TstCommon::everyCharacterEncodesAsTheCodec()
{
    const QString a15(15, QLatin1Char('a'));
    const QString a17(17, QLatin1Char('a'));
    for (int unit = 0; unit < 0x10000; ++unit) {
        const QChar c = QChar(ushort(unit));
        for (const QString& text : {QString(c), a15 + c + a17}) {
            const QByteArray expected = codec()->fromUnicode(text);
            const QByteArray bytes = KvzText::toCp1251(text);
            if (bytes != expected)
                QFAIL(qPrintable(QStringLiteral("%1gives %2, the codec %3")
                                     .arg(hex(text), QString::fromLatin1(bytes.toHex()),
                                          QString::fromLatin1(expected.toHex()))));
        }
    }
}

// Every byte, alone, in a block of 16 and after one, gives the codec's
// characters.
void TstCommon::everyByteDecodesAsTheCodec()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        const char b = char(byte);
        all += b;
        for (const QByteArray& bytes : {QByteArray(1, b), QByteArray(7, 'a') + b + QByteArray(8, 'z'),
                                        QByteArray(16, 'a') + b, b + QByteArray(31, '\0')}) {
            const QString expected = codec()->toUnicode(bytes);
            if (KvzText::fromCp1251(bytes) != expected || KvzText::fromCp1251(bytes.constData(), bytes.size()) != expected)
                QFAIL(qPrintable(QStringLiteral("bytes %1 give %2, the codec %3")
                                     .arg(QString::fromLatin1(bytes.toHex()), hex(KvzText::fromCp1251(bytes)),
                                          hex(expected))));
        }
    }
    QCOMPARE(KvzText::fromCp1251(all), codec()->toUnicode(all));
    QCOMPARE(KvzText::toCp1251(KvzText::fromCp1251(all)), codec()->fromUnicode(codec()->toUnicode(all)));
    QVERIFY(KvzText::fromCp1251(nullptr, 3).isNull());
    QVERIFY(KvzText::fromCp1251("abc", 0).isNull());
}

void TstCommon::appendCp1251KeepsWhatIsThere()
{
    QByteArray bytes("Pre: ");
    KvzText::appendCp1251(bytes, QStringLiteral("Данные 1"));
    QCOMPARE(bytes, QByteArray("Pre: \xC4\xE0\xED\xED\xFB\xE5 1"));
    KvzText::appendCp1251(bytes, QString());
    QCOMPARE(bytes, QByteArray("Pre: \xC4\xE0\xED\xED\xFB\xE5 1"));
    // a text that only the codec can take is the codec's bytes after what is there
    const QString pair = QStringLiteral(" \U0001F600 ") + QChar(0xD800);
    KvzText::appendCp1251(bytes, pair);
    QCOMPARE(bytes, QByteArray("Pre: \xC4\xE0\xED\xED\xFB\xE5 1") + codec()->fromUnicode(pair));
}

void TstCommon::fieldIsReadWithinItsWidth()
{
    char field[4] = {'A', 'B', 'C', 'D'};   // no NUL at all
    char after[4] = {'X', 'Y', 'Z', 0};
    Q_UNUSED(after);
    QCOMPARE(KvzText::fromField(field, 4), QStringLiteral("ABCD"));
    char shortField[4] = {'\xC0', 0, 'Q', 0};
    QCOMPARE(KvzText::fromField(shortField, 4), QStringLiteral("А"));
}

void TstCommon::fieldWriteCutsAndTerminates()
{
    char field[5];
    std::memset(field, 'x', sizeof(field));
    KvzText::toField(field, 5, QStringLiteral("Длинное имя"));
    QCOMPARE(QByteArray(field, 5), QByteArray("\xC4\xEB\xE8\xED\0", 5));
}

void TstCommon::deviceIdIsSignedDecimal()
{
    TransportPacket p;
    p.clear();
    p.deviceId = 2147483648u;
    QCOMPARE(p.deviceIdText(), QStringLiteral("-2147483648"));
    p.deviceId = 12345;
    QCOMPARE(p.deviceIdText(), QStringLiteral("12345"));
    std::memcpy(p.deviceName, "0123456789abcdef", 16);   // full width, no NUL
    QCOMPARE(p.deviceNameText(), QStringLiteral("0123456789abcdef"));
}

void TstCommon::payloadOffsets_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("offset");
    QTest::newRow("closed") << 0 << 16;
    QTest::newRow("handshake") << 1 << 20;
    QTest::newRow("record") << 2 << 19;
    QTest::newRow("archive") << 3 << 20;
    QTest::newRow("ping") << 4 << 16;
    QTest::newRow("answer") << 5 << 19;
    QTest::newRow("version") << 6 << 19;
    QTest::newRow("state") << 7 << 19;
    QTest::newRow("rfu") << 8 << 16;
    QTest::newRow("tmkey") << 10 << 23;
    QTest::newRow("zirn handshake") << 11 << 22;
    QTest::newRow("zirn current") << 12 << 2;
    QTest::newRow("zirn event") << 13 << 2;
    QTest::newRow("zirn archive") << 14 << 2;
    QTest::newRow("zirn ping") << 15 << 1;
    QTest::newRow("unknown") << 99 << 16;
}

void TstCommon::payloadOffsets()
{
    QFETCH(int, type);
    QFETCH(int, offset);
    QCOMPARE(TransportPacket::payloadOffsetOf(type), offset);
}

void TstCommon::eventPacketClampsCount()
{
    QByteArray big(2000, 'z');
    CEvent_Packet p(big.constData(), big.size());
    QCOMPARE(p.size, 1024);
    CEvent_Packet n(nullptr, -5);
    QCOMPARE(n.size, 0);
}

QTEST_APPLESS_MAIN(TstCommon)
#include "tst_common.moc"
