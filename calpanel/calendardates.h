#pragma once

namespace ql {

// Gregorian calendar arithmetic shared by the page, the planners and the files.
// Day-of-week numbers run 1 = Sunday .. 7 = Saturday everywhere.

bool LeapYear(int year);
// Days in the month, 28..31. The month must be 1..12.
int MonthLength(int year, int month);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(int year, int month, int day);
// Grid column (1..7) of the month's first day. A start of week of 1 means
// Sunday; every other value means Monday.
int FirstColumnOfMonth(int year, int month, int startOfWeek);
// The day shown in grid row r, column c (both from 0) of a month whose first
// day is in column firstColumn; 0 when the cell lies outside the month.
int GridDay(int row, int column, int firstColumn, int monthLength);
// The day name (1 = Sunday) shown above grid column c (from 0).
int HeaderDayIndex(int column, int startOfWeek);

struct MonthYear
{
    int Month = 1;
    int Year = 1997;
    bool operator==(const MonthYear &o) const { return Month == o.Month && Year == o.Year; }
};
// The month that lies offset months away from (month, year).
MonthYear ShiftMonth(int month, int year, int offset);

// Times of day are fractions of a day (8:00 is 1/3), as the documents use.
using TTime = double;
TTime EncodeTime(int hour, int minute);
// Hour (0..23) and minute of the time of day of t; whole days are ignored.
void DecodeTime(TTime t, int &hour, int &minute);

} // namespace ql
