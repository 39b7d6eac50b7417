#include "calendarpanel.h"
#include "pagelayout.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace ql;

namespace {

LayoutResult layoutOf(int layout, int paper = 0, int month = 1, int year = 1997, int ppi = 96)
{
    LayoutInput in;
    in.Layout = layout;
    in.PaperSize = paper;
    in.Month = month;
    in.Year = year;
    return ComputePageLayout(in, ppi);
}

} // namespace

TEST(Layout, InchesToPixelsRoundsTheSumToSinglePrecision)
{
    EXPECT_EQ(InchesToPixels(0.25f, 96), 24);
    // 0.25 + 1.3 held in single precision is just below 1.55: 148, not 148.8 rounded up.
    EXPECT_EQ(InchesToPixels(InchSum(0.25f, 1.3), 96), 148);
    EXPECT_EQ(InchesToPixels(InchSum(0.25f, 2.9), 96), 302);
    EXPECT_EQ(InchesToPixels(1.3f, 96), 124);
}

TEST(Layout, PageSizes)
{
    struct Case
    {
        int layout, paper, ppi, w, h;
    } cases[] = {
        {loFullCalendar, 0, 96, 816, 1056},   {loFullCalendar, 1, 96, 793, 1122},
        {loFullCalendar, 0, 120, 1020, 1320}, {loFullCalendar, 1, 120, 992, 1402},
        {LOFullCalendarLS, 0, 96, 1056, 816}, {LOFullCalendarLS, 1, 96, 1122, 793},
        {loWeek, 0, 96, 816, 1056},           {loDay15, 1, 96, 793, 1122},
        {loMC60MonthLS, 7, 96, 1122, 793}, // any paper code but 0 is A4
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout << " paper " << c.paper << " @" << c.ppi);
        const LayoutResult r = layoutOf(c.layout, c.paper, 1, 1997, c.ppi);
        EXPECT_EQ(r.PageWidth, c.w);
        EXPECT_EQ(r.PageHeight, c.h);
    }
}

TEST(Layout, OrientationAndFlagsByLayout)
{
    for (int lo = 0; lo < kLayoutCount; ++lo) {
        SCOPED_TRACE(lo);
        const LayoutResult r = layoutOf(lo);
        EXPECT_EQ(r.Orientation, (lo % 2 == 1 && lo <= 17) ? coLandscape : coPortrait);
        EXPECT_EQ(r.ShowMainCalendar, lo <= 7);
        EXPECT_EQ(r.ShowMiniCalendars, lo >= 2 && lo <= 17);
        EXPECT_EQ(r.ShowPlanner, lo >= 18);
    }
}

TEST(Layout, MainRectangles)
{
    struct Case
    {
        int layout;
        TRect main;
    } cases[] = {
        {loFullCalendar, {26, 26, 790, 1030}},
        {LOFullCalendarLS, {26, 26, 1030, 790}},
        {loFCMinisInTitle, {26, 26, 790, 1030}},
        {loFC6Before6After, {26, 150, 790, 906}},
        {loFC6Before6AfterLS, {152, 26, 904, 790}},
        {loFC12After, {26, 26, 790, 752}},
        {loFC12AfterLS, {26, 26, 1030 - 278, 790}},
        {loWeek, {26, 26, 790, 1030}},
        {loDay10, {26, 26, 790, 1030}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(LayoutName(c.layout).toStdString());
        EXPECT_EQ(layoutOf(c.layout).MainRect, c.main);
    }
}

TEST(Layout, MinisInTitle)
{
    const LayoutResult r = layoutOf(loFCMinisInTitle, 0, 12, 1997);
    ASSERT_EQ(r.MiniCount, 2);
    EXPECT_EQ(r.MiniRects[0], (TRect{38, 38, 158, 158}));
    EXPECT_EQ(r.MiniRects[1], (TRect{658, 38, 778, 158}));
    EXPECT_EQ(r.MiniMonths[0], (MonthYear{11, 1997}));
    EXPECT_EQ(r.MiniMonths[1], (MonthYear{1, 1998}));
    EXPECT_EQ(r.MiniFontSize, 10);
}

TEST(Layout, SixBeforeSixAfter)
{
    const LayoutResult r = layoutOf(loFC6Before6After, 0, 1, 1997);
    ASSERT_EQ(r.MiniCount, 12);
    const int lefts[5] = {26, 154, 282, 410, 538};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(r.MiniRects[static_cast<size_t>(k)], (TRect{lefts[k], 26, lefts[k] + 121, 146})) << k + 1;
    EXPECT_EQ(r.MiniRects[5], (TRect{669, 26, 790, 146}));
    // Bottom band (26, 910, 790, 1030).
    EXPECT_EQ(r.MiniRects[6], (TRect{26, 910, 147, 1030}));
    EXPECT_EQ(r.MiniRects[11], (TRect{669, 910, 790, 1030}));
    // July to December 1996, then February to July 1997.
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(r.MiniMonths[static_cast<size_t>(k - 1)], (MonthYear{6 + k, 1996})) << k;
    for (int k = 7; k <= 12; ++k)
        EXPECT_EQ(r.MiniMonths[static_cast<size_t>(k - 1)], (MonthYear{k - 5, 1997})) << k;
}

TEST(Layout, TwelveAfter)
{
    const LayoutResult r = layoutOf(loFC12After);
    EXPECT_EQ(r.MiniRects[0], (TRect{26, 766, 147, 897}));
    EXPECT_EQ(r.MiniRects[6], (TRect{26, 899, 147, 1030}));
    EXPECT_EQ(r.MiniRects[11], (TRect{669, 899, 790, 1030}));
    EXPECT_EQ(r.MiniMonths[0], (MonthYear{2, 1997}));
    EXPECT_EQ(r.MiniMonths[11], (MonthYear{1, 1998}));
}

TEST(Layout, MiniGridPages)
{
    struct Case
    {
        int layout, count, fontSize;
        int k;
        TRect rect;
    } cases[] = {
        {loMC12Month, 12, 18, 1, {26, 26, 276, 269}},
        {loMC12Month, 12, 18, 12, {540, 787, 790, 1030}},
        {loMC60Month, 60, 8, 60, {669, 939, 790, 1030}},
        {lopMC6Month, 6, 18, 6, {412, 702, 790, 1030}},
        {loMC24Month, 24, 12, 24, {0, 0, 0, 0}},
        {loMC48Month, 48, 10, 48, {0, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(LayoutName(c.layout).toStdString());
        const LayoutResult r = layoutOf(c.layout);
        EXPECT_EQ(r.MiniCount, c.count);
        EXPECT_EQ(r.MiniFontSize, c.fontSize);
        EXPECT_EQ(r.MiniMonths[0], (MonthYear{1, 1997}));
        if (!c.rect.isAllZero()) {
            EXPECT_EQ(r.MiniRects[static_cast<size_t>(c.k - 1)], c.rect);
        }
        // The last mini always closes on the content rectangle's corner.
        EXPECT_EQ(r.MiniRects[static_cast<size_t>(c.count - 1)].Right, 790);
        EXPECT_EQ(r.MiniRects[static_cast<size_t>(c.count - 1)].Bottom, 1030);
    }
}

TEST(Layout, PlaceMiniGridPushesLastRowAndColumnToTheEdges)
{
    std::array<TRect, kMaxMinis> rects{};
    // 10 x 6 in (26, 26, 790, 1030): CellH 91, CellW 121, gaps 10 and 7.
    PlaceMiniGrid(10, 6, {26, 26, 790, 1030}, 1, 60, rects);
    EXPECT_EQ(rects[0], (TRect{26, 26, 147, 117}));
    EXPECT_EQ(rects[1], (TRect{154, 26, 275, 117}));
    EXPECT_EQ(rects[6], (TRect{26, 127, 147, 218}));
    EXPECT_EQ(rects[59], (TRect{669, 939, 790, 1030}));
    // Only first..last are written.
    std::array<TRect, kMaxMinis> few{};
    PlaceMiniGrid(2, 6, {0, 0, 600, 200}, 7, 9, few);
    EXPECT_TRUE(few[5].isAllZero());
    EXPECT_FALSE(few[6].isAllZero());
    EXPECT_TRUE(few[9].isAllZero());
}

TEST(Layout, PanelKeepsMiniStateWhenLayoutHasNone)
{
    TCalendarPanel page;
    page.SetCalendarLayout(loMC60Month);
    page.SetCalendarLayout(loFullCalendar);
    EXPECT_EQ(page.MiniCount(), 60);
    EXPECT_FALSE(page.ShowMiniCalendars());
}

TEST(Layout, ControlSizeFollowsMagnification)
{
    TCalendarPanel page;
    page.SetMagnification(70);
    EXPECT_EQ(page.ControlSize(), QSize(571, 739));
    page.SetMagnification(50);
    EXPECT_EQ(page.ControlSize(), QSize(408, 528));
    page.SetMagnification(100);
    EXPECT_EQ(page.ControlSize(), QSize(816, 1056));
}

TEST(Layout, ResetMiniFontsAppliesTheLayoutSizes)
{
    TCalendarPanel page;
    page.SetCalendarLayout(loMC24Month);
    EXPECT_EQ(page.MiniTitleFont().Size, 6); // a setter does not reset the sizes
    page.LayoutPage(true);
    EXPECT_EQ(page.MiniTitleFont().Size, 12);
    EXPECT_EQ(page.MiniHeadersFont().Size, 9);
    EXPECT_EQ(page.MiniCellFont().Size, 9);
    page.SetMiniFontSizes(18);
    EXPECT_EQ(page.MiniHeadersFont().Size, 14);
}
