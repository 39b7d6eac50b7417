#pragma once

#include "printermargins.h"

class QPrinter;

namespace ql {

// Where the printer margin check learns what a printer can print: the real
// printer's page layout (QtPrinterGeometry), or in tests a printer of known
// numbers, since no machine the tests run on has the printers they describe.
class PrinterGeometrySource
{
public:
    virtual ~PrinterGeometrySource() = default;
    // The printer's sheet in its current paper and orientation, in printer
    // pixels. Throws Error when the printer cannot tell.
    virtual PrinterPageGeometry pageGeometry(const QPrinter &printer) const = 0;
};

} // namespace ql
