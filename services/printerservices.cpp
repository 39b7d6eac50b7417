#include "printerservices.h"

#include "messageboxes.h"
#include "printersystem.h"
#include "systemprinters.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace ql {

QString UsablePrinter(const PrinterSystem &system, const QString &currentPrinter)
{
    const QStringList installed = system.installedPrinters();
    if (!currentPrinter.isEmpty() && installed.contains(currentPrinter))
        return currentPrinter;
    const QString fallback = system.defaultPrinter();
    if (!fallback.isEmpty() && installed.contains(fallback))
        return fallback;
    return QString();
}

PrinterStatus CheckPrinters(const PrinterSystem &system, const QString &currentPrinter)
{
    if (system.installedPrinters().isEmpty())
        return PrinterStatus::NoPrinters;
    if (UsablePrinter(system, currentPrinter).isEmpty())
        return PrinterStatus::NoDefault;
    return PrinterStatus::Ready;
}

QString PrinterStatusMessage(PrinterStatus status)
{
    switch (status) {
    case PrinterStatus::NoPrinters:
        return QStringLiteral(
            "There are no installed printers.\r\nUnable to perform printer related operations");
    case PrinterStatus::NoDefault:
        return QStringLiteral("There is no default printer selected.\r\nUnable to perform printer "
                              "related operations");
    case PrinterStatus::Ready:
        break;
    }
    return QString();
}

bool DefaultPrinterCheck(QPrinter &printer, const PrinterSystem &system)
{
    const QString usable = UsablePrinter(system, printer.printerName());
    if (usable.isEmpty())
        return false;
    if (usable != printer.printerName())
        printer.setPrinterName(usable);
    return true;
}

bool DefaultPrinterCheck(QPrinter &printer)
{
    return DefaultPrinterCheck(printer, SystemPrinters());
}

bool PrinterPresentCheck(QPrinter &printer, const PrinterSystem &system,
                         const std::function<void(const QString &)> &inform)
{
    const PrinterStatus status = CheckPrinters(system, printer.printerName());
    if (status != PrinterStatus::Ready) {
        inform(PrinterStatusMessage(status));
        return false;
    }
    return DefaultPrinterCheck(printer, system);
}

bool PrinterPresentCheck(QPrinter &printer)
{
    return PrinterPresentCheck(printer, SystemPrinters(), InformationBox);
}

int PaperSizeCode(int pagePaperSize)
{
    return pagePaperSize == 0 ? dmPaperLetter : dmPaperA4;
}

bool SetPrinterPaperSize(QPrinter &printer, int paperSizeCode)
{
    QPageSize::PageSizeId id;
    switch (paperSizeCode) {
    case dmPaperLetter:
        id = QPageSize::Letter;
        break;
    case dmPaperA4:
        id = QPageSize::A4;
        break;
    default:
        return false;
    }
    return printer.setPageSize(QPageSize(id));
}

void PrinterFontResolution(QPainter &painter)
{
    const QFont current = painter.font();
    QFont resolved(current, painter.device());
    if (current.pointSizeF() > 0)
        resolved.setPointSizeF(current.pointSizeF());
    painter.setFont(resolved);
}

} // namespace ql
