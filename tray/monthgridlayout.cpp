#include "monthgridlayout.h"

#include "traydate.h"

namespace ql {

int FontPixelHeight(int points, int pixelsPerInch)
{
    // Rounded to the nearest pixel, as MulDiv did it for the old fonts.
    return (points * pixelsPerInch + 36) / 72;
}

int MinimumTitleHeight(int pixelsPerInch)
{
    return static_cast<int>(pixelsPerInch * 0.25);
}

MonthGridLayout LayoutTrayMonth(const GridRect &rect, int minTitleHeight, int headerFontHeight,
                                int year, int month, int startOfWeek)
{
    MonthGridLayout g;
    const int firstColumn = FirstColumnOfMonth(year, month, startOfWeek);
    const int days = MonthLength(year, month);

    // The working rectangle keeps the last column and row of pixels out.
    const int L = rect.Left;
    const int T = rect.Top;
    const int R = rect.Right - 1;
    const int B = rect.Bottom - 1;

    int h = static_cast<int>((B - T) * 0.17);
    if (minTitleHeight > h)
        h = minTitleHeight;
    const int TB = T + 1 + h;
    g.Title = {L, T + 1, R, TB};
    g.TitleFill = {L, T + 1, R, TB + 1};

    const int W = (R - L) / 7;
    g.ColumnWidth = W;

    const int HT = TB + 1;
    const int HB = HT + static_cast<int>(headerFontHeight * 1.5);
    g.HeaderFill = {L, HT, R, HB + 1};
    for (int c = 0; c < 7; ++c) {
        g.HeaderCells[c] = {L + c * W + 1, HT, L + c * W + W - 1, HB};
        if (startOfWeek == 1)
            g.HeaderDayNumbers[c] = c + 1;
        else
            g.HeaderDayNumbers[c] = c < 6 ? c + 2 : 1;
    }

    const int GT = HB;
    const int H = (B - GT) / 6;
    g.GridTop = GT;
    g.RowHeight = H;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            TCalendarCellInfo &cell = g.Cells[7 * r + c];
            // Unlike the designer's grid, the cells reach the right edge: the
            // last column takes the remainder pixels.
            cell.Rect = {L + c * W + 1, GT + r * H + 1, c == 6 ? R : L + c * W + W, GT + r * H + H};
            const int d = 7 * r + c + 2 - firstColumn;
            cell.Day = d >= 1 && d <= days ? d : 0;
        }
    }
    return g;
}

int DayAtPoint(const std::array<TCalendarCellInfo, 42> &cells, const QPoint &point)
{
    for (const TCalendarCellInfo &cell : cells) {
        if (cell.Rect.contains(point))
            return cell.Day;
    }
    return 0;
}

} // namespace ql
