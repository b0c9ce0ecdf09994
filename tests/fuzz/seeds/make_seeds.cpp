// Writes the seed corpus of the fuzz harnesses: valid terminal streams,
// ZIRN session packet lists and settings documents.
//   kvz_fuzz_seeds <corpus folder>   (tests/fuzz/corpus)
#include "terminal_wire.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
const TerminalWire::Preamble kPre = {'@', 'K', 'V', 'Z'};
constexpr uint32_t kServer = 1, kDevice = 777;

Bytes packet(const Bytes& data) { return TerminalWire::kvzbPacket(kPre, kServer, kDevice, data); }
Bytes text(const std::string& s) { return TerminalWire::text(s); }

Bytes record(int size, uint8_t salt)
{
    Bytes r(static_cast<size_t>(size));
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<uint8_t>(i * 13 + salt);
    r[3] = 0x7E;  // frame markers inside records
    r[5] = 0x7F;
    return r;
}

Bytes negotiation(uint8_t count, const TerminalWire::FieldMask& mask)
{
    return packet(TerminalWire::zirnNegotiationData(TerminalWire::kZirnFormat, count, mask));
}

void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

void write(const fs::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// Transport input: piece seed, options, stream.
Bytes stream(uint16_t seed, uint8_t options, const Bytes& body)
{
    Bytes s{static_cast<uint8_t>(seed), static_cast<uint8_t>(seed >> 8), options};
    append(s, body);
    return s;
}

void transportSeeds(const fs::path& dir)
{
    const Bytes hello = packet(TerminalWire::handshakeData("SEED01"));
    const TerminalWire::FieldMask full = TerminalWire::fullMask();
    const int R = TerminalWire::zirnRecordSize(full);

    write(dir / "handshake", stream(1, 0, hello));

    Bytes zirn = hello;
    append(zirn, negotiation(69, full));
    append(zirn, TerminalWire::zirnEventFrame(1, record(R, 1)));
    append(zirn, TerminalWire::zirnCurrentFrame(record(R, 2)));
    append(zirn, TerminalWire::zirnArchiveFrame({record(R, 3), record(R, 4)}));
    append(zirn, TerminalWire::zirnArchiveFrame({}));
    append(zirn, TerminalWire::zirnPing());
    append(zirn, packet({}));
    write(dir / "zirn-session", stream(7, 0, zirn));
    write(dir / "zirn-session-large-pieces", stream(9, 1, zirn));

    TerminalWire::FieldMask some = {0x80, 0, 0, 0, 0, 0x0C, 0, 0, 0x08};
    Bytes partial = hello;
    append(partial, negotiation(69, some));
    append(partial, TerminalWire::zirnEventFrame(2, record(TerminalWire::zirnRecordSize(some), 5)));
    append(partial, negotiation(68, full));  // refused, answered all the same
    write(dir / "zirn-partial-mask", stream(3, 0, partial));

    Bytes kvzb = hello;
    Bytes rec = text("*>T");
    Bytes r32 = record(32, 9);
    r32[0] = 0x42;
    append(rec, r32);
    append(kvzb, packet(rec));
    Bytes arc = text("*>A");
    arc.push_back(2);
    append(arc, r32);
    append(arc, r32);
    append(kvzb, packet(arc));
    append(kvzb, packet(text("*@C answer")));
    append(kvzb, packet(text("*#V:F6:1.2:2020:RU")));
    append(kvzb, packet(text("*#A state")));
    Bytes key = text("*>TMKEY");
    append(key, Bytes{12, 30, 5, 1, 2, 24, 0, 1, 2, 3, 4, 5, 6, 0, 0});
    append(kvzb, packet(key));
    write(dir / "kvzb-commands", stream(5, 0, kvzb));

    Bytes garbage = {0x00, 0x7E, 0x7F, 0x41, 0x7E, 0x58, 0xFF};
    append(garbage, hello);
    Bytes big = text("*>T");
    append(big, record(1100, 1));
    append(garbage, packet(big));  // longer than a record holds
    append(garbage, packet({}));
    write(dir / "garbage-and-oversize", stream(11, 1, garbage));

    Bytes pending = hello;
    append(pending, packet({}));
    Bytes withCommand = {4, 0};  // command of 4 bytes
    append(withCommand, text("*!3Y"));
    append(withCommand, pending);
    write(dir / "pending-command", stream(13, 2, withCommand));
}

// ZIRN session input: type, length + 16 (16-bit), selected, data.
void addPacket(Bytes& out, uint8_t type, const Bytes& data, uint8_t selected = 0)
{
    out.push_back(type);
    TerminalWire::putU16(out, static_cast<uint16_t>(data.size() + 16));
    out.push_back(selected);
    append(out, data);
}

void zirnSeeds(const fs::path& dir)
{
    const TerminalWire::FieldMask full = TerminalWire::fullMask();
    const int R = TerminalWire::zirnRecordSize(full);
    Bytes all;
    addPacket(all, 11, negotiation(69, full));
    addPacket(all, 13, TerminalWire::zirnEventFrame(1, record(R, 1)), 1);
    addPacket(all, 12, TerminalWire::zirnCurrentFrame(record(R, 2)));
    addPacket(all, 14, TerminalWire::zirnArchiveFrame({record(R, 3), record(R, 4)}));
    addPacket(all, 15, TerminalWire::zirnPing());
    Bytes answer = text("*@C");
    append(answer, record(R, 6));
    addPacket(all, 5, packet(answer));
    addPacket(all, 6, packet(text("*#V:F6:1.2:2020:RU")));
    addPacket(all, 7, packet(answer));
    Bytes key = text("*>TMKEY");
    append(key, Bytes{12, 30, 5, 1, 2, 24, 0, 1, 2, 3, 4, 5, 6, 0, 0});
    addPacket(all, 10, packet(key));
    addPacket(all, 4, packet({}));
    write(dir / "all-types", all);

    TerminalWire::FieldMask temps = {0, 0, 0, 0, 0, 0x0C, 0, 0, 0};
    Bytes few;
    addPacket(few, 11, negotiation(69, temps));
    addPacket(few, 13, TerminalWire::zirnEventFrame(7, Bytes{0x05, 0xFB}), 1);
    addPacket(few, 14, TerminalWire::zirnArchiveFrame({Bytes{1, 2}, Bytes{3, 4}, Bytes{5, 6}}));
    write(dir / "two-temperatures", few);
}

void xmlSeeds(const fs::path& dir)
{
    auto put = [&dir](const char* name, const std::string& s) { write(dir / name, text(s)); };
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
    const fs::path root = argv[1];
    for (const char* name : {"transport", "zirn", "xml"})
        fs::create_directories(root / name);
    transportSeeds(root / "transport");
    zirnSeeds(root / "zirn");
    xmlSeeds(root / "xml");
    return 0;
}
