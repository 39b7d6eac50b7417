#pragma once

#include "gridrect.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

namespace ql {

// Font style bits as the settings and the grid record keep them.
enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// One day cell as the last paint left it: its rectangle and the day shown in
// it, 0 for a cell outside the month.
struct TCalendarCellInfo
{
    GridRect Rect;
    int Day = 0;

    bool operator==(const TCalendarCellInfo &o) const { return Rect == o.Rect && Day == o.Day; }
    bool operator!=(const TCalendarCellInfo &o) const { return !(*this == o); }
};

// Everything the tray calendar's grid painter needs. The designer's page has
// a record of the same name with another field set; this one belongs to the
// tray program. Number position (centred), borders (none), headers (three
// letters) and showing the year never vary here, so they have no fields.
struct TCalendarAttributes
{
    QColor BackgroundColor = QColor(0xC0, 0xC0, 0xC0);
    QColor TitleBGColor = QColor(0xC0, 0xC0, 0xC0);
    int MinTitleHeight = 24;
    int Month = 1;
    int Year = 2000;
    GridRect Rect;
    int StartOfWeek = 1; // 1 = Sunday, anything else = Monday

    QString TitleFontName = QStringLiteral("Times New Roman");
    int TitleFontSize = 16; // points
    std::uint8_t TitleFontStyle = fsBold;
    QColor TitleFontColor = Qt::black;

    QString HeadersFontName = QStringLiteral("Times New Roman");
    int HeadersFontSize = 10;
    std::uint8_t HeadersFontStyle = fsBold;
    QColor HeadersFontColor = Qt::white;
    QColor HeadersBGColor = Qt::black;

    QString CellFontName = QStringLiteral("Times New Roman");
    int CellFontSize = 10;
    std::uint8_t CellFontStyle = fsBold;
    QColor CellFontColor = Qt::black;

    std::array<QString, 12> MonthNames; // [0] = January
    std::array<QString, 7> DayNames;    // [0] = Sunday

    std::array<TCalendarCellInfo, 42> Cells{}; // row-major, written by each paint
    std::array<bool, 31> NotesFlags{};         // [0] = day 1
    QColor NotesColor = QColor(0xFF, 0, 0);
    int SelectedDay = 1;

    bool operator==(const TCalendarAttributes &o) const
    {
        return BackgroundColor == o.BackgroundColor && TitleBGColor == o.TitleBGColor
               && MinTitleHeight == o.MinTitleHeight && Month == o.Month && Year == o.Year
               && Rect == o.Rect && StartOfWeek == o.StartOfWeek
               && TitleFontName == o.TitleFontName && TitleFontSize == o.TitleFontSize
               && TitleFontStyle == o.TitleFontStyle && TitleFontColor == o.TitleFontColor
               && HeadersFontName == o.HeadersFontName && HeadersFontSize == o.HeadersFontSize
               && HeadersFontStyle == o.HeadersFontStyle
               && HeadersFontColor == o.HeadersFontColor && HeadersBGColor == o.HeadersBGColor
               && CellFontName == o.CellFontName && CellFontSize == o.CellFontSize
               && CellFontStyle == o.CellFontStyle && CellFontColor == o.CellFontColor
               && MonthNames == o.MonthNames && DayNames == o.DayNames && Cells == o.Cells
               && NotesFlags == o.NotesFlags && NotesColor == o.NotesColor
               && SelectedDay == o.SelectedDay;
    }
};

} // namespace ql
