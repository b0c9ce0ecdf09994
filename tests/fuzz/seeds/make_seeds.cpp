// Writes the seed corpus of the fuzz harnesses: valid terminal streams,
// ZIRN session packet lists and settings documents.
//   kvz_fuzz_seeds <corpus folder>   (tests/fuzz/corpus)
#include "terminal_wire.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
using Bytes = QByteArray;
const QByteArray kPre("@KVZ");
constexpr quint32 kServer = 1, kDevice = 777;
constexpr quint8 kZirn = 0xB0;
constexpr int kFullRecord = 146;

Bytes packet(const Bytes& data) { return TerminalWire::kvzbPacket(kPre, kServer, kDevice, data); }

Bytes record(int size, int salt)
{
    Bytes r(size, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = static_cast<char>(i * 13 + salt);
    if (size > 5) {
        r[3] = '\x7E';  // frame markers inside records
        r[5] = '\x7F';
    }
    return r;
}

Bytes negotiation(quint8 count, const Bytes& mask)
{
    return packet(TerminalWire::zirnNegotiation(kZirn, count, mask));
}

Bytes eventFrame(quint32 number, const Bytes& rec) { return TerminalWire::zirnFrame('T', TerminalWire::u32(number) + rec); }
Bytes archiveFrame(const QList<Bytes>& records)
{
    Bytes body(1, static_cast<char>(records.size()));
    for (const Bytes& r : records)
        body += r;
    return TerminalWire::zirnFrame('A', body);
}

void append(Bytes& out, const Bytes& more) { out += more; }

void write(const QString& file, const Bytes& bytes)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Transport input: piece seed, options, stream.
Bytes stream(quint16 seed, quint8 options, const Bytes& body)
{
    Bytes s;
    s.append(static_cast<char>(seed)).append(static_cast<char>(seed >> 8)).append(static_cast<char>(options));
    return s + body;
}

void transportSeeds(const QString& dir)
{
    const Bytes hello = packet("*>S:SEED01");
    const Bytes full = TerminalWire::fullZirnMask();
    const int R = kFullRecord;

    write(dir + "/handshake", stream(1, 0, hello));

    Bytes zirn = hello;
    append(zirn, negotiation(69, full));
    append(zirn, eventFrame(1, record(R, 1)));
    append(zirn, TerminalWire::zirnFrame('C', record(R, 2)));
    append(zirn, archiveFrame({record(R, 3), record(R, 4)}));
    append(zirn, archiveFrame({}));
    append(zirn, TerminalWire::zirnPing());
    append(zirn, packet({}));
    write(dir + "/zirn-session", stream(7, 0, zirn));
    write(dir + "/zirn-session-large-pieces", stream(9, 1, zirn));

    const Bytes some("\x80\0\0\0\0\x0C\0\0\x08", 9);  // NumPage, Temp1, Temp2, CAN_Speed: 7 bytes
    Bytes partial = hello;
    append(partial, negotiation(69, some));
    append(partial, eventFrame(2, record(7, 5)));
    append(partial, negotiation(68, full));  // refused, answered all the same
    write(dir + "/zirn-partial-mask", stream(3, 0, partial));

    Bytes kvzb = hello;
    Bytes rec("*>T");
    Bytes r32 = record(32, 9);
    r32[0] = 0x42;
    append(rec, r32);
    append(kvzb, packet(rec));
    Bytes arc("*>A");
    arc.append('\x02');
    append(arc, r32);
    append(arc, r32);
    append(kvzb, packet(arc));
    append(kvzb, packet("*@C answer"));
    append(kvzb, packet("*#V:F6:1.2:2020:RU"));
    append(kvzb, packet("*#A state"));
    Bytes key("*>TMKEY");
    append(key, Bytes("\x0C\x1E\x05\x01\x02\x18\0\x01\x02\x03\x04\x05\x06\0\0", 15));
    append(kvzb, packet(key));
    write(dir + "/kvzb-commands", stream(5, 0, kvzb));

    Bytes garbage("\0\x7E\x7F\x41\x7E\x58\xFF", 7);
    append(garbage, hello);
    Bytes big("*>T");
    append(big, record(1100, 1));
    append(garbage, packet(big));  // longer than a record holds
    append(garbage, packet({}));
    write(dir + "/garbage-and-oversize", stream(11, 1, garbage));

    Bytes pending = hello;
    append(pending, packet({}));
    Bytes withCommand("\x04\0*!3Y", 6);  // a command of 4 bytes
    append(withCommand, pending);
    write(dir + "/pending-command", stream(13, 2, withCommand));
}

// Units of the transport harness's structured mode (options bit 2): the
// harness closes them with correct checksums itself.
Bytes kvzbUnit(const Bytes& data) { return Bytes(1, '\0') + TerminalWire::u16(static_cast<quint16>(data.size())) + data; }
Bytes zirnUnit(char letter, const Bytes& body)
{
    const char index = letter == 'T' ? 0 : letter == 'C' ? 1 : 2;
    return Bytes(1, '\1') + Bytes(1, index) + TerminalWire::u16(static_cast<quint16>(body.size())) + body;
}
Bytes rawUnit(const Bytes& bytes) { return Bytes(1, '\2') + Bytes(1, static_cast<char>(bytes.size())) + bytes; }
Bytes pingUnit() { return Bytes(1, '\3'); }

void structuredSeeds(const QString& dir)
{
    const Bytes full = TerminalWire::fullZirnMask();
    Bytes zirn = kvzbUnit("*>S:SEED02") + kvzbUnit(TerminalWire::zirnNegotiation(kZirn, 69, full));
    zirn += zirnUnit('T', TerminalWire::u32(5) + record(kFullRecord, 7));
    zirn += zirnUnit('C', record(kFullRecord, 8));
    zirn += zirnUnit('A', Bytes(1, '\2') + record(kFullRecord, 9) + record(kFullRecord, 10));
    zirn += pingUnit() + kvzbUnit(Bytes()) + rawUnit("\x7E\x58garbage");
    write(dir + "/units-zirn", stream(17, 4, zirn));
    write(dir + "/units-zirn-large-pieces", stream(19, 5, zirn));

    Bytes r32 = record(32, 3);
    r32[0] = 0x42;
    Bytes kvzb = kvzbUnit("*>S:SEED03") + kvzbUnit("*>T" + r32) + kvzbUnit("*>A\x02" + r32 + r32);
    kvzb += kvzbUnit("*@C ok") + kvzbUnit("*#V:A:B:C:D") + kvzbUnit("*#A") + kvzbUnit(Bytes());
    kvzb += kvzbUnit("*>ZIRN") + kvzbUnit("*>T") + kvzbUnit("*>A");  // too short for their fields
    write(dir + "/units-kvzb", stream(23, 6, Bytes("\x04\0*!3Y", 6) + kvzb));
}

// ZIRN session input: type, length + 16 (16-bit), selected, data.
void addPacket(Bytes& out, quint8 type, const Bytes& data, quint8 selected = 0)
{
    out.append(static_cast<char>(type));
    out += TerminalWire::u16(static_cast<quint16>(data.size() + 16));
    out.append(static_cast<char>(selected));
    out += data;
}

void zirnSeeds(const QString& dir)
{
    const Bytes full = TerminalWire::fullZirnMask();
    const int R = kFullRecord;
    Bytes all;
    addPacket(all, 11, negotiation(69, full));
    addPacket(all, 13, eventFrame(1, record(R, 1)), 1);
    addPacket(all, 12, TerminalWire::zirnFrame('C', record(R, 2)));
    addPacket(all, 14, archiveFrame({record(R, 3), record(R, 4)}));
    addPacket(all, 15, TerminalWire::zirnPing());
    Bytes answer("*@C");
    append(answer, record(R, 6));
    addPacket(all, 5, packet(answer));
    addPacket(all, 6, packet("*#V:F6:1.2:2020:RU"));
    addPacket(all, 7, packet(answer));
    Bytes key("*>TMKEY");
    append(key, Bytes("\x0C\x1E\x05\x01\x02\x18\0\x01\x02\x03\x04\x05\x06\0\0", 15));
    addPacket(all, 10, packet(key));
    addPacket(all, 4, packet({}));
    write(dir + "/all-types", all);

    const Bytes temps("\0\0\0\0\0\x0C\0\0\0", 9);
    Bytes few;
    addPacket(few, 11, negotiation(69, temps));
    addPacket(few, 13, eventFrame(7, Bytes("\x05\xFB", 2)), 1);
    addPacket(few, 14, archiveFrame({Bytes("\x01\x02", 2), Bytes("\x03\x04", 2), Bytes("\x05\x06", 2)}));
    write(dir + "/two-temperatures", few);
}

void xmlSeeds(const QString& dir)
{
    auto put = [&dir](const char* name, const char* s) { write(dir + "/" + name, Bytes(s)); };
    put("modules.xml",
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<SETTINGS>\n"
        "  <MODULE name=\"Transport KVZB\" port=\"9000\" split=\"false\"/>\n"
        "  <MODULE name=\"ZIRN\"><Colour>#ff8000</Colour><Font>Sans,10,-1,5,50,0,0,0,0,0</Font></MODULE>\n"
        "</SETTINGS>\n");
    put("cyrillic.xml",
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<\xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8 \xe8\xec\xff=\"\xcf\xee\xf0\xf2\">"
        "\xd2\xe5\xea\xf1\xf2 &amp; &lt;&gt; &#1055;</\xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8>\n");
    put("nested.xml",
        "<a x=\"1\" y='2.5e3' z=\"true\"><!-- note --><b><c><d>deep</d></c></b>"
        "<![CDATA[raw <text>]]><b/><?pi data?></a>");
    put("utf8.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r a=\"\xd0\x9f\"/>");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const char* name : {"transport", "zirn", "xml"})
        QDir().mkpath(root + "/" + name);
    transportSeeds(root + "/transport");
    structuredSeeds(root + "/transport");
    zirnSeeds(root + "/zirn");
    xmlSeeds(root + "/xml");
    return 0;
}
