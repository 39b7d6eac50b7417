#pragma once

#include <QString>
#include <functional>

class QPainter;
class QPrinter;

namespace ql {

class PrinterSystem;

enum class PrinterStatus
{
    Ready,      // a printer is selected or can be
    NoPrinters, // nothing is installed
    NoDefault,  // printers exist, but none is selected and there is no default
};

// The printer printing goes to: the current one when it is installed,
// otherwise the system's default; empty when there is neither.
QString UsablePrinter(const PrinterSystem &system, const QString &currentPrinter);
PrinterStatus CheckPrinters(const PrinterSystem &system, const QString &currentPrinter);
// The information box text for a status; empty for Ready.
QString PrinterStatusMessage(PrinterStatus status);

// Default printer check: true when the printer names an installed printer,
// after selecting the system's default on it when it names none.
bool DefaultPrinterCheck(QPrinter &printer, const PrinterSystem &system);
bool DefaultPrinterCheck(QPrinter &printer);

// Printer-present check: false, after telling the user why, when there is no
// printer to print on; selects the default printer when none is selected.
// `inform` shows the message (the information box unless a test listens).
bool PrinterPresentCheck(QPrinter &printer, const PrinterSystem &system,
                         const std::function<void(const QString &)> &inform);
bool PrinterPresentCheck(QPrinter &printer);

// The printer's paper by the system's paper codes.
enum PrinterPaperCode
{
    dmPaperLetter = 1,
    dmPaperA4 = 9
};
// The paper code of a page's PaperSize setting (0 Letter, anything else A4).
int PaperSizeCode(int pagePaperSize);
// Gives the printer Letter or A4 paper; false (printer unchanged) for any other code.
bool SetPrinterPaperSize(QPrinter &printer, int paperSizeCode);

// Keeps the point size of the painter's font and resolves it for the
// painter's device, so its pixel height matches the printer's resolution.
void PrinterFontResolution(QPainter &painter);

} // namespace ql
