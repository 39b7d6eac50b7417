#pragma once

#include <QString>
#include <QStringList>

namespace ql {

// What the printer checks need to know of the machine's printers; the real
// one is SystemPrinters, tests give a list of their own.
class PrinterSystem
{
public:
    virtual ~PrinterSystem() = default;
    virtual QStringList installedPrinters() const = 0;
    // The system's default printer, empty when none is set.
    virtual QString defaultPrinter() const = 0;
};

} // namespace ql
