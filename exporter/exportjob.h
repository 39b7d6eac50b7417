#pragma once

#include "exportoptions.h"

#include <QString>

namespace ql {

class TCalendarPanel;

struct ExportResult
{
    int ExitCode = 0; // 0 done, 1 could not read or write, 2 bad request
    QString Message;  // one line for stderr when ExitCode is not 0
};

// Applies the options to a page (the page's own defaults where an option is
// not given; month and year default to today's) and writes the output.
ExportResult RunExport(const ExportOptions &options);

// Applies the page options of a command line to a page.
QString ApplyPageOptions(const ExportOptions &options, TCalendarPanel &page);

} // namespace ql
