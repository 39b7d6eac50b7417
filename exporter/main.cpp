#include "calendarpanel.h"
#include "exportjob.h"
#include "exportoptions.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Pages are drawn off-screen; no window system is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The page image is the screen page at 96 pixels per inch, whatever the machine.
    ql::SetScreenPixelsPerInch(96);

    QStringList args = app.arguments();
    args.removeFirst();
    QString error;
    const auto options = ql::ParseExportOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "quillon-export: %s\n%s", qPrintable(error), qPrintable(ql::ExportUsage()));
        return 2;
    }
    const ql::ExportResult result = ql::RunExport(*options);
    if (result.ExitCode != 0) {
        std::fprintf(stderr, "quillon-export: %s\n", qPrintable(result.Message));
        if (result.ExitCode == 2)
            std::fprintf(stderr, "%s", qPrintable(ql::ExportUsage()));
    }
    return result.ExitCode;
}
