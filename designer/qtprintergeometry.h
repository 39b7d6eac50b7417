#pragma once

#include "printergeometrysource.h"

namespace ql {

struct PrinterMetrics;

// A printer's sheet as Qt describes it: the whole paper is the page layout's
// full rectangle, the printable area its paint rectangle (the paper less the
// margins, which Qt keeps at least as wide as the printer's unprintable
// strips), both at the printer's resolution. Painting on a QPrinter that is
// not in full-page mode starts at the paint rectangle's corner, which is the
// origin the page's printing expects.
class QtPrinterGeometry : public PrinterGeometrySource
{
public:
    PrinterPageGeometry pageGeometry(const QPrinter &printer) const override;

    // The same, for callers that always want the real printer.
    static PrinterPageGeometry read(const QPrinter &printer);
    // What the page's printing needs of the sheet: resolution and the
    // offsets of the printable area.
    static PrinterMetrics metrics(const PrinterPageGeometry &sheet);
};

} // namespace ql
