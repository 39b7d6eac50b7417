#include "calendarpanel.h"
#include "exportjob.h"
#include "exportoptions.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

// The exporter speaks only for itself on stderr: Qt's own notes (a missing
// runtime folder in a batch job, font fallbacks) are not the user's business.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quillon-export: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    // Read the arguments before Qt sees them: the application object takes
    // some for itself (--style among them).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    qInstallMessageHandler(quietMessages);
    // Pages are drawn off-screen; no window system is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // The page image is the screen page at 96 pixels per inch, whatever the machine.
    ql::SetScreenPixelsPerInch(96);

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
