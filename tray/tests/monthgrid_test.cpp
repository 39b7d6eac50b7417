#include "monthgridlayout.h"
#include "monthgridpainter.h"
#include "traydate.h"
#include "traytestutil.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ql;

namespace {

const GridRect WindowGrid{0, 0, 328, 164}; // the window's grid at 96 pixels per inch

MonthGridLayout layoutOf(int year, int month, int startOfWeek, const GridRect &rect = WindowGrid)
{
    return LayoutTrayMonth(rect, MinimumTitleHeight(96), FontPixelHeight(10, 96), year, month,
                           startOfWeek);
}

int cellOfDay(const MonthGridLayout &g, int day)
{
    for (int i = 0; i < 42; ++i) {
        if (g.Cells[i].Day == day)
            return i;
    }
    return -1;
}

} // namespace

TEST(MonthGridLayout, WorkedExampleOfTheWindowGrid)
{
    EXPECT_EQ(FontPixelHeight(10, 96), 13);
    EXPECT_EQ(FontPixelHeight(16, 96), 21);
    EXPECT_EQ(MinimumTitleHeight(96), 24);
    EXPECT_EQ(MinimumTitleHeight(120), 30);

    const MonthGridLayout g = layoutOf(1997, 1, 1);
    EXPECT_EQ(g.Title, (GridRect{0, 1, 327, 28})); // 27 pixels, one below the top
    EXPECT_EQ(g.TitleFill, (GridRect{0, 1, 327, 29}));
    EXPECT_EQ(g.HeaderFill, (GridRect{0, 29, 327, 49})); // 19 pixels of band, filled one more
    EXPECT_EQ(g.ColumnWidth, 46);
    EXPECT_EQ(g.RowHeight, 19);
    EXPECT_EQ(g.GridTop, 48);
    EXPECT_EQ(g.HeaderCells[0], (GridRect{1, 29, 45, 48}));
    EXPECT_EQ(g.HeaderCells[6], (GridRect{277, 29, 321, 48}));
    EXPECT_EQ(g.Cells[0].Rect, (GridRect{1, 49, 46, 67}));
    EXPECT_EQ(g.Cells[1].Rect, (GridRect{47, 49, 92, 67}));
    EXPECT_EQ(g.Cells[6].Rect, (GridRect{277, 49, 327, 67})); // the last column reaches 327
    EXPECT_EQ(g.Cells[41].Rect, (GridRect{277, 144, 327, 162}));
    // January 1997 starts on a Wednesday.
    EXPECT_EQ(g.Cells[3].Day, 1);
    EXPECT_EQ(g.Cells[2].Day, 0);
    EXPECT_EQ(g.Cells[33].Day, 31);
    EXPECT_EQ(g.Cells[34].Day, 0);
}

TEST(MonthGridLayout, TitleBandNeverGetsLowerThanAQuarterInch)
{
    const MonthGridLayout small = layoutOf(1997, 1, 1, {0, 0, 140, 100});
    EXPECT_EQ(small.Title, (GridRect{0, 1, 139, 25})); // Trunc(99 x 0.17) = 16 < 24
    const MonthGridLayout tall = layoutOf(1997, 1, 1, {0, 0, 328, 400});
    EXPECT_EQ(tall.Title.Bottom - tall.Title.Top, 67); // Trunc(399 x 0.17)
}

TEST(MonthGridLayout, WeekStartPlacesDaysAndDayNames)
{
    struct Case
    {
        const char *name;
        int year, month, startOfWeek, day, row, column;
    } cases[] = {
        // January 2022 starts on a Saturday and has 31 days.
        {"Sunday first, Saturday the 1st", 2022, 1, 1, 1, 0, 6},
        {"Sunday first, 31st", 2022, 1, 1, 31, 5, 1},
        {"Monday first, Saturday the 1st", 2022, 1, 2, 1, 0, 5},
        // January 2023 starts on a Sunday.
        {"Monday first, Sunday the 1st", 2023, 1, 2, 1, 0, 6},
        {"Sunday first, Sunday the 1st", 2023, 1, 1, 1, 0, 0},
        {"other week start means Monday", 2023, 1, 7, 1, 0, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const MonthGridLayout g = layoutOf(c.year, c.month, c.startOfWeek);
        EXPECT_EQ(cellOfDay(g, c.day), 7 * c.row + c.column);
    }
    const std::array<int, 7> sundayFirst{1, 2, 3, 4, 5, 6, 7};
    const std::array<int, 7> mondayFirst{2, 3, 4, 5, 6, 7, 1};
    EXPECT_EQ(layoutOf(2022, 1, 1).HeaderDayNumbers, sundayFirst);
    EXPECT_EQ(layoutOf(2022, 1, 2).HeaderDayNumbers, mondayFirst);
}

TEST(MonthGridLayout, DayAtPointSkipsBandsBlanksEdgesAndTheStrip)
{
    const MonthGridLayout g = layoutOf(1997, 1, 1); // 1 January in cell 3
    struct Case
    {
        const char *name;
        QPoint point;
        int day;
    } cases[] = {
        {"title band", {160, 10}, 0},
        {"day names", {160, 35}, 0},
        {"blank cell before the 1st", {10, 55}, 0},
        {"first day", {150, 55}, 1},
        {"cell's left edge belongs to it", {139, 49}, 1},
        {"gap column between cells", {138, 55}, 0},
        {"cell's right edge is outside", {184, 55}, 0},
        {"last column's right edge", {326, 110}, 25},
        {"bottom strip below the rows", {150, 162}, 0},
        {"31st", {250, 140}, 31},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DayAtPoint(g.Cells, c.point), c.day);
    }
    std::array<TCalendarCellInfo, 42> unpainted{};
    EXPECT_EQ(DayAtPoint(unpainted, {150, 55}), 0);
}

namespace {

TCalendarAttributes paintedMonth(QImage &image, int selectedDay, int noteDay)
{
    TCalendarAttributes a;
    a.Year = 1997;
    a.Month = 1;
    a.Rect = WindowGrid;
    a.SelectedDay = selectedDay;
    a.BackgroundColor = a.TitleBGColor = QColor(0xC0, 0xC0, 0xC0);
    a.NotesFlags[noteDay - 1] = true;
    for (int i = 0; i < 12; ++i)
        a.MonthNames[i] = QStringLiteral("Month%1").arg(i + 1);
    for (int i = 0; i < 7; ++i)
        a.DayNames[i] = QStringLiteral("Day%1").arg(i + 1);
    image = QImage(328, 164, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    DrawTrayCalendar(painter, a, 96);
    return a;
}

bool hasPixel(const QImage &image, const GridRect &r, bool (*test)(QColor))
{
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            if (test(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

} // namespace

TEST(MonthGridPainter, DrawsBandsFrameAndNoteColourWhereTheLayoutSays)
{
    QImage image;
    const TCalendarAttributes a = paintedMonth(image, 15, 9);
    const MonthGridLayout g = layoutOf(1997, 1, 1);
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(a.Cells[i], g.Cells[i]) << "cell " << i;

    const QColor grey(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(image.pixelColor(0, 0), grey);     // the whole grid is filled
    EXPECT_EQ(image.pixelColor(327, 163), grey); // including the last row and column
    EXPECT_EQ(image.pixelColor(0, 29), QColor(Qt::black));  // header band
    EXPECT_EQ(image.pixelColor(326, 48), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 49), grey);    // no cell lines
    EXPECT_EQ(image.pixelColor(46, 100), grey);

    const GridRect selected = a.Cells[17].Rect; // 15 January
    ASSERT_EQ(a.Cells[17].Day, 15);
    const QColor black(Qt::black);
    EXPECT_EQ(image.pixelColor(selected.Left + 1, selected.Top + 1), black);
    EXPECT_EQ(image.pixelColor(selected.Right - 2, selected.Bottom - 2), black);
    EXPECT_EQ(image.pixelColor(selected.Right - 2, selected.Top + 1), black);
    EXPECT_EQ(image.pixelColor(selected.Left, selected.Top), grey);
    EXPECT_EQ(image.pixelColor(selected.Right - 1, selected.Bottom - 1), grey);
    EXPECT_EQ(image.pixelColor(selected.Left + 2, selected.Top + 2), grey);

    auto reddish = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    EXPECT_TRUE(hasPixel(image, a.Cells[11].Rect, reddish));  // 9 January has a note
    EXPECT_FALSE(hasPixel(image, a.Cells[12].Rect, reddish)); // 10 January has none
    auto dark = [](QColor c) { return c.lightness() < 60; };
    EXPECT_TRUE(hasPixel(image, a.Cells[12].Rect, dark));     // but its number is drawn
    EXPECT_FALSE(hasPixel(image, a.Cells[2].Rect, dark));     // a blank cell stays empty
}
