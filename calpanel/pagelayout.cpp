#include "pagelayout.h"

#include <cmath>

namespace ql {

int InchesToPixels(float inches, int pixelsPerInch)
{
    return static_cast<int>(std::trunc(static_cast<double>(pixelsPerInch) * static_cast<double>(inches)));
}

float InchSum(float margin, double constant)
{
    return static_cast<float>(static_cast<double>(margin) + constant);
}

TCalendarOrientation LayoutOrientation(int layout)
{
    return (layout >= 1 && layout <= 17 && layout % 2 == 1) ? coLandscape : coPortrait;
}

void PlaceMiniGrid(int rows, int columns, const TRect &area, int first, int last,
                   std::array<TRect, kMaxMinis> &rects)
{
    if (rows <= 0 || columns <= 0)
        return;
    const int hh = area.Bottom - area.Top;
    const int ww = area.Right - area.Left;
    const int gapY = static_cast<int>(std::trunc(hh * 0.01));
    const int gapX = static_cast<int>(std::trunc(ww * 0.01));
    const int cellH = static_cast<int>(std::trunc(static_cast<double>(hh - (rows - 1) * gapY) / rows));
    const int cellW = static_cast<int>(std::trunc(static_cast<double>(ww - (columns - 1) * gapX) / columns));

    int k = first;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            if (k > last || k < 1 || k > kMaxMinis)
                return;
            TRect r;
            r.Left = j == columns - 1 ? area.Right - cellW : area.Left + j * (cellW + gapX);
            r.Top = i == rows - 1 ? area.Bottom - cellH : area.Top + i * (cellH + gapY);
            r.Right = r.Left + cellW;
            r.Bottom = r.Top + cellH;
            rects[static_cast<size_t>(k - 1)] = r;
            ++k;
        }
    }
}

LayoutResult ComputePageLayout(const LayoutInput &in, int P)
{
    LayoutResult out;
    const int lo = in.Layout;
    out.Orientation = LayoutOrientation(lo);

    int W, H;
    if (in.PaperSize == 0) {
        W = static_cast<int>(std::trunc(P * 8.5));
        H = P * 11;
    } else {
        W = static_cast<int>(std::trunc(P * 8.27));
        H = static_cast<int>(std::trunc(P * 11.69));
    }
    if (out.Orientation == coLandscape)
        std::swap(W, H);
    out.PageWidth = W;
    out.PageHeight = H;

    const float L = in.LeftMarginInch, T = in.TopMarginInch;
    const float R = in.RightMarginInch, B = in.BottomMarginInch;
    auto px = [P](float x) { return InchesToPixels(x, P); };
    const TRect cr{px(L) + 2, px(T) + 2, W - px(R) - 2, H - px(B) - 2};

    out.ShowMainCalendar = lo <= 7;
    out.ShowMiniCalendars = lo >= 2 && lo <= 17;
    out.ShowPlanner = lo >= 18;

    auto monthsFrom = [&](int count, auto offsetOf) {
        out.MiniCount = count;
        for (int k = 1; k <= count; ++k)
            out.MiniMonths[static_cast<size_t>(k - 1)] = ShiftMonth(in.Month, in.Year, offsetOf(k));
    };

    switch (lo) {
    case loFullCalendar:
    case LOFullCalendarLS:
    case loWeek:
    case lo2Week:
    case loDay10:
    case loDay15:
        out.HasMainRect = true;
        out.MainRect = cr;
        break;
    case loFCMinisInTitle:
    case loFCMinisInTitleLS: {
        out.HasMainRect = true;
        out.MainRect = cr;
        const TRect &m = cr;
        const int S = static_cast<int>(std::trunc(P * 1.5));
        const int E = P / 8;
        out.HasMinis = true;
        out.MiniRects[0] = {m.Left + E, m.Top + E, m.Left + S - E, m.Top + S - E};
        out.MiniRects[1] = {m.Right - S + E, m.Top + E, m.Right - E, m.Top + S - E};
        monthsFrom(2, [](int k) { return k == 1 ? -1 : 1; });
        out.MiniFontSize = 10;
        break;
    }
    case loFC6Before6After: {
        const int bandBottom = px(InchSum(T, 1.3));
        const int bandTop = H - px(InchSum(B, 1.3));
        out.HasMainRect = true;
        out.MainRect = {px(L) + 2, bandBottom + 2, W - px(R) - 2, bandTop - 2};
        out.HasMinis = true;
        PlaceMiniGrid(1, 6, {px(L) + 2, px(T) + 2, W - px(R) - 2, bandBottom - 2}, 1, 6, out.MiniRects);
        PlaceMiniGrid(1, 6, {px(L) + 2, bandTop + 2, W - px(R) - 2, H - px(B) - 2}, 7, 12, out.MiniRects);
        monthsFrom(12, [](int k) { return k <= 6 ? k - 7 : k - 6; });
        out.MiniFontSize = 10;
        break;
    }
    case loFC6Before6AfterLS: {
        const int bandRight = px(InchSum(L, 1.3));
        const int bandLeft = W - px(InchSum(R, 1.3));
        out.HasMainRect = true;
        out.MainRect = {bandRight + 4, px(T) + 2, bandLeft - 4, H - px(B) - 2};
        out.HasMinis = true;
        PlaceMiniGrid(6, 1, {px(L) + 2, px(T) + 2, bandRight, H - px(B) - 2}, 1, 6, out.MiniRects);
        PlaceMiniGrid(6, 1, {bandLeft + 2, px(T) + 2, W - px(R) - 2, H - px(B) - 2}, 7, 12, out.MiniRects);
        monthsFrom(12, [](int k) { return k <= 6 ? k - 7 : k - 6; });
        out.MiniFontSize = 10;
        break;
    }
    case loFC12After:
        out.HasMainRect = true;
        out.MainRect = {px(L) + 2, px(T) + 2, W - px(R) - 2, H - px(InchSum(B, 2.9)) - 2};
        out.HasMinis = true;
        PlaceMiniGrid(2, 6, {px(L) + 2, H - px(InchSum(B, 2.8)) + 2, W - px(R) - 2, H - px(B) - 2}, 1, 12,
                      out.MiniRects);
        monthsFrom(12, [](int k) { return k; });
        out.MiniFontSize = 10;
        break;
    case loFC12AfterLS:
        out.HasMainRect = true;
        out.MainRect = {px(L) + 2, px(T) + 2, W - px(InchSum(R, 2.9)) - 2, H - px(B) - 2};
        out.HasMinis = true;
        PlaceMiniGrid(6, 2, {W - px(InchSum(R, 2.8)) + 2, px(T) + 2, W - px(R) - 2, H - px(B) - 2}, 1, 12,
                      out.MiniRects);
        monthsFrom(12, [](int k) { return k; });
        out.MiniFontSize = 10;
        break;
    default: {
        if (lo < lopMC6Month || lo > loMC60MonthLS) {
            // Not a layout; lay it out as a plain month page rather than guess.
            out.ShowMainCalendar = true;
            out.ShowMiniCalendars = out.ShowPlanner = false;
            out.HasMainRect = true;
            out.MainRect = cr;
            break;
        }
        // Pages of minis only: one grid filling the content rectangle.
        struct Grid
        {
            int count, rows, columns, fontSize;
        };
        static const Grid grids[5] = {{6, 3, 2, 18}, {12, 4, 3, 18}, {24, 6, 4, 12}, {48, 8, 6, 10}, {60, 10, 6, 8}};
        const Grid &g = grids[(lo - 8) / 2];
        const bool landscape = lo % 2 == 1;
        out.HasMinis = true;
        PlaceMiniGrid(landscape ? g.columns : g.rows, landscape ? g.rows : g.columns, cr, 1, g.count,
                      out.MiniRects);
        monthsFrom(g.count, [](int k) { return k - 1; });
        out.MiniFontSize = g.fontSize;
        break;
    }
    }
    return out;
}

} // namespace ql
