// What a terminal with IDs 0x12345678 must get back from a server that it
// told IDr 1, written out byte for byte.
#ifndef KVZB_ANSWERS_H
#define KVZB_ANSWERS_H

#include <QByteArray>

namespace KvzbAnswers {

const QByteArray S("4B 56 5A 42 78 56 34 12 01 00 00 00 03 00 45 4A 2A 3C 53");
// "*<T" with the record number 11 22 33 44
const QByteArray T("4B 56 5A 42 78 56 34 12 01 00 00 00 07 00 06 0D 2A 3C 54 11 22 33 44");
// "*<A" with the count 3
const QByteArray A("4B 56 5A 42 78 56 34 12 01 00 00 00 04 00 54 5C 2A 3C 41 03");
const QByteArray TmKey("4B 56 5A 42 78 56 34 12 01 00 00 00 07 00 58 53 2A 3C 54 4D 4B 45 59");
const QByteArray Zirn("4B 56 5A 42 78 56 34 12 01 00 00 00 09 00 A9 AC 2A 3C 5A 49 52 4E B0 0A 0A");
// the commands "*!1Y" and "*!OFF:2"
const QByteArray Command1Y("4B 56 5A 42 78 56 34 12 01 00 00 00 04 00 63 6B 2A 21 31 59");
const QByteArray CommandOff2("4B 56 5A 42 78 56 34 12 01 00 00 00 07 00 4C 47 2A 21 4F 46 46 3A 32");

inline QByteArray hexOf(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

} // namespace KvzbAnswers

#endif // KVZB_ANSWERS_H
