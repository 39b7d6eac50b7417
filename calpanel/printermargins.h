#pragma once

#include <QString>
#include <array>

namespace ql {

class TCalendarPanel;

// What a printer says of its paper in the page's orientation, in printer
// pixels: resolution, where the printable area starts, the whole sheet and
// the printable area's size.
struct PrinterPageGeometry
{
    int DpiX = 600;
    int DpiY = 600;
    int OffsetX = 0;
    int OffsetY = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int PrintableWidth = 0;
    int PrintableHeight = 0;
    bool operator==(const PrinterPageGeometry &o) const
    {
        return DpiX == o.DpiX && DpiY == o.DpiY && OffsetX == o.OffsetX && OffsetY == o.OffsetY &&
               PhysicalWidth == o.PhysicalWidth && PhysicalHeight == o.PhysicalHeight &&
               PrintableWidth == o.PrintableWidth && PrintableHeight == o.PrintableHeight;
    }
};

// The sides in the order they are checked and reported.
enum MarginSide { msLeft = 0, msTop = 1, msRight = 2, msBottom = 3 };

struct MarginCheck
{
    // The narrowest margin the printer can print, per side, in inches.
    std::array<float, 4> Minimum{};
    // Sides whose page margin is narrower than the printer's minimum.
    std::array<bool, 4> Outside{};
    bool fits() const { return !Outside[0] && !Outside[1] && !Outside[2] && !Outside[3]; }
    // The question put to the user when a side is outside ("Margin Warning:" ...
    // "Adjust Calendar to fit printer?"), lines separated by carriage returns.
    QString question() const;
};

// Compares the page's margins with the printer's unprintable strips. A
// margin exactly equal to the printer's minimum fits.
MarginCheck CheckMargins(const PrinterPageGeometry &printer, const std::array<float, 4> &pageMargins);
MarginCheck CheckMargins(const PrinterPageGeometry &printer, const TCalendarPanel &page);
// Widens every side that is outside to exactly the printer's minimum.
void ApplyMinimumMargins(const MarginCheck &check, TCalendarPanel &page);

} // namespace ql
