// The F-5 record is the first 67 bytes of the F-52 layout: the test-side
// F-52 encoder builds it, and its written-out dump gives the F-5 text.
#ifndef F5_TEST_RECORD_H
#define F5_TEST_RECORD_H

#include "f52_test_record.h"

#include <QString>

namespace F5Test {

inline F52Test::Values fullValues(quint32 numPage = 4000000000u)
{
    F52Test::Values v = F52Test::fullValues();
    v.type = 5;
    v.numPage = numPage;
    return v;
}

inline QByteArray recordOf(const F52Test::Values& v)
{
    return F52Test::recordOf(v).left(67);
}

// toText of fullValues(numPage), written out.
inline QString fullText(quint32 numPage = 4000000000u)
{
    return QStringLiteral("Type = 5; NumPage = ") + QString::number(numPage)
        + QStringLiteral("; Code = 65535; Hour = 23; Min = 59; Sec = 58; Day = 31; "
                         "Month = 11; Year = 25; Protection = 129; Module = 97; GSM = 24; StateOut = 2; "
                         "StateInOut = 161; StateInA3 = 12345; StateInA4 = 65535; StateInA1 = 0; "
                         "StateInA2 = 4200; StateInI1 = 4294967295; StateInI2 = 7; StateNGauge = 2; "
                         "LastHour = 1; LastMin = 2; LastSec = 3; LastDay = 4; LastMonth = 5; LastYear = 26; "
                         "Lat = 0.959931; Lon = -0.5; Speed = 12.5; Course = 359; Run = 1.23457e+06; "
                         "Way = 1e-05; AllSeconds = 65535; SecondsLast = 1; ");
}

} // namespace F5Test

#endif // F5_TEST_RECORD_H
