#include "kvz_abi.h"
#include "kvz_text.h"

#include <QtTest>

class TstCommon : public QObject
{
    Q_OBJECT
private slots:
    void cp1251RoundTrip();
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
