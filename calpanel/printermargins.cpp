#include "printermargins.h"

#include "calendarpanel.h"

namespace ql {

QString MarginCheck::question() const
{
    static const char *const lines[4] = {
        "Left Margin is outside of Printer printable area",
        "Top Margin is outside of Printer printable area",
        "Right Margin is outside of Printer printable area",
        "Bottom Margin is outside of Printer printable area",
    };
    QString text = QStringLiteral("Margin Warning:\r");
    for (int side = 0; side < 4; ++side) {
        if (Outside[static_cast<size_t>(side)])
            text += QLatin1Char('\r') + QLatin1String(lines[side]);
    }
    text += QStringLiteral("\r\rAdjust Calendar to fit printer?");
    return text;
}

MarginCheck CheckMargins(const PrinterPageGeometry &p, const std::array<float, 4> &margins)
{
    MarginCheck c;
    if (p.DpiX <= 0 || p.DpiY <= 0)
        return c; // a printer that reports no resolution cannot be checked
    const int strips[4] = {
        p.OffsetX,
        p.OffsetY,
        p.PhysicalWidth - p.PrintableWidth - p.OffsetX,
        p.PhysicalHeight - p.PrintableHeight - p.OffsetY,
    };
    const int dpi[4] = {p.DpiX, p.DpiY, p.DpiX, p.DpiY};
    for (size_t side = 0; side < 4; ++side) {
        c.Minimum[side] = static_cast<float>(static_cast<double>(strips[side]) / dpi[side]);
        c.Outside[side] = c.Minimum[side] > margins[side];
    }
    return c;
}

MarginCheck CheckMargins(const PrinterPageGeometry &printer, const TCalendarPanel &page)
{
    return CheckMargins(printer, {page.LeftMarginInch(), page.TopMarginInch(), page.RightMarginInch(),
                                  page.BottomMarginInch()});
}

void ApplyMinimumMargins(const MarginCheck &c, TCalendarPanel &page)
{
    if (c.Outside[msLeft])
        page.SetLeftMarginInch(c.Minimum[msLeft]);
    if (c.Outside[msTop])
        page.SetTopMarginInch(c.Minimum[msTop]);
    if (c.Outside[msRight])
        page.SetRightMarginInch(c.Minimum[msRight]);
    if (c.Outside[msBottom])
        page.SetBottomMarginInch(c.Minimum[msBottom]);
}

} // namespace ql
