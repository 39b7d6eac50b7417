#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>

namespace ql {

// Page layouts. Files store the ordinal, so the order and values never change.
// Even values 0..16 are portrait pages, the odd value after each is the
// landscape form of the same page; the four planners are portrait only.
enum TCalendarLayout : std::uint8_t {
    loFullCalendar = 0,
    LOFullCalendarLS = 1,
    loFCMinisInTitle = 2,
    loFCMinisInTitleLS = 3,
    loFC6Before6After = 4,
    loFC6Before6AfterLS = 5,
    loFC12After = 6,
    loFC12AfterLS = 7,
    lopMC6Month = 8,
    lopMC6MonthLS = 9,
    loMC12Month = 10,
    loMC12MonthLS = 11,
    loMC24Month = 12,
    loMC24MonthLS = 13,
    loMC48Month = 14,
    loMC48MonthLS = 15,
    loMC60Month = 16,
    loMC60MonthLS = 17,
    loWeek = 18,
    lo2Week = 19,
    loDay10 = 20,
    loDay15 = 21,
};
constexpr int kLayoutCount = 22;

enum TCalendarOrientation : std::uint8_t { coPortrait = 0, coLandscape = 1 };

enum TCalBorderStyle : std::uint8_t { cbNone = 0, cbAll = 1, cbTop = 2, cbBottom = 3, cbTopBottom = 4 };

enum TCalendarLineLayout : std::uint8_t { llFull = 0, llHeadersAndCells = 1, llCellsOnly = 2 };

enum TMiniCalendarLineLayout : std::uint8_t { mllFull = 0, mllBoxed = 1, mllMinimal = 2 };

enum TCalHeadersStyle : std::uint8_t { dsFirstChar = 0, dsThreeChars = 1, dsWhole = 2 };

enum TCalendarNumberPosition : std::uint8_t { cnpCenter = 0, cnpUpperRight = 1 };

// The largest ordinal of each enumeration, for readers that check their input.
constexpr int kMaxOrientation = coLandscape;
constexpr int kMaxBorderStyle = cbTopBottom;
constexpr int kMaxLineLayout = llCellsOnly;
constexpr int kMaxMiniLineLayout = mllMinimal;
constexpr int kMaxHeadersStyle = dsWhole;
constexpr int kMaxNumberPosition = cnpUpperRight;

// The layout's name as written in code and accepted on command lines
// ("loFC12After"), or an empty string for a value out of range.
QString LayoutName(int layout);
// The layout for a name, compared without regard to case; -1 when unknown.
int LayoutFromName(const QString &name);

// A colour as the documents store it: $00BBGGRR for a plain colour, or a
// system colour index with the top bit set (negative as a signed value).
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);
constexpr TColor clWindow = static_cast<TColor>(0x80000005u);

TColor ColorFromRgb(int r, int g, int b);
TColor ColorFromQColor(const QColor &c);
// System colours resolve to the classic desktop scheme (window text black,
// window white, button face light grey ...).
QColor ToQColor(TColor c);

// Font style set, one bit per flag as the documents store them.
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

// A font as the page keeps it: face name, size in points, style and colour.
struct CalFont
{
    QString Name = QStringLiteral("Times New Roman");
    int Size = 10;
    TFontStyles Style = 0;
    TColor Color = clWindowText;

    bool operator==(const CalFont &o) const
    {
        return Name == o.Name && Size == o.Size && Style == o.Style && Color == o.Color;
    }
    bool operator!=(const CalFont &o) const { return !(*this == o); }
};

// A rectangle with exclusive Right and Bottom: a point (x, y) is inside when
// Left <= x < Right and Top <= y < Bottom.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    bool operator!=(const TRect &o) const { return !(*this == o); }
    bool contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    bool isAllZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

} // namespace ql
