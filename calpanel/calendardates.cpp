#include "calendardates.h"

#include <QDate>
#include <cmath>
#include <cstdlib>

namespace ql {

bool LeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31; // callers guarantee 1..12; never index outside the table
    int n = lengths[month - 1];
    if (month == 2 && LeapYear(year))
        ++n;
    return n;
}

int DayOfWeek(int year, int month, int day)
{
    // QDate counts Monday = 1 .. Sunday = 7.
    const int qtDay = QDate(year, month, day).dayOfWeek();
    return qtDay % 7 + 1;
}

int FirstColumnOfMonth(int year, int month, int startOfWeek)
{
    const int w = DayOfWeek(year, month, 1);
    if (startOfWeek == 1)
        return w;
    return w == 1 ? 7 : w - 1;
}

int GridDay(int row, int column, int firstColumn, int monthLength)
{
    const int d = 7 * row + column + 2 - firstColumn;
    return (d >= 1 && d <= monthLength) ? d : 0;
}

int HeaderDayIndex(int column, int startOfWeek)
{
    if (startOfWeek == 1)
        return column + 1;
    return column <= 5 ? column + 2 : 1;
}

MonthYear ShiftMonth(int month, int year, int offset)
{
    // Whole years first, so a huge offset costs no more than a small one; the
    // month-by-month rule gives the same result.
    year += offset / 12;
    int rest = offset % 12;
    for (; rest < 0; ++rest) {
        if (--month < 1) {
            month = 12;
            --year;
        }
    }
    for (; rest > 0; --rest) {
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return {month, year};
}

TTime EncodeTime(int hour, int minute)
{
    return (hour * 60 + minute) / 1440.0;
}

void DecodeTime(TTime t, int &hour, int &minute)
{
    double frac = t - std::floor(t);
    // Round to whole milliseconds first so 8:00 held as 0.33333... reads as 8:00.
    long long ms = std::llround(frac * 86400000.0);
    ms %= 86400000LL;
    const long long totalMinutes = ms / 60000;
    hour = static_cast<int>(totalMinutes / 60);
    minute = static_cast<int>(totalMinutes % 60);
}

} // namespace ql
