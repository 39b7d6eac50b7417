#include "printcommands.h"

#include "calendarpanel.h"
#include "designerdialogs.h"
#include "error.h"
#include "printergeometrysource.h"
#include "printermargins.h"
#include "printerservices.h"
#include "qtprintergeometry.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace ql {

PrintCommands::PrintCommands(TCalendarPanel &page, const PrinterGeometrySource &geometry,
                             DesignerDialogs &dialogs, QWidget *parent)
    : m_page(page), m_geometry(geometry), m_dialogs(dialogs), m_parent(parent)
{
}

void PrintCommands::givePaperSize(QPrinter &printer) const
{
    SetPrinterPaperSize(printer, PaperSizeCode(m_page.PaperSize()));
}

void PrintCommands::giveOrientation(QPrinter &printer) const
{
    printer.setPageOrientation(m_page.CalendarOrientation() == coLandscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

PrintCommands::MarginOutcome PrintCommands::checkPrinterMargins(QPrinter &printer)
{
    MarginCheck check;
    try {
        // The strips of a landscape sheet are those of the rotated paper.
        giveOrientation(printer);
        check = CheckMargins(m_geometry.pageGeometry(printer), m_page);
    } catch (const Error &) {
        return MarginOutcome::Fits;
    }
    if (check.fits())
        return MarginOutcome::Fits;
    if (!m_dialogs.question(m_parent, check.question(), QStringLiteral("Margin Warning")))
        return MarginOutcome::Declined;
    ApplyMinimumMargins(check, m_page);
    return MarginOutcome::Adjusted;
}

void PrintCommands::printPage(QPrinter &printer)
{
    giveOrientation(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(failureMessage(printer));
    // Read once the document has begun: that is when the printer settles
    // its resolution and printable area for this job.
    const PrinterMetrics metrics = QtPrinterGeometry::metrics(QtPrinterGeometry::read(printer));
    PrinterFontResolution(painter);
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage())
            throw Error(failureMessage(printer));
        m_page.PrintPage(painter, metrics);
    }
    if (!painter.end())
        throw Error(failureMessage(printer));
}

QString PrintCommands::failureMessage(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Unable to write to ") + printer.outputFileName();
    return QStringLiteral("Unable to print on ") + printer.printerName();
}

} // namespace ql
