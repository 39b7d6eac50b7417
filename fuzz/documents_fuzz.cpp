// Feeds arbitrary bytes to the calendar file reader, or with
// QL_FUZZ_STYLE_SHEET to the style sheet reader, then lays out and paints
// whatever was accepted. A rejected input must throw ql::Error; anything else
// (a crash, a hang, a huge allocation) is a bug.
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
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ql::TCalendarPanel page;
    try {
#ifdef QL_FUZZ_STYLE_SHEET
        page.LoadStyleSheetData(bytes);
#else
        page.LoadCalendarData(bytes);
#endif
        page.LayoutPage(false);
        page.PaintImage();
    } catch (const ql::Error &) {
    }
    return 0;
}
