#pragma once

#include "calendarattributes.h"
#include "gridrect.h"

#include <array>

namespace ql {

// Where everything of the tray calendar's month grid goes, computed from the
// grid rectangle alone so that it can be checked with numbers. For the 328 x
// 164 grid of the window at 96 pixels per inch: a title band of 27 pixels
// one pixel below the top, a header band of 19, columns of 46 and rows of 19
// pixels; the first cell is (1, 49, 46, 67) and the last column reaches 327.
struct MonthGridLayout
{
    GridRect Title;       // the title text is centred in it
    GridRect TitleFill;   // one pixel taller than the text rectangle
    GridRect HeaderFill;  // the black band of day names
    std::array<GridRect, 7> HeaderCells{};
    std::array<int, 7> HeaderDayNumbers{}; // 1 = Sunday .. 7 = Saturday
    int ColumnWidth = 0;
    int RowHeight = 0;
    int GridTop = 0;
    std::array<TCalendarCellInfo, 42> Cells{};

    bool operator==(const MonthGridLayout &o) const
    {
        return Title == o.Title && TitleFill == o.TitleFill && HeaderFill == o.HeaderFill
               && HeaderCells == o.HeaderCells && HeaderDayNumbers == o.HeaderDayNumbers
               && ColumnWidth == o.ColumnWidth && RowHeight == o.RowHeight
               && GridTop == o.GridTop && Cells == o.Cells;
    }
};

// The character height in device pixels of a font of that many points, the
// way the old screen fonts were sized: 10 points at 96 pixels per inch are 13.
int FontPixelHeight(int points, int pixelsPerInch);
// Trunc(pixels per inch x 0.25): 24 at 96 pixels per inch.
int MinimumTitleHeight(int pixelsPerInch);

// headerFontHeight: FontPixelHeight of the day names' font.
MonthGridLayout LayoutTrayMonth(const GridRect &rect, int minTitleHeight, int headerFontHeight,
                                int year, int month, int startOfWeek);

// The day of the first cell (row-major) containing the point, right and
// bottom edges excluded; 0 for the title, the day names, a blank cell or the
// strip below the last row.
int DayAtPoint(const std::array<TCalendarCellInfo, 42> &cells, const QPoint &point);

} // namespace ql
