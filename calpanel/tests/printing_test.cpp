#include "calendarpanel.h"
#include "printermargins.h"
#include "testutil.h"

#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace ql;

namespace {

// A Letter sheet at 600 dpi whose printable area starts `inset` pixels from every edge.
PrinterPageGeometry letterPrinter(int inset, bool landscape = false)
{
    PrinterPageGeometry p;
    p.PhysicalWidth = landscape ? 6600 : 5100;
    p.PhysicalHeight = landscape ? 5100 : 6600;
    p.OffsetX = inset;
    p.OffsetY = inset;
    p.PrintableWidth = p.PhysicalWidth - 2 * inset;
    p.PrintableHeight = p.PhysicalHeight - 2 * inset;
    return p;
}

} // namespace

TEST(Printing, PrinterRectanglesAreMeasuredFromThePaperEdge)
{
    const PrinterMetrics m{600, 600, 150, 150};
    EXPECT_EQ(TCalendarPanel::PrinterRect({26, 26, 790, 1030}, m), (TRect{12, 12, 4787, 6287}));
    const PrinterMetrics odd{300, 600, 0, 40};
    EXPECT_EQ(TCalendarPanel::PrinterRect({96, 96, 97, 97}, odd), (TRect{300, 560, 303, 566}));
}

TEST(Printing, PrintedPageUsesTruePointSizesAndAnInchAndAHalfTitle)
{
    TCalendarPanel page;
    page.SetMagnification(30); // printing ignores the zoom
    QImage sheet(5100, 6600, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(600 / 0.0254));
    sheet.setDotsPerMeterY(qRound(600 / 0.0254));
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    page.PrintPage(p, {600, 600, 0, 0});
    p.end();
    // Main rectangle (26, 26, 790, 1030) lands at (162, 162, 4937, 6437); the
    // title band is at least 900 printer pixels, so the grid starts below it.
    const TCalendarCellInfo &first = page.MainAttributes().Cells[0];
    EXPECT_EQ(first.Rect.Left, 162 + 1 + 4);
    EXPECT_GT(first.Rect.Top, 162 + 900);
    EXPECT_EQ(sheet.pixelColor(162, 3000), QColor(Qt::black)); // the outline
    // The cell entries hold printer positions until the next paint.
    page.PaintImage();
    EXPECT_LT(page.MainAttributes().Cells[0].Rect.Top, 300);
}

TEST(Printing, ContentsPrintOnlyWhereThereIsAFreeArea)
{
    TCalendarPanel page;
    QTextCursor(&page.CellStorage(10).document()).insertText(QStringLiteral("WWWWWWWW"));
    QImage sheet(1700, 2200, QImage::Format_RGB32); // 200 dpi
    sheet.setDotsPerMeterX(qRound(200 / 0.0254));
    sheet.setDotsPerMeterY(qRound(200 / 0.0254));
    auto inkIn = [&](const TRect &r) {
        int ink = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                ink += qGray(sheet.pixel(x, y)) < 128;
        return ink;
    };
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        page.PrintPage(p, {200, 200, 0, 0});
    }
    const TRect free = page.MainAttributes().Cells[9].FreeRect;
    EXPECT_GT(inkIn(free), 20);

    page.SetNumberPosition(cnpCenter);
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        page.PrintPage(p, {200, 200, 0, 0});
    }
    const TRect cell = page.MainAttributes().Cells[9].Rect;
    EXPECT_EQ(inkIn({cell.Left, cell.Top, cell.Left + 40, cell.Bottom}), 0);
}

TEST(Printing, DayPlannerImageStartsAtEightWhateverTheStartTime)
{
    TCalendarPanel page;
    page.SetCalendarLayout(loDay10);
    page.SetMainCalDay(5);
    page.SetStartTime(EncodeTime(9, 0));
    const QImage shown = page.PaintImage();
    const QImage exported = page.RenderPageImage();
    page.SetStartTime(EncodeTime(8, 0));
    EXPECT_EQ(exported, page.PaintImage());
    EXPECT_NE(shown, exported);
    EXPECT_EQ(exported.size(), QSize(816, 1056));
}

TEST(Printing, MarginCheck)
{
    struct Case
    {
        const char *name;
        PrinterPageGeometry printer;
        std::array<float, 4> margins;
        std::array<bool, 4> outside;
    } cases[] = {
        {"quarter-inch strips, half-inch margins", letterPrinter(150), {0.5f, 0.5f, 0.5f, 0.5f}, {}},
        {"left margin too narrow", letterPrinter(150), {0.2f, 0.5f, 0.5f, 0.5f}, {true, false, false, false}},
        {"exactly the minimum", letterPrinter(150), {0.25f, 0.25f, 0.25f, 0.25f}, {}},
        {"all sides", letterPrinter(300), {0.25f, 0.25f, 0.25f, 0.25f}, {true, true, true, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const MarginCheck m = CheckMargins(c.printer, c.margins);
        EXPECT_EQ(m.Outside, c.outside);
        EXPECT_EQ(m.fits(), c.outside == (std::array<bool, 4>{}));
    }
    // Landscape sheets have their own strips.
    PrinterPageGeometry rotated = letterPrinter(0, true);
    rotated.PrintableWidth -= 600; // an inch unprintable on the right
    const MarginCheck wide = CheckMargins(rotated, {0.5f, 0.5f, 0.5f, 0.5f});
    EXPECT_EQ(wide.Outside, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_FLOAT_EQ(wide.Minimum[msRight], 1.0f);
}

TEST(Printing, MarginQuestionAndAdjustment)
{
    TCalendarPanel page;
    page.SetLeftMarginInch(0.2f);
    page.SetBottomMarginInch(0.1f);
    const MarginCheck m = CheckMargins(letterPrinter(150), page);
    EXPECT_EQ(m.question(), QStringLiteral("Margin Warning:\r\rLeft Margin is outside of Printer printable area"
                                           "\rBottom Margin is outside of Printer printable area"
                                           "\r\rAdjust Calendar to fit printer?"));
    ApplyMinimumMargins(m, page);
    EXPECT_FLOAT_EQ(page.LeftMarginInch(), 0.25f);
    EXPECT_FLOAT_EQ(page.BottomMarginInch(), 0.25f);
    EXPECT_FLOAT_EQ(page.TopMarginInch(), 0.25f);
    EXPECT_TRUE(CheckMargins(letterPrinter(150), page).fits());
}
