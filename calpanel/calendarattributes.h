#pragma once

#include "calendardates.h"
#include "caltypes.h"
#include "monthdaynames.h"

#include <array>

namespace ql {

// What the drawing routines write back for one grid cell or planner row.
struct TCalendarCellInfo
{
    TRect Rect;     // the cell in device pixels
    int Day = 0;    // day of the month shown, 0 outside the month and on planners
    TRect FreeRect; // where the cell's contents go; all zeros when there is none

    bool operator==(const TCalendarCellInfo &o) const
    {
        return Rect == o.Rect && Day == o.Day && FreeRect == o.FreeRect;
    }
};

constexpr int kCellCount = 42;

// Everything a month grid, mini calendar or planner needs to draw itself, so
// the drawing routines never look at the page. Font sizes are already scaled
// for the device; the rectangle is in device pixels.
struct TCalendarAttributes
{
    TColor BackgroundColor = clWhite;
    TColor TitleBGColor = clWhite;
    int MinTitleHeight = 0;
    int Month = 1;
    int Year = 1997;
    int Day = 1;
    TRect Rect;
    TCalendarNumberPosition NumberPosition = cnpUpperRight;
    int StartOfWeek = 1;
    TCalBorderStyle CalendarBorder = cbAll;
    QString TitleFontName = QStringLiteral("Times New Roman");
    int TitleFontSize = 26;
    TFontStyles TitleFontStyle = fsBold;
    TColor TitleFontColor = clBlack;
    bool ShowYear = true;
    QString HeadersFontName = QStringLiteral("Times New Roman");
    int HeadersFontSize = 16;
    TFontStyles HeadersFontStyle = fsBold;
    TColor HeadersFontColor = clBlack;
    TCalBorderStyle HeadersBorder = cbAll;
    TCalHeadersStyle HeadersStyle = dsThreeChars;
    TColor HeadersBGColor = clWhite;
    QString CellFontName = QStringLiteral("Times New Roman");
    int CellFontSize = 16;
    TFontStyles CellFontStyle = fsBold;
    TColor CellFontColor = clBlack;
    TCalBorderStyle CellBorder = cbAll;
    MonthDayNames Names;
    std::array<TCalendarCellInfo, kCellCount> Cells{};
    int DayCount = 7;
    int HourCount = 10;
    TTime StartTime = 1.0 / 3.0;

    void setTitleFont(const CalFont &f, int size);
    void setHeadersFont(const CalFont &f, int size);
    void setCellFont(const CalFont &f, int size);
};

} // namespace ql
