#include "canvas.h"
#include "monthcalendar.h"
#include "testutil.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ql;

namespace {

QImage blankImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780); // 96 pixels per inch
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

TCalendarAttributes workedExample()
{
    TCalendarAttributes a;
    a.Rect = {0, 0, 141, 121};
    a.MinTitleHeight = 0;
    a.Month = 1;
    a.Year = 1997;
    a.StartOfWeek = 1;
    a.HeadersFontSize = 8; // 11 pixels at 96 pixels per inch
    a.TitleFontSize = 6;
    a.CellFontSize = 6;
    a.CalendarBorder = cbNone;
    a.HeadersBorder = cbNone;
    a.CellBorder = cbAll;
    a.NumberPosition = cnpCenter;
    a.Names = LocaleMonthDayNames(QLocale(QLocale::English));
    return a;
}

bool black(const QImage &img, int x, int y)
{
    return img.pixelColor(x, y) == QColor(Qt::black);
}

} // namespace

TEST(MonthCalendar, WorkedExampleCells)
{
    QImage img = blankImage(141, 121);
    TCalendarAttributes a = workedExample();
    {
        QPainter p(&img);
        DrawMonthCalendar(p, a);
    }
    // Title (0, 1, 140, 21), header band 22..38, GT 38, rows of 13, columns of 20.
    EXPECT_EQ(a.Cells[0].Rect, (TRect{1, 39, 19, 50}));
    EXPECT_EQ(a.Cells[8].Rect, (TRect{21, 52, 39, 63}));
    EXPECT_EQ(a.Cells[41].Rect, (TRect{121, 104, 139, 115}));
    // January 1997 starts on a Wednesday: cell 4 is the 1st, cell 34 the 31st.
    EXPECT_EQ(a.Cells[2].Day, 0);
    EXPECT_EQ(a.Cells[3].Day, 1);
    EXPECT_EQ(a.Cells[33].Day, 31);
    EXPECT_EQ(a.Cells[34].Day, 0);
    for (const auto &c : a.Cells)
        EXPECT_TRUE(c.FreeRect.isAllZero()); // centred numbers keep no free area
}

TEST(MonthCalendar, WorkedExampleLines)
{
    QImage img = blankImage(141, 121);
    TCalendarAttributes a = workedExample();
    {
        QPainter p(&img);
        DrawMonthCalendar(p, a);
    }
    // Horizontal lines at 38, 51, 64, 77, 90, 103 and 120; none between them.
    for (int y : {38, 51, 64, 77, 90, 103, 120}) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(black(img, 10, y));
        EXPECT_TRUE(black(img, 0, y));
        EXPECT_TRUE(black(img, 139, y));
    }
    EXPECT_FALSE(black(img, 10, 116)); // no line in the remainder below row 5
    // Vertical lines at 0, 20, ... 120 and 140.
    for (int x : {0, 20, 40, 60, 80, 100, 120, 140}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(black(img, x, 45));
        EXPECT_TRUE(black(img, x, 119));
    }
    // A line never covers its end point: the corner (140, 120) stays white
    // when there is no outline, and nothing is drawn above the grid top.
    EXPECT_FALSE(black(img, 140, 120));
    EXPECT_FALSE(black(img, 20, 37));
}

TEST(MonthCalendar, CellBorderStylesChooseHorizontalLines)
{
    struct Case
    {
        TCalBorderStyle style;
        bool top, bottom, vertical;
    } cases[] = {
        {cbNone, false, false, false},   {cbAll, true, true, true},       {cbTop, true, false, false},
        {cbBottom, false, true, false}, {cbTopBottom, true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.style));
        QImage img = blankImage(141, 121);
        TCalendarAttributes a = workedExample();
        a.CellBorder = c.style;
        QPainter p(&img);
        DrawMonthCalendar(p, a);
        p.end();
        EXPECT_EQ(black(img, 10, 38), c.top);    // line 0
        EXPECT_EQ(black(img, 10, 51), c.style != cbNone);  // lines 1 to 5 come with every style
        EXPECT_EQ(black(img, 10, 103), c.style != cbNone);
        EXPECT_EQ(black(img, 10, 120), c.bottom); // line 6
        EXPECT_EQ(black(img, 20, 45), c.vertical);
    }
}

TEST(MonthCalendar, UpperRightNumbersLeaveAFreeAreaInEveryCell)
{
    QImage img = blankImage(700, 600);
    TCalendarAttributes a = workedExample();
    a.Rect = {0, 0, 701, 601};
    a.NumberPosition = cnpUpperRight;
    a.CellFontSize = 16;
    QPainter p(&img);
    DrawMonthCalendar(p, a);
    SetCanvasFont(p, a.CellFontName, 16, a.CellFontStyle, a.CellFontColor);
    const int numberLine = TextHeight(p, QStringLiteral("9"));
    p.end();
    ASSERT_GT(numberLine, 10);
    // Cells are inset by 4 on the left and 5 on the right; outside the month too.
    const TCalendarCellInfo &first = a.Cells[0];
    EXPECT_EQ(first.Day, 0);
    EXPECT_EQ(first.Rect.Left, 1 + 4);
    EXPECT_EQ(first.Rect.Right, 100 - 1 - 5);
    for (const auto &c : a.Cells) {
        EXPECT_EQ(c.FreeRect.Left, c.Rect.Left);
        EXPECT_EQ(c.FreeRect.Right, c.Rect.Right);
        EXPECT_EQ(c.FreeRect.Bottom, c.Rect.Bottom);
        EXPECT_EQ(c.FreeRect.Top, c.Rect.Top + numberLine);
    }
    // The number of the 1st (cell 4) is drawn in its upper right corner.
    const TRect &r = a.Cells[3].Rect;
    bool inked = false;
    for (int y = r.Top; y < r.Top + numberLine; ++y)
        for (int x = r.Right - numberLine; x < r.Right; ++x)
            inked = inked || img.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
}

TEST(MonthCalendar, MondayWeeksAndLongMonths)
{
    QImage img = blankImage(300, 300);
    TCalendarAttributes a = workedExample();
    a.Rect = {0, 0, 300, 300};
    // June 1997 starts on a Sunday: the last column of the first row with Monday weeks.
    a.Month = 6;
    a.StartOfWeek = 2;
    QPainter p(&img);
    DrawMonthCalendar(p, a);
    EXPECT_EQ(a.Cells[6].Day, 1);
    EXPECT_EQ(a.Cells[5].Day, 0);
    // March 1997 (31 days) from a Saturday with Sunday weeks uses the sixth row.
    a.Month = 3;
    a.StartOfWeek = 1;
    DrawMonthCalendar(p, a);
    EXPECT_EQ(a.Cells[36].Day, 31);
    EXPECT_EQ(a.Cells[35].Day, 30);
    EXPECT_EQ(a.Cells[6].Day, 1);
}

TEST(MonthCalendar, MinimumTitleHeightWins)
{
    QImage img = blankImage(141, 121);
    TCalendarAttributes a = workedExample();
    a.MinTitleHeight = 40;
    QPainter p(&img);
    DrawMonthCalendar(p, a);
    // Header band from 42 to 58, rows of (120 - 58) / 6 = 10.
    EXPECT_EQ(a.Cells[0].Rect, (TRect{1, 59, 19, 67}));
    EXPECT_EQ(MonthTitleHeight(0, 120, 0), 20);
    EXPECT_EQ(MonthTitleHeight(0, 120, 21), 21);
}

TEST(MonthCalendar, TinyRectangleDoesNotFail)
{
    QImage img = blankImage(20, 20);
    TCalendarAttributes a = workedExample();
    a.Rect = {2, 2, 8, 8};
    QPainter p(&img);
    DrawMonthCalendar(p, a);
    EXPECT_LT(a.Cells[0].Rect.width(), 0); // column width 0
}

TEST(MonthCalendar, HeaderTexts)
{
    EXPECT_EQ(ShortDayName("Wednesday", dsFirstChar), "W");
    EXPECT_EQ(ShortDayName("Wednesday", dsThreeChars), "Wed");
    EXPECT_EQ(ShortDayName("Wednesday", dsWhole), "Wednesday");
    EXPECT_EQ(ShortDayName("Mi", dsThreeChars), "Mi");
}

TEST(Canvas, BorderLinesAndFills)
{
    QImage img = blankImage(20, 20);
    QPainter p(&img);
    DrawBorderLines(p, {2, 2, 10, 10}, cbAll);
    FillSolid(p, {12, 12, 12, 18}, clBlack); // empty: nothing
    FillSolid(p, {14, 14, 16, 16}, clBlack);
    p.end();
    // The closed outline covers all four corners.
    for (QPoint pt : {QPoint(2, 2), QPoint(10, 2), QPoint(10, 10), QPoint(2, 10)})
        EXPECT_TRUE(black(img, pt.x(), pt.y())) << pt.x() << "," << pt.y();
    EXPECT_FALSE(black(img, 5, 5));
    EXPECT_FALSE(black(img, 12, 14));
    EXPECT_TRUE(black(img, 15, 15));
    EXPECT_FALSE(black(img, 16, 15)); // fills are half-open
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(16, 96, 72), 21);
    EXPECT_EQ(MulDiv(26, 600, 72), 217);
}

TEST(Canvas, PageFontsResolveToMetricCompatibleFaces)
{
    // Pages name the classic faces; the Liberation fonts stand in for them
    // with the same widths, so text fits the cells as it was designed.
    QImage img = blankImage(10, 10);
    QPainter p(&img);
    SetCanvasFont(p, QStringLiteral("Times New Roman"), 16, fsBold, clBlack);
    EXPECT_EQ(QFontInfo(p.font()).family(), QStringLiteral("Liberation Serif"));
    SetCanvasFont(p, QStringLiteral("Arial"), 16, 0, clBlack);
    EXPECT_EQ(QFontInfo(p.font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(p.font()).pixelSize(), 21);
}
