#include "kvzb_framing.h"

#include "kvzb_checksum.h"

#include <algorithm>
#include <cstring>

namespace {

const uint8_t zirnMark = 0x7E; // "~"
const uint8_t zirnPing = 0x7F;

uint16_t readU16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t readU32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8)
        | (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void writeU32(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

bool headerPasses(const uint8_t* header)
{
    return checksumAccepted(header[15], xorChecksum(header, 15));
}

KvzbFraming::Search found(KvzbFraming::Search::Status status, int position, int kind, int size, char letter = 0)
{
    KvzbFraming::Search search;
    search.status = status;
    search.position = position;
    search.kind = kind;
    search.size = size;
    search.letter = letter;
    return search;
}

} // namespace

KvzbFraming::KvzbFraming()
{
    std::memset(buffer, 0, sizeof(buffer));
}

void KvzbFraming::setZirnFrames(bool enabled, int recordSize)
{
    zirnFrames = enabled;
    zirnSize = recordSize;
}

void KvzbFraming::receive(const uint8_t* bytes, int count, Sink& sink)
{
    int taken = 0;
    while (taken < count && sink.framingActive()) {
        const int part = std::min(BufferSize - fill, count - taken);
        std::memcpy(buffer + fill, bytes + taken, static_cast<size_t>(part));
        fill += part;
        taken += part;
        takeUnits(sink);
        if (fill == BufferSize)
            dropBeforePossibleStart(sink);
    }
}

void KvzbFraming::takeUnits(Sink& sink)
{
    while (fill > 0 && sink.framingActive()) {
        const Search next = findFrame(buffer, fill);
        if (next.status == Search::Refuse) {
            if (next.kind == KindKvzb)
                sink.framingLog(QStringLiteral("Пакет KVZB не помещается в запись: %1 байт").arg(next.size));
            else
                sink.framingLog(QStringLiteral("Кадр ZIRN (команда ~%1) не помещается в запись: %2 байт")
                                    .arg(QChar(next.letter)).arg(next.size));
            consume(next.position + 1);
            continue;
        }
        if (next.status != Search::Unit) {
            if (next.status == Search::Wait)
                logWaiting(next, sink);
            return;
        }

        uint8_t unit[MaxUnitSize];
        std::memcpy(unit, buffer + next.position, static_cast<size_t>(next.size));
        consume(next.position + next.size);

        if (next.kind == KindKvzb) {
            const uint8_t computed = xorChecksum(unit + HeaderSize, next.size - HeaderSize);
            if (!checksumAccepted(unit[14], computed)) {
                sink.framingLog(QStringLiteral("Ошибка CSd KVZB принято: %1 вычислено: %2").arg(unit[14]).arg(computed));
                continue;
            }
        } else if (next.letter != 0) {
            const uint8_t computed = crc8(unit, next.size - 1);
            if (!checksumAccepted(unit[next.size - 1], computed)) {
                sink.framingLog(QStringLiteral("Ошибка CRC8 ZIRN (команда ~%1) принято: %2  вычислено: %3")
                                    .arg(QChar(next.letter)).arg(unit[next.size - 1]).arg(computed));
                continue;
            }
        }
        sink.framingUnit(next.kind, unit, next.size);
    }
}

void KvzbFraming::logWaiting(const Search& waiting, Sink& sink) const
{
    if (waiting.size == 0)
        return;
    if (waiting.kind == KindKvzb) {
        sink.framingLog(QStringLiteral("Ошибка длины пакета KVZB должно быть: %1 получено: %2").arg(waiting.size).arg(fill));
    } else if (waiting.letter == 'A') {
        sink.framingLog(QStringLiteral("размера данных ZIRN (команда ~A) должно быть: %1 получено: %2").arg(waiting.size).arg(fill));
    } else {
        sink.framingLog(QStringLiteral("Ошибка размера данных ZIRN (команда ~%1) должно быть: %2  получено: %3")
                            .arg(QChar(waiting.letter)).arg(waiting.size).arg(fill));
    }
}

void KvzbFraming::dropBeforePossibleStart(Sink& sink)
{
    const Search next = findFrame(buffer, fill);
    const int drop = std::max(1, next.position);
    sink.framingLog(QStringLiteral("Буфер приёма переполнен: отброшено %1 байт").arg(drop));
    consume(drop);
}

void KvzbFraming::consume(int count)
{
    if (count >= fill) {
        fill = 0;
        return;
    }
    std::memmove(buffer, buffer + count, static_cast<size_t>(fill - count));
    fill -= count;
}

KvzbFraming::Search KvzbFraming::findFrame(const uint8_t* bytes, int count)
{
    if (!preambleKnown())
        return learnPreamble(bytes, count);
    const Search kvzb = findKvzb(bytes, count);
    if (!zirnFrames)
        return kvzb;
    const Search zirn = findZirn(bytes, count);
    if (zirn.status == Search::None)
        return kvzb;
    if (kvzb.status == Search::None)
        return zirn;
    return zirn.position <= kvzb.position ? zirn : kvzb;
}

// Only a whole packet whose both checksums match and whose data fits a
// record teaches the preamble and the identifiers.
KvzbFraming::Search KvzbFraming::learnPreamble(const uint8_t* bytes, int count)
{
    int firstArriving = std::max(0, count - (HeaderSize - 1));
    for (int i = 0; i + HeaderSize <= count; ++i) {
        const uint8_t* header = bytes + i;
        if (!headerPasses(header))
            continue;
        const int size = HeaderSize + readU16(header + 12);
        if (size > MaxUnitSize)
            continue;
        if (i + size > count) {
            firstArriving = std::min(firstArriving, i);
            continue;
        }
        if (!checksumAccepted(header[14], xorChecksum(header + HeaderSize, size - HeaderSize)))
            continue;
        preamble = QByteArray(reinterpret_cast<const char*>(header), 4);
        server = readU32(header + 4);
        device = readU32(header + 8);
        return found(Search::Unit, i, KindKvzb, size);
    }
    return found(Search::None, firstArriving, KindKvzb, 0);
}

KvzbFraming::Search KvzbFraming::findKvzb(const uint8_t* bytes, int count) const
{
    const char* marker = preamble.constData();
    for (int p = 0; p < count; ++p) {
        const int available = count - p;
        if (available < 4) {
            if (std::memcmp(bytes + p, marker, static_cast<size_t>(available)) == 0)
                return found(Search::Wait, p, KindKvzb, 0);
            continue;
        }
        if (std::memcmp(bytes + p, marker, 4) != 0)
            continue;
        if (available < HeaderSize)
            return found(Search::Wait, p, KindKvzb, 0);
        if (!headerPasses(bytes + p))
            continue;
        const int size = HeaderSize + readU16(bytes + p + 12);
        if (size > MaxUnitSize)
            return found(Search::Refuse, p, KindKvzb, size);
        if (available < size)
            return found(Search::Wait, p, KindKvzb, size);
        return found(Search::Unit, p, KindKvzb, size);
    }
    return found(Search::None, count, KindKvzb, 0);
}

KvzbFraming::Search KvzbFraming::findZirn(const uint8_t* bytes, int count) const
{
    for (int p = 0; p < count; ++p) {
        if (bytes[p] == zirnPing)
            return found(Search::Unit, p, KindZirn, 1);
        if (bytes[p] != zirnMark)
            continue;
        if (p + 1 >= count)
            return found(Search::Wait, p, KindZirn, 0);
        const char letter = static_cast<char>(bytes[p + 1]);
        int size = 0;
        if (letter == 'T') {
            size = zirnSize + 7;
        } else if (letter == 'C') {
            size = zirnSize + 3;
        } else if (letter == 'A') {
            if (p + 2 >= count)
                return found(Search::Wait, p, KindZirn, 0, letter);
            size = bytes[p + 2] * zirnSize + 4;
        } else {
            continue;
        }
        if (size > MaxUnitSize)
            return found(Search::Refuse, p, KindZirn, size, letter);
        if (p + size > count)
            return found(Search::Wait, p, KindZirn, size, letter);
        return found(Search::Unit, p, KindZirn, size, letter);
    }
    return found(Search::None, count, KindZirn, 0);
}

QByteArray KvzbFraming::buildPacket(const QByteArray& text, const uint8_t* bytes, int count) const
{
    const int length = text.size() + count;
    if (count < 0 || length > MaxDataSize)
        return QByteArray();
    QByteArray packet(HeaderSize + length, '\0');
    uint8_t* out = reinterpret_cast<uint8_t*>(packet.data());
    std::memcpy(out, preamble.constData(), static_cast<size_t>(std::min(4, preamble.size())));
    writeU32(out + 4, device);
    writeU32(out + 8, server);
    out[12] = static_cast<uint8_t>(length);
    out[13] = static_cast<uint8_t>(length >> 8);
    if (!text.isEmpty())
        std::memcpy(out + HeaderSize, text.constData(), static_cast<size_t>(text.size()));
    if (count > 0)
        std::memcpy(out + HeaderSize + text.size(), bytes, static_cast<size_t>(count));
    out[14] = xorChecksum(out + HeaderSize, length);
    out[15] = xorChecksum(out, 15);
    return packet;
}
