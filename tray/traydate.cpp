#include "traydate.h"

#include <algorithm>

namespace ql {

namespace {

TrayDate limitDay(TrayDate date)
{
    date.Day = std::clamp(date.Day, 1, MonthLength(date.Year, date.Month));
    return date;
}

} // namespace

bool LeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && LeapYear(year) ? 29 : lengths[month - 1];
}

int FirstWeekdayOfMonth(int year, int month)
{
    // QDate counts Monday 1 .. Sunday 7.
    return QDate(year, month, 1).dayOfWeek() % 7 + 1;
}

int FirstColumnOfMonth(int year, int month, int startOfWeek)
{
    const int weekday = FirstWeekdayOfMonth(year, month);
    if (startOfWeek == 1)
        return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

TrayDate PreviousMonth(TrayDate date)
{
    if (date.Month <= 1) {
        if (date.Year <= MinYear)
            return date;
        date.Month = 12;
        --date.Year;
    } else {
        --date.Month;
    }
    return limitDay(date);
}

TrayDate NextMonth(TrayDate date)
{
    if (date.Month >= 12) {
        if (date.Year >= MaxYear)
            return date;
        date.Month = 1;
        ++date.Year;
    } else {
        ++date.Month;
    }
    return limitDay(date);
}

TrayDate PreviousYear(TrayDate date)
{
    if (date.Year <= MinYear)
        return date;
    --date.Year;
    return limitDay(date);
}

TrayDate NextYear(TrayDate date)
{
    if (date.Year >= MaxYear)
        return date;
    ++date.Year;
    return limitDay(date);
}

} // namespace ql
