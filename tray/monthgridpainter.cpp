#include "monthgridpainter.h"

#include "monthgridlayout.h"
#include "traydate.h"

#include <QPainter>

namespace ql {

namespace {

constexpr int TextFlags = Qt::AlignCenter | Qt::TextSingleLine;

void fill(QPainter &painter, const GridRect &r, const QColor &color)
{
    painter.fillRect(r.toQRect(), color);
}

} // namespace

QFont CalendarFont(const QString &name, int points, std::uint8_t style, int pixelsPerInch)
{
    QFont font(name);
    font.setPixelSize(FontPixelHeight(points, pixelsPerInch));
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    return font;
}

void DrawTrayCalendar(QPainter &painter, TCalendarAttributes &a, int pixelsPerInch)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const MonthGridLayout g =
        LayoutTrayMonth(a.Rect, a.MinTitleHeight, FontPixelHeight(a.HeadersFontSize, pixelsPerInch),
                        a.Year, a.Month, a.StartOfWeek);

    fill(painter, a.Rect, a.BackgroundColor);

    fill(painter, g.TitleFill, a.TitleBGColor);
    painter.setFont(CalendarFont(a.TitleFontName, a.TitleFontSize, a.TitleFontStyle, pixelsPerInch));
    painter.setPen(a.TitleFontColor);
    const QString monthName = a.Month >= 1 && a.Month <= 12 ? a.MonthNames[a.Month - 1] : QString();
    painter.drawText(g.Title.toQRect(), TextFlags, monthName + u' ' + QString::number(a.Year));

    fill(painter, g.HeaderFill, a.HeadersBGColor);
    painter.setFont(
        CalendarFont(a.HeadersFontName, a.HeadersFontSize, a.HeadersFontStyle, pixelsPerInch));
    painter.setPen(a.HeadersFontColor);
    for (int c = 0; c < 7; ++c) {
        painter.drawText(g.HeaderCells[c].toQRect(), TextFlags,
                         a.DayNames[g.HeaderDayNumbers[c] - 1].left(3));
    }

    painter.setFont(CalendarFont(a.CellFontName, a.CellFontSize, a.CellFontStyle, pixelsPerInch));
    for (int i = 0; i < 42; ++i) {
        const TCalendarCellInfo &cell = g.Cells[i];
        const int d = cell.Day;
        if (d != 0) {
            painter.setPen(a.NotesFlags[d - 1] ? a.NotesColor : a.CellFontColor);
            painter.drawText(cell.Rect.toQRect(), TextFlags, QString::number(d));
            if (d == a.SelectedDay) {
                // Corners (Left + 1, Top + 1) and (Right - 2, Bottom - 2), both
                // inside the frame: a one-pixel pen strokes one pixel more than
                // the rectangle's width and height.
                const GridRect &r = cell.Rect;
                painter.setPen(QPen(Qt::black, 1));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(r.Left + 1, r.Top + 1, r.Right - r.Left - 3, r.Bottom - r.Top - 3);
            }
        }
        a.Cells[i] = cell;
    }
    painter.restore();
}

} // namespace ql
