// The receive side of one connection: the buffer, the learned preamble and
// identifiers, and the search for the next KVZB packet or ZIRN frame.
#ifndef KVZB_FRAMING_H
#define KVZB_FRAMING_H

#include <QByteArray>
#include <QString>

#include <cstdint>

class KvzbFraming
{
public:
    enum { BufferSize = 2080, HeaderSize = 16, MaxUnitSize = 1024, MaxDataSize = MaxUnitSize - HeaderSize };
    enum Kind { KindKvzb = 1, KindZirn = 2 };

    // Who hears about the units taken out of the buffer.
    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual bool framingActive() const = 0;
        virtual void framingUnit(int kind, const uint8_t* bytes, int size) = 0;
        virtual void framingLog(const QString& text) = 0;
    };

    // What the search found at the head of the buffer.
    struct Search {
        enum Status {
            None,   // no unit starts here; bytes from `position` on may still start one
            Wait,   // the unit at `position` is still arriving (`size` 0 while unknown)
            Unit,   // a whole unit at `position`
            Refuse  // a unit at `position` that cannot fit a transport record
        };
        Status status = None;
        int position = 0;
        int kind = 0;
        int size = 0;
        char letter = 0; // ZIRN frame letter, 0 for a ping or a KVZB packet
    };

    KvzbFraming();

    // Appends bytes as room allows and hands every unit that can be taken to
    // the sink, in stream order, until all bytes have been taken in.
    void receive(const uint8_t* bytes, int count, Sink& sink);
    void clear() { fill = 0; }

    // ZIRN frames are looked for only while the connection has negotiated them.
    void setZirnFrames(bool enabled, int recordSize);

    bool preambleKnown() const { return preamble.size() == 4; }
    QByteArray learnedPreamble() const { return preamble; }
    uint32_t serverId() const { return server; }
    uint32_t deviceId() const { return device; }
    int bufferFill() const { return fill; }

    Search findFrame(const uint8_t* buffer, int count);

    // A KVZB packet to send: learned preamble, identifiers swapped, data =
    // text then bytes. Empty when the data would not fit one packet.
    QByteArray buildPacket(const QByteArray& text, const uint8_t* bytes = nullptr, int count = 0) const;

private:
    Search learnPreamble(const uint8_t* buffer, int count);
    Search findKvzb(const uint8_t* buffer, int count) const;
    Search findZirn(const uint8_t* buffer, int count) const;
    void takeUnits(Sink& sink);
    void dropBeforePossibleStart(Sink& sink);
    void consume(int count);
    void logWaiting(const Search& found, Sink& sink) const;

    QByteArray preamble;
    uint32_t server = 0;
    uint32_t device = 0xFFFFFFFFu;
    bool zirnFrames = false;
    int zirnSize = 0;
    uint8_t buffer[BufferSize];
    int fill = 0;
};

#endif // KVZB_FRAMING_H
