#include "traydate.h"
#include "traytestutil.h"

#include <gtest/gtest.h>

namespace ql {
inline void PrintTo(const TrayDate &d, std::ostream *os)
{
    *os << d.Year << "-" << d.Month << "-" << d.Day;
}
} // namespace ql

using namespace ql;

TEST(TrayDates, MonthLengthsFollowTheGregorianLeapYearRule)
{
    struct Case
    {
        int year, month, days;
    } cases[] = {
        {1997, 1, 31}, {1997, 2, 28}, {1996, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
        {2100, 2, 28}, {2024, 4, 30}, {2024, 12, 31}, {2024, 0, 0},  {2024, 13, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(MonthLength(c.year, c.month), c.days);
    }
}

TEST(TrayDates, FirstColumnDependsOnTheWeekStart)
{
    struct Case
    {
        int year, month, startOfWeek, column;
    } cases[] = {
        {2022, 1, 1, 7}, // 1 January 2022 is a Saturday: last column with Sunday first
        {2022, 1, 2, 6},
        {2023, 1, 1, 1}, // a Sunday
        {2023, 1, 2, 7}, // ... last column with Monday first
        {2024, 1, 1, 2}, // a Monday
        {2024, 1, 2, 1},
        {2024, 1, 5, 1}, // any value but 1 means Monday
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << " week start "
                                        << c.startOfWeek);
        EXPECT_EQ(FirstColumnOfMonth(c.year, c.month, c.startOfWeek), c.column);
    }
}

TEST(TrayDates, StepsLimitTheDayToTheNewMonth)
{
    struct Case
    {
        const char *name;
        TrayDate (*step)(TrayDate);
        TrayDate from, to;
    } cases[] = {
        {"31 Jan next month, common year", NextMonth, {1997, 1, 31}, {1997, 2, 28}},
        {"31 Jan next month, leap year", NextMonth, {1996, 1, 31}, {1996, 2, 29}},
        {"31 Mar previous month", PreviousMonth, {1997, 3, 31}, {1997, 2, 28}},
        {"31 May next month", NextMonth, {1997, 5, 31}, {1997, 6, 30}},
        {"December next month", NextMonth, {1997, 12, 9}, {1998, 1, 9}},
        {"January previous month", PreviousMonth, {1997, 1, 9}, {1996, 12, 9}},
        {"29 Feb 2000 next year", NextYear, {2000, 2, 29}, {2001, 2, 28}},
        {"29 Feb 2000 previous year", PreviousYear, {2000, 2, 29}, {1999, 2, 28}},
        {"29 Feb 1996 four years on stays", NextYear, {2003, 2, 28}, {2004, 2, 28}},
        {"last year stays", NextYear, {9999, 6, 1}, {9999, 6, 1}},
        {"last month stays", NextMonth, {9999, 12, 31}, {9999, 12, 31}},
        {"first year stays", PreviousYear, {1, 3, 1}, {1, 3, 1}},
        {"first month stays", PreviousMonth, {1, 1, 1}, {1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.step(c.from), c.to);
    }
}
