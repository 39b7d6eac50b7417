#include "systemprinters.h"

#include <QPrinterInfo>

namespace ql {

QStringList SystemPrinters::installedPrinters() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinterName();
}

} // namespace ql
