#pragma once

#include "calendardates.h"
#include "caltypes.h"

#include <array>

namespace ql {

constexpr int kMaxMinis = 60;

// Inches to screen pixels at P pixels per inch: Trunc(P * x) with x held in
// single precision, as the page geometry has always been computed.
int InchesToPixels(float inches, int pixelsPerInch);
// A margin plus a constant, summed first and rounded to single precision.
float InchSum(float margin, double constant);

// The page settings the geometry depends on.
struct LayoutInput
{
    int Layout = loFullCalendar;
    int PaperSize = 0; // 0 Letter, anything else A4
    float LeftMarginInch = 0.25f;
    float TopMarginInch = 0.25f;
    float RightMarginInch = 0.25f;
    float BottomMarginInch = 0.25f;
    int Month = 1;
    int Year = 1997;
};

// Everything the layout computes, in screen pixels at 100 percent. MainRect and
// the minis are only meaningful when HasMainRect / HasMinis say they were set;
// a page keeps its previous values otherwise.
struct LayoutResult
{
    TCalendarOrientation Orientation = coPortrait;
    int PageWidth = 0;
    int PageHeight = 0;
    bool ShowMainCalendar = false;
    bool ShowMiniCalendars = false;
    bool ShowPlanner = false;
    bool HasMainRect = false;
    TRect MainRect;
    bool HasMinis = false;
    int MiniCount = 0;
    std::array<TRect, kMaxMinis> MiniRects{};
    std::array<MonthYear, kMaxMinis> MiniMonths{};
    int MiniFontSize = 0; // the layout's mini title size; 0 leaves the fonts alone
};

LayoutResult ComputePageLayout(const LayoutInput &in, int pixelsPerInch);

// Places minis first..last (1-based) row by row in a rows x columns grid inside
// area; the last row and column are pushed against the area's bottom and right.
void PlaceMiniGrid(int rows, int columns, const TRect &area, int first, int last,
                   std::array<TRect, kMaxMinis> &rects);

// Orientation a layout implies: the odd layouts below 18 are landscape.
TCalendarOrientation LayoutOrientation(int layout);

} // namespace ql
