#include "canvas.h"
#include "planners.h"
#include "testutil.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ql;

namespace {

const MonthDayNames &english()
{
    static const MonthDayNames names = LocaleMonthDayNames(QLocale(QLocale::English));
    return names;
}

QImage blankImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

} // namespace

TEST(Planners, WeekTitles)
{
    struct Case
    {
        int y, m, d, days;
        const char *title;
    } cases[] = {
        {1997, 1, 5, 7, "January 5-11, 1997"},
        {1997, 12, 29, 7, "December 29, 1997 - January 4, 1998"},
        {1997, 1, 27, 7, "January 27 - February 2, 1997"},
        {1997, 1, 5, 14, "January 5-18, 1997"},
        {1997, 1, 20, 14, "January 20 - February 2, 1997"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(WeekPlannerTitle(c.y, c.m, c.d, c.days, english()), QString::fromLatin1(c.title));
    }
    EXPECT_EQ(DayPlannerTitle(1997, 1, 5, english()), "Sunday, January 5, 1997");
}

TEST(Planners, AddMinutes)
{
    EXPECT_DOUBLE_EQ(AddMinutes(60, 0.5), 0.5 + 60 * 0.000694445);
    EXPECT_EQ(AddMinutes(-60, 0.01), 0.0); // a negative sum gives 0
}

TEST(Planners, TimeLabels)
{
    const QLocale c(QLocale::English, QLocale::UnitedStates);
    struct Case
    {
        int h, m;
        const char *label;
    } cases[] = {{8, 0, "8:00 AM"}, {0, 5, "12:05 AM"}, {12, 0, "12:00 PM"}, {22, 30, "10:30 PM"}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.label);
        EXPECT_EQ(PlannerTimeLabel(EncodeTime(k.h, k.m), c), QString::fromLatin1(k.label));
    }
    // Fifteen hours from 8:00 end at 10:00 in the evening; from 20:00 they pass
    // midnight and go on from 12 in the morning.
    TTime t = EncodeTime(8, 0);
    for (int i = 0; i < 14; ++i)
        t = AddMinutes(60, t);
    EXPECT_EQ(PlannerTimeLabel(t, c), "10:00 PM");
    t = EncodeTime(20, 0);
    for (int i = 0; i < 4; ++i)
        t = AddMinutes(60, t);
    EXPECT_EQ(PlannerTimeLabel(t, c), "12:00 AM");
}

TEST(Planners, GridWorkedExample)
{
    QImage img = blankImage(401, 301);
    TCalendarAttributes a;
    a.Rect = {0, 0, 401, 301};
    a.TitleFontSize = 12;
    a.HeadersFontSize = 8;
    QPainter p(&img);
    SetCanvasFont(p, a.TitleFontName, a.TitleFontSize, a.TitleFontStyle, a.TitleFontColor);
    const int th = TextHeight(p, QStringLiteral("Weekly Planner"));
    QStringList labels, subs;
    for (int i = 0; i < 8; ++i) {
        labels << QStringLiteral("L");
        subs << QString();
    }
    DrawPlannerGrid(p, a, 8, QStringLiteral("Title"), labels, subs);
    p.end();

    // With a title line of th pixels: title (5, 1, 395, 1 + th), GT = th + 2.
    const int GT = th + 2;
    const int RH = (300 - GT) / 8;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.Cells[static_cast<size_t>(i)].FreeRect, (TRect{64, GT + i * RH + 4, 396, GT + (i + 1) * RH - 4}));
        EXPECT_EQ(a.Cells[static_cast<size_t>(i)].Rect, a.Cells[static_cast<size_t>(i)].FreeRect);
        EXPECT_EQ(a.Cells[static_cast<size_t>(i)].Day, 0);
    }
    // The notes row takes the remainder and ends 4 pixels above the bottom line.
    EXPECT_EQ(a.Cells[7].FreeRect, (TRect{64, GT + 7 * RH + 4, 396, 296}));
    EXPECT_TRUE(a.Cells[8].Rect.isAllZero());
    // Separators across the label column too, the label column line at 60 and
    // the table outlined inside its half-open area (right edge 399, bottom 299).
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(img.pixelColor(2, GT + i * RH), QColor(Qt::black)) << i;
    EXPECT_EQ(img.pixelColor(60, GT + 5), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(399, GT + 5), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(200, 299), QColor(Qt::black));
    EXPECT_NE(img.pixelColor(400, GT + 5), QColor(Qt::black));
    if (th == 19) { // the worked example's numbers
        EXPECT_EQ(GT, 21);
        EXPECT_EQ(a.Cells[0].FreeRect, (TRect{64, 25, 396, 51}));
        EXPECT_EQ(a.Cells[7].FreeRect, (TRect{64, 263, 396, 296}));
    }
}

TEST(Planners, WeekAndDayPlannersWriteOnlyTheirRows)
{
    QImage img = blankImage(816, 1056);
    QPainter p(&img);
    TCalendarAttributes a;
    a.Rect = {26, 26, 790, 1030};
    a.Names = english();
    a.Year = 1997;
    a.Month = 1;
    a.Day = 5;
    a.DayCount = 14;
    for (auto &c : a.Cells)
        c.Rect = {1, 1, 2, 2}; // stale entries that must survive
    DrawWeekPlanner(p, a);
    EXPECT_FALSE(a.Cells[14].FreeRect.isAllZero()); // the 15th row: notes
    EXPECT_EQ(a.Cells[15].Rect, (TRect{1, 1, 2, 2}));

    a.HourCount = 15;
    a.StartTime = EncodeTime(8, 0);
    DrawDayPlanner(p, a, QLocale(QLocale::English));
    EXPECT_FALSE(a.Cells[15].FreeRect.isAllZero()); // 16 rows
    EXPECT_EQ(a.Cells[16].Rect, (TRect{1, 1, 2, 2}));
    EXPECT_EQ(a.Cells[15].FreeRect.Bottom, 1029 - 4);
}
