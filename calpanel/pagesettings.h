#pragma once

#include "calendardates.h"
#include "caltypes.h"
#include "monthdaynames.h"

namespace ql {

// Every setting of a page that a document or style sheet carries, with the
// page's defaults. Kept as one value so files and the settings transfer can
// assign it field by field without the side effects of the page's setters.
struct PageSettings
{
    TCalendarLayout CalendarLayout = loFullCalendar;
    TCalendarOrientation CalendarOrientation = coPortrait;
    TCalendarLineLayout CalendarLineLayout = llFull;
    TMiniCalendarLineLayout MiniCalendarLineLayout = mllFull;
    int MainCalMonth = 1;
    int MainCalYear = 1997;
    int MainCalDay = 0;
    int StartOfWeek = 1;
    bool TitleShowYear = true;
    TColor TitleBGColor = clWhite;
    CalFont TitleFont{QStringLiteral("Times New Roman"), 26, fsBold, clWindowText};
    CalFont HeadersFont{QStringLiteral("Times New Roman"), 16, fsBold, clWindowText};
    TCalHeadersStyle HeadersStyle = dsThreeChars;
    TCalBorderStyle HeadersBorder = cbAll;
    TColor HeadersBGColor = clWhite;
    CalFont CellFont{QStringLiteral("Times New Roman"), 16, fsBold, clWindowText};
    TCalBorderStyle CellBorder = cbAll;
    TCalBorderStyle CalendarBorder = cbAll;
    TCalendarNumberPosition NumberPosition = cnpUpperRight;
    CalFont MiniTitleFont{QStringLiteral("Times New Roman"), 6, fsBold, clWindowText};
    CalFont MiniHeadersFont{QStringLiteral("Times New Roman"), 8, 0, clWhite};
    CalFont MiniCellFont{QStringLiteral("Times New Roman"), 6, 0, clWindowText};
    TCalHeadersStyle MiniHeadersStyle = dsFirstChar;
    TCalBorderStyle MiniCalBorder = cbAll;
    TCalBorderStyle MiniHeadersBorder = cbBottom;
    TCalBorderStyle MiniCellBorder = cbNone;
    bool MiniShowYear = true;
    TColor MiniHeadersBGColor = clWhite;
    TColor MiniCalBGColor = clWhite;
    float LeftMarginInch = 0.25f;
    float TopMarginInch = 0.25f;
    float RightMarginInch = 0.25f;
    float BottomMarginInch = 0.25f;
    int PaperSize = 0; // 0 Letter, any other value A4
    TTime StartTime = EncodeTime(8, 0);
    MonthDayNames Names;
};

} // namespace ql
