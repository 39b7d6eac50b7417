#pragma once

#include "printersystem.h"

namespace ql {

// The printers the print system (CUPS) knows, through QPrinterInfo.
class SystemPrinters : public PrinterSystem
{
public:
    QStringList installedPrinters() const override;
    QString defaultPrinter() const override;
};

} // namespace ql
