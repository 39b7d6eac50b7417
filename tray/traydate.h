#pragma once

#include <QDate>

namespace ql {

// Gregorian calendar arithmetic of the tray calendar. Years run from 1 to
// 9999: the year and month steps stop at those limits instead of leaving the
// range the date formatting and the weekday arithmetic can handle.
constexpr int MinYear = 1;
constexpr int MaxYear = 9999;

bool LeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int MonthLength(int year, int month);
// 1 = Sunday .. 7 = Saturday, of day 1 of the month.
int FirstWeekdayOfMonth(int year, int month);
// The grid column (1..7) of day 1: the weekday itself for Sunday-first weeks
// (startOfWeek 1), for any other value Monday is column 1 and Sunday column 7.
int FirstColumnOfMonth(int year, int month, int startOfWeek);

// The date the tray window shows: the month, the year and the selected day.
struct TrayDate
{
    int Year = 2000;
    int Month = 1;
    int Day = 1;

    bool operator==(const TrayDate &o) const
    {
        return Year == o.Year && Month == o.Month && Day == o.Day;
    }
    bool operator!=(const TrayDate &o) const { return !(*this == o); }

    QDate toQDate() const { return QDate(Year, Month, Day); }
    static TrayDate fromQDate(const QDate &date)
    {
        return TrayDate{date.year(), date.month(), date.day()};
    }
};

// The navigation steps. The selected day is limited to the new month's
// length (31 January, next month: 28 or 29 February); at the first and last
// supported month the date stays as it is.
TrayDate PreviousMonth(TrayDate date);
TrayDate NextMonth(TrayDate date);
TrayDate PreviousYear(TrayDate date);
TrayDate NextYear(TrayDate date);

} // namespace ql
