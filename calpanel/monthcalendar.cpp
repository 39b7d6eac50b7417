#include "monthcalendar.h"

#include "canvas.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace ql {

void TCalendarAttributes::setTitleFont(const CalFont &f, int size)
{
    TitleFontName = f.Name;
    TitleFontSize = size;
    TitleFontStyle = f.Style;
    TitleFontColor = f.Color;
}

void TCalendarAttributes::setHeadersFont(const CalFont &f, int size)
{
    HeadersFontName = f.Name;
    HeadersFontSize = size;
    HeadersFontStyle = f.Style;
    HeadersFontColor = f.Color;
}

void TCalendarAttributes::setCellFont(const CalFont &f, int size)
{
    CellFontName = f.Name;
    CellFontSize = size;
    CellFontStyle = f.Style;
    CellFontColor = f.Color;
}

QString ShortDayName(const QString &name, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar:
        return name.left(1);
    case dsThreeChars:
        return name.left(3);
    case dsWhole:
        break;
    }
    return name;
}

int MonthTitleHeight(int top, int bottom, int minTitleHeight)
{
    const int h = static_cast<int>(std::trunc((bottom - top) * 0.17));
    return minTitleHeight > h ? minTitleHeight : h;
}

void DrawMonthCalendar(QPainter &p, TCalendarAttributes &a)
{
    const int C = FirstColumnOfMonth(a.Year, a.Month, a.StartOfWeek);
    const int N = MonthLength(a.Year, a.Month);

    const int L = a.Rect.Left, T = a.Rect.Top;
    const int R = a.Rect.Right - 1, B = a.Rect.Bottom - 1;

    FillSolid(p, a.Rect, a.BackgroundColor);
    FillSolid(p, {L, T, R, B}, a.BackgroundColor);

    // Title band.
    SetCanvasFont(p, a.TitleFontName, a.TitleFontSize, a.TitleFontStyle, a.TitleFontColor);
    const int h = MonthTitleHeight(T, B, a.MinTitleHeight);
    const TRect title{L, T + 1, R, T + 1 + h};
    const int TB = title.Bottom;
    FillSolid(p, {L, T + 1, R, TB + 1}, a.TitleBGColor);
    QString titleText = (a.Month >= 1 && a.Month <= 12) ? a.Names.month(a.Month) : QString();
    if (a.ShowYear)
        titleText += QLatin1Char(' ') + QString::number(a.Year);
    DrawTextIn(p, title, titleText, TextAlign::CenterCenter);

    const int W = (R - L) / 7;

    // Header band: 1.5 times the font's character height.
    SetCanvasFont(p, a.HeadersFontName, a.HeadersFontSize, a.HeadersFontStyle, a.HeadersFontColor);
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const int F = MulDiv(a.HeadersFontSize, dpi, 72);
    const int HT = TB + 1;
    const int HB = HT + static_cast<int>(std::trunc(F * 1.5));
    FillSolid(p, {L, HT, R, HB + 1}, a.HeadersBGColor);
    DrawBorderLines(p, {L, HT, R, HB}, a.HeadersBorder);
    for (int c = 0; c < 7; ++c) {
        const TRect r{L + c * W + 1, HT, L + (c + 1) * W - 1, HB};
        const QString name = a.Names.day(HeaderDayIndex(c, a.StartOfWeek));
        DrawTextIn(p, r, ShortDayName(name, a.HeadersStyle), TextAlign::CenterCenter);
    }

    // Grid.
    SetCanvasFont(p, a.CellFontName, a.CellFontSize, a.CellFontStyle, a.CellFontColor);
    const int GT = HB;
    const int H = (B - GT) / 6;

    int firstLine = 0, lastLine = -1;
    switch (a.CellBorder) {
    case cbNone:
        break;
    case cbAll:
    case cbTopBottom:
        firstLine = 0;
        lastLine = 6;
        break;
    case cbTop:
        firstLine = 0;
        lastLine = 5;
        break;
    case cbBottom:
        firstLine = 1;
        lastLine = 6;
        break;
    }
    for (int i = firstLine; i <= lastLine; ++i) {
        const int y = i == 6 ? B : GT + i * H;
        DrawLine(p, {L, y}, {R, y});
    }
    if (a.CellBorder == cbAll) {
        for (int j = 0; j <= 7; ++j) {
            const int x = j == 7 ? R : L + j * W;
            DrawLine(p, {x, GT}, {x, B});
        }
    }

    const bool upperRight = a.NumberPosition == cnpUpperRight;
    const int numberLine = upperRight ? TextHeight(p, QStringLiteral("9")) : 0;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            TRect cell{L + c * W + 1, GT + r * H + 1, L + (c + 1) * W - 1, GT + (r + 1) * H - 1};
            if (upperRight) {
                cell.Left += 4;
                cell.Right -= 5;
            }
            const int d = GridDay(r, c, C, N);
            if (d != 0) {
                DrawTextIn(p, cell, QString::number(d),
                           upperRight ? TextAlign::RightTop : TextAlign::CenterCenter);
            }
            TCalendarCellInfo &info = a.Cells[static_cast<size_t>(7 * r + c)];
            info.Rect = cell;
            info.Day = d;
            if (upperRight) {
                info.FreeRect = cell;
                info.FreeRect.Top += numberLine;
            } else {
                info.FreeRect = TRect{};
            }
        }
    }

    DrawBorderLines(p, {L, T, R, B}, a.CalendarBorder);
}

} // namespace ql
