#include "qtprintergeometry.h"

#include "calendarpanel.h"
#include "error.h"

#include <QPageLayout>
#include <QPrinter>

namespace ql {

PrinterPageGeometry QtPrinterGeometry::pageGeometry(const QPrinter &printer) const
{
    return read(printer);
}

PrinterPageGeometry QtPrinterGeometry::read(const QPrinter &printer)
{
    const int resolution = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    if (resolution <= 0 || !layout.isValid())
        throw Error(QStringLiteral("The printer does not report its paper"));
    const QRect full = layout.fullRectPixels(resolution);
    // In full-page mode the origin is the paper's corner and nothing is held back.
    const QRect paint = printer.fullPage() ? full : layout.paintRectPixels(resolution);
    if (full.isEmpty() || paint.isEmpty())
        throw Error(QStringLiteral("The printer does not report its paper"));
    PrinterPageGeometry g;
    g.DpiX = resolution;
    g.DpiY = resolution;
    g.OffsetX = paint.left() - full.left();
    g.OffsetY = paint.top() - full.top();
    g.PhysicalWidth = full.width();
    g.PhysicalHeight = full.height();
    g.PrintableWidth = paint.width();
    g.PrintableHeight = paint.height();
    return g;
}

PrinterMetrics QtPrinterGeometry::metrics(const PrinterPageGeometry &sheet)
{
    return PrinterMetrics{sheet.DpiX, sheet.DpiY, sheet.OffsetX, sheet.OffsetY};
}

} // namespace ql
