// Numbers as the texts of settings values, always in the C locale whatever
// the process locale is: "%d" and "%f" on writing, atoi and atof on reading.
#ifndef CSERIALIZENUMBER_H
#define CSERIALIZENUMBER_H

#include <QByteArray>

class CSerializeNumber
{
public:
    static QByteArray formatInt(int value);
    // Six decimals, as "%f".
    static QByteArray formatFloat(float value);

    // As atoi: leading white space, a sign, then digits up to the first
    // other character; no digits gives 0. A value outside int gives fallback.
    static int parseInt(const char* text, int fallback);
    // As atof in the C locale, narrowed to float: leading white space, then
    // the longest decimal or hexadecimal ("0x10") number, "inf" or "nan";
    // no number gives 0. A finite value beyond float, or one too large or
    // too small for double to tell from infinity or zero, gives fallback.
    static float parseFloat(const char* text, float fallback);
};

#endif // CSERIALIZENUMBER_H
