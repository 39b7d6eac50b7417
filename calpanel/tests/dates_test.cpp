#include "calendardates.h"
#include "caltypes.h"

#include <gtest/gtest.h>

using namespace ql;

TEST(Dates, MonthLengthFollowsTheLeapYearRule)
{
    struct Case
    {
        int year, month, length;
    } cases[] = {{1900, 2, 28}, {2000, 2, 29}, {1996, 2, 29}, {1997, 2, 28}, {1997, 1, 31},
                 {1997, 4, 30}, {1997, 12, 31}, {2100, 2, 28}, {2400, 2, 29}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(MonthLength(c.year, c.month), c.length);
    }
}

TEST(Dates, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(1997, 1, 1), 4); // a Wednesday
    EXPECT_EQ(DayOfWeek(1997, 6, 1), 1); // a Sunday
    EXPECT_EQ(DayOfWeek(1997, 11, 1), 7); // a Saturday
}

TEST(Dates, FirstColumnDependsOnWeekStart)
{
    // June 1997 starts on a Sunday: column 1 with Sunday weeks, 7 with Monday weeks.
    EXPECT_EQ(FirstColumnOfMonth(1997, 6, 1), 1);
    EXPECT_EQ(FirstColumnOfMonth(1997, 6, 2), 7);
    // Every value but 1 means Monday.
    EXPECT_EQ(FirstColumnOfMonth(1997, 6, 0), 7);
    EXPECT_EQ(FirstColumnOfMonth(1997, 6, 7), 7);
    // January 1997 starts on a Wednesday.
    EXPECT_EQ(FirstColumnOfMonth(1997, 1, 1), 4);
    EXPECT_EQ(FirstColumnOfMonth(1997, 1, 2), 3);
}

namespace {
// Cells 1..42 holding days, as the grid rule places a month.
std::vector<int> daysOfGrid(int year, int month, int startOfWeek)
{
    const int c = FirstColumnOfMonth(year, month, startOfWeek);
    std::vector<int> days;
    for (int cell = 1; cell <= 42; ++cell)
        days.push_back(GridDay((cell - 1) / 7, (cell - 1) % 7, c, MonthLength(year, month)));
    return days;
}
} // namespace

TEST(Dates, ThirtyOneDayMonthStartingInLastColumnUsesCells7To37)
{
    // March 1997 starts on a Saturday: column 7 with Sunday weeks.
    const auto days = daysOfGrid(1997, 3, 1);
    for (int cell = 1; cell <= 42; ++cell) {
        SCOPED_TRACE(cell);
        const int expected = (cell >= 7 && cell <= 37) ? cell - 6 : 0;
        EXPECT_EQ(days[static_cast<size_t>(cell - 1)], expected);
    }
}

TEST(Dates, NonLeapFebruaryFromColumnOneFillsExactlyFourRows)
{
    // February 2010 starts on a Monday: column 1 with Monday weeks.
    const auto days = daysOfGrid(2010, 2, 2);
    for (int cell = 1; cell <= 42; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(days[static_cast<size_t>(cell - 1)], cell <= 28 ? cell : 0);
    }
}

TEST(Dates, HeaderColumnsFollowWeekStart)
{
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(HeaderDayIndex(c, 1), c + 1);
    const int monday[7] = {2, 3, 4, 5, 6, 7, 1};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(HeaderDayIndex(c, 2), monday[c]);
}

TEST(Dates, ShiftMonth)
{
    struct Case
    {
        int month, year, offset;
        MonthYear expected;
    } cases[] = {
        {1, 1997, -1, {12, 1996}}, {12, 1997, 1, {1, 1998}}, {3, 1997, -6, {9, 1996}},
        {7, 1997, 59, {6, 2002}},  {5, 1997, 0, {5, 1997}},  {1, 1997, -12, {1, 1996}},
        {1, 1997, -13, {12, 1995}}, {12, 1997, 12, {12, 1998}}, {6, 2000, -30, {12, 1997}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year << " " << c.offset);
        EXPECT_EQ(ShiftMonth(c.month, c.year, c.offset), c.expected);
    }
}

TEST(Dates, TimesOfDay)
{
    int h = -1, m = -1;
    DecodeTime(EncodeTime(8, 0), h, m);
    EXPECT_EQ(h, 8);
    EXPECT_EQ(m, 0);
    DecodeTime(1.0 + EncodeTime(23, 59), h, m); // whole days are ignored
    EXPECT_EQ(h, 23);
    EXPECT_EQ(m, 59);
}

TEST(Types, EnumerationOrdinalsAndNames)
{
    EXPECT_EQ(loFullCalendar, 0);
    EXPECT_EQ(LOFullCalendarLS, 1);
    EXPECT_EQ(lopMC6Month, 8);
    EXPECT_EQ(loMC60MonthLS, 17);
    EXPECT_EQ(loDay15, 21);
    EXPECT_EQ(cbTopBottom, 4);
    EXPECT_EQ(mllMinimal, 2);
    EXPECT_EQ(cnpUpperRight, 1);
    EXPECT_EQ(LayoutName(1), "LOFullCalendarLS");
    EXPECT_EQ(LayoutName(8), "lopMC6Month");
    EXPECT_EQ(LayoutFromName("lofc12after"), loFC12After);
    EXPECT_EQ(LayoutFromName("nonsense"), -1);
    EXPECT_TRUE(LayoutName(22).isEmpty());
}

TEST(Types, Colours)
{
    EXPECT_EQ(ColorFromRgb(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(ToQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_LT(clWindowText, 0);
    EXPECT_EQ(ToQColor(clWindowText), QColor(Qt::black));
    EXPECT_EQ(ToQColor(clWindow), QColor(Qt::white));
}
