// Feeds arbitrary bytes to the style sheet reader; a rejected input must
// throw ql::Error, anything else (a crash, a hang, a huge allocation) is a bug.
#include "calendarpanel.h"
#include "error.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    ql::SetScreenPixelsPerInch(96);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ql::TCalendarPanel page;
    try {
        page.LoadStyleSheetData(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
        page.LayoutPage(false);
        page.PaintImage();
    } catch (const ql::Error &) {
    }
    return 0;
}
