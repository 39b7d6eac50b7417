// Feeds arbitrary bytes to the cell storage's RTF reader, then writes what
// was read, reads that again and lays it out by painting it, so that the
// writer and the layout of whatever the reader lets through are covered too.
// The only acceptable failure is ql::Error.
#include "cellstorage.h"
#include "error.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts and image plug-ins need an application object; no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        ql::CellStorage storage;
        storage.fromRtf(rtf);
        ql::CellStorage again;
        again.fromRtf(storage.toRtf());
        if (again.document().toRawText() != storage.document().toRawText())
            std::abort();  // what the writer writes must read back as it was
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        storage.paint(painter, QRect(4, 4, 56, 40), 1.5);
    } catch (const ql::Error &) {
    }
    return 0;
}
