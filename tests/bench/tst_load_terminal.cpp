// The benchmark terminal writes its records and the answers it awaits in
// place; these must be the very bytes the terminal wire library builds, and
// the answer check must take the right answer only.
#include "load_terminal.h"
#include "terminal_wire.h"

#include <QtTest>

#include <ctime>

Q_DECLARE_METATYPE(LoadTerminal::Kind)
Q_DECLARE_METATYPE(LoadTerminal::Outcome)

namespace {
QByteArray bytes(const LoadTerminal::Bytes& b)
{
    return QByteArray(b.data, b.size);
}

QByteArray fromHex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

quint32 u32At(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}
} // namespace

class tst_load_terminal : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void answers_data();
    void answers();
    void opening_data();
    void opening();
    void unitSize_data();
    void unitSize();
};

void tst_load_terminal::records_data()
{
    QTest::addColumn<LoadTerminal::Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::newRow("~T, first record") << LoadTerminal::Kind::Zirn << 0 << 1;
    QTest::newRow("~T, record 300") << LoadTerminal::Kind::Zirn << 7 << 300;
    QTest::newRow("~T, number above 16 bits") << LoadTerminal::Kind::Zirn << 999 << 70000;
    QTest::newRow("*>T, first record") << LoadTerminal::Kind::Kvzb << 9 << 1;
    QTest::newRow("*>T, record 300") << LoadTerminal::Kind::Kvzb << 19 << 300;
}

void tst_load_terminal::records()
{
    QFETCH(LoadTerminal::Kind, kind);
    QFETCH(int, index);
    QFETCH(int, number);
    LoadTerminal terminal(index, kind);
    QByteArray record;
    const quint32 before = static_cast<quint32>(std::time(nullptr));
    for (int i = 0; i < number; ++i)
        record = bytes(terminal.nextRecord());
    const quint32 after = static_cast<quint32>(std::time(nullptr));
    QCOMPARE(terminal.recordsSent(), static_cast<uint32_t>(number));
    QCOMPARE(terminal.state(), LoadTerminal::State::WaitAnswer);

    const quint32 n = static_cast<quint32>(number);
    const quint32 id = 100000u + static_cast<quint32>(index);
    if (kind == LoadTerminal::Kind::Zirn) {
        QCOMPARE(record.size(), 153);
        QCOMPARE(u32At(record, 2), n);
        const quint32 time = u32At(record, 12);
        QVERIFY(time >= before && time <= after);
        QByteArray body(146, '\0');
        for (int i = 0; i < body.size(); ++i)
            body[i] = static_cast<char>((n * 31 + static_cast<quint32>(i) * 7 + id) & 0xFF);
        body.replace(0, 4, TerminalWire::u32(n));
        body.replace(6, 4, TerminalWire::u32(time));
        body[13] = 23;
        body.replace(19, 4, fromHex("4C B2 52 03"));
        body.replace(23, 4, fromHex("F7 02 3E 02"));
        body.replace(31, 4, fromHex("00 00 5A 42"));
        QCOMPARE(TerminalWire::hex(record), TerminalWire::hex(TerminalWire::zirnFrame('T', TerminalWire::u32(n) + body)));
    } else {
        QCOMPARE(record.size(), 51);
        QByteArray body(32, '\0');
        for (int i = 0; i < body.size(); ++i)
            body[i] = static_cast<char>((static_cast<quint32>(i) + n) & 0xFF);
        body[0] = 0x42;
        body.replace(1, 4, TerminalWire::u32(n));
        QCOMPARE(TerminalWire::hex(record),
                 TerminalWire::hex(TerminalWire::kvzbPacket("@KVZ", 1, id, "*>T" + body)));
    }
}

void tst_load_terminal::answers_data()
{
    QTest::addColumn<LoadTerminal::Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("records");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<LoadTerminal::Outcome>("outcome");
    QTest::addColumn<int>("taken");
    using K = LoadTerminal::Kind;
    using O = LoadTerminal::Outcome;
    QTest::newRow("~T answered") << K::Zirn << 0 << 1 << fromHex("7E 54 01 00 00 00 82") << O::Answered << 7;
    QTest::newRow("~T record 300 answered") << K::Zirn << 3 << 300 << fromHex("7E 54 2C 01 00 00 3D") << O::Answered << 7;
    QTest::newRow("~T answer to another record") << K::Zirn << 0 << 1 << fromHex("7E 54 02 00 00 00 1E") << O::Bad << 7;
    QTest::newRow("~T CRC wrong") << K::Zirn << 0 << 1 << fromHex("7E 54 01 00 00 00 83") << O::Bad << 7;
    QTest::newRow("~T not whole yet") << K::Zirn << 0 << 1 << fromHex("7E 54 01 00 00") << O::None << 0;
    QTest::newRow("*>T answered")
        << K::Kvzb << 9 << 1
        << fromHex("40 4B 56 5A A9 86 01 00 01 00 00 00 07 00 43 6C 2A 3C 54 01 00 00 00") << O::Answered << 23;
    QTest::newRow("*>T answer with the identifiers not swapped")
        << K::Kvzb << 9 << 1
        << fromHex("40 4B 56 5A 01 00 00 00 A9 86 01 00 07 00 43 6C 2A 3C 54 01 00 00 00") << O::Bad << 23;
    QTest::newRow("*>T header not whole yet")
        << K::Kvzb << 9 << 1 << fromHex("40 4B 56 5A A9 86 01 00 01 00 00 00 07") << O::None << 0;
    QTest::newRow("no answer unit at all") << K::Zirn << 0 << 1 << QByteArray("XYZ") << O::Bad << 0;
}

void tst_load_terminal::answers()
{
    QFETCH(LoadTerminal::Kind, kind);
    QFETCH(int, index);
    QFETCH(int, records);
    QFETCH(QByteArray, answer);
    QFETCH(LoadTerminal::Outcome, outcome);
    QFETCH(int, taken);
    LoadTerminal terminal(index, kind);
    for (int i = 0; i < records; ++i)
        terminal.nextRecord();
    QByteArray reply;
    int used = -1;
    QCOMPARE(terminal.takeAnswer(answer.constData(), answer.size(), used, reply), outcome);
    QCOMPARE(used, taken);
    QVERIFY(reply.isEmpty());
    QCOMPARE(terminal.state(),
             outcome == LoadTerminal::Outcome::Answered ? LoadTerminal::State::Idle : LoadTerminal::State::WaitAnswer);
}

void tst_load_terminal::opening_data()
{
    QTest::addColumn<LoadTerminal::Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("handshake");
    QTest::addColumn<QByteArray>("handshakeAnswer");
    QTest::addColumn<QByteArray>("negotiation");  // empty: none
    QTest::addColumn<QByteArray>("negotiationAnswer");
    QTest::newRow("~T terminal: handshake, then ZIRN with all 69 fields")
        << LoadTerminal::Kind::Zirn << 0
        << fromHex("40 4B 56 5A 01 00 00 00 A0 86 01 00 0F 00 3F 11 2A 3E 53 3A 42 45 4E 43 48 30 30 30 30 30 30")
        << fromHex("40 4B 56 5A A0 86 01 00 01 00 00 00 03 00 45 67 2A 3C 53")
        << fromHex("40 4B 56 5A 01 00 00 00 A0 86 01 00 13 00 15 27 2A 3E 5A 49 52 4E B0 01 02 45"
                   " FF FF FF FF FF FF FF FF F8")
        << fromHex("40 4B 56 5A A0 86 01 00 01 00 00 00 09 00 A9 81 2A 3C 5A 49 52 4E B0 0A 0A");
    QTest::newRow("*>T terminal: handshake only")
        << LoadTerminal::Kind::Kvzb << 12
        << fromHex("40 4B 56 5A 01 00 00 00 AC 86 01 00 0F 00 3C 1E 2A 3E 53 3A 42 45 4E 43 48 30 30 30 30 31 32")
        << fromHex("40 4B 56 5A AC 86 01 00 01 00 00 00 03 00 45 6B 2A 3C 53") << QByteArray() << QByteArray();
}

void tst_load_terminal::opening()
{
    QFETCH(LoadTerminal::Kind, kind);
    QFETCH(int, index);
    QFETCH(QByteArray, handshake);
    QFETCH(QByteArray, handshakeAnswer);
    QFETCH(QByteArray, negotiation);
    QFETCH(QByteArray, negotiationAnswer);
    LoadTerminal terminal(index, kind);
    QCOMPARE(TerminalWire::hex(terminal.connected()), TerminalWire::hex(handshake));
    QCOMPARE(terminal.state(), LoadTerminal::State::Handshake);

    // A record's answer is not taken for the handshake's.
    QByteArray reply;
    int taken = 0;
    const QByteArray recordAnswer = fromHex("7E 54 01 00 00 00 82");
    QCOMPARE(terminal.takeAnswer(recordAnswer.constData(), recordAnswer.size(), taken, reply),
             LoadTerminal::Outcome::Bad);
    QCOMPARE(terminal.state(), LoadTerminal::State::Handshake);

    if (negotiation.isEmpty()) {
        QCOMPARE(terminal.takeAnswer(handshakeAnswer.constData(), handshakeAnswer.size(), taken, reply),
                 LoadTerminal::Outcome::Ready);
    } else {
        QCOMPARE(terminal.takeAnswer(handshakeAnswer.constData(), handshakeAnswer.size(), taken, reply),
                 LoadTerminal::Outcome::Progress);
        QCOMPARE(TerminalWire::hex(reply), TerminalWire::hex(negotiation));
        QCOMPARE(terminal.state(), LoadTerminal::State::Negotiation);
        QCOMPARE(terminal.takeAnswer(negotiationAnswer.constData(), negotiationAnswer.size(), taken, reply),
                 LoadTerminal::Outcome::Ready);
        QCOMPARE(taken, negotiationAnswer.size());
    }
    QCOMPARE(terminal.state(), LoadTerminal::State::Idle);
}

void tst_load_terminal::unitSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("size");
    QTest::newRow("~T whole, more behind") << fromHex("7E 54 01 00 00 00 82 7E") << 7;
    QTest::newRow("~C whole") << fromHex("7E 43 00 11") << 4;
    QTest::newRow("~ alone") << fromHex("7E") << 0;
    QTest::newRow("~ unknown letter") << fromHex("7E 51 00 00") << -1;
    QTest::newRow("KVZB whole") << fromHex("40 4B 56 5A AC 86 01 00 01 00 00 00 03 00 45 6B 2A 3C 53") << 19;
    QTest::newRow("KVZB data missing") << fromHex("40 4B 56 5A AC 86 01 00 01 00 00 00 03 00 45 6B 2A 3C") << 0;
    QTest::newRow("preamble begun") << fromHex("40 4B") << 0;
    QTest::newRow("wrong preamble") << fromHex("40 4B 56 5B AC 86 01 00 01 00 00 00 03 00 45 6B") << -1;
    QTest::newRow("nothing") << QByteArray() << 0;
}

void tst_load_terminal::unitSize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, size);
    QCOMPARE(LoadTerminal::answerUnitSize(bytes.constData(), bytes.size()), size);
}

QTEST_GUILESS_MAIN(tst_load_terminal)
#include "tst_load_terminal.moc"
