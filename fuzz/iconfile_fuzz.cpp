// Feeds any bytes to the icon-file reader as if they were a file the user
// picked: count the icons, then draw each one (a few at most) at the system
// size and at another size, and rebuild it as an .ico file. Failures must
// come back as the reader's error, never as a crash.
#include "error.h"
#include "iconfile.h"

#include <QImageReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Without the ICO decoder the pictures would never be decoded and the
    // run would test far less than it seems to.
    if (!QImageReader::supportedImageFormats().contains("ico")) {
        std::fprintf(stderr, "Qt's ICO image plugin is missing\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ql::IconFile file = ql::IconFile::fromData(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const int count = file.count();
    if (count < 0)
        std::abort(); // bytes in memory are always readable
    for (int i = 0; i < count && i < 4; ++i) {
        try {
            const QImage image = file.icon(i);
            if (image.width() != ql::IconFile::SystemIconSize)
                std::abort();
            (void)file.icon(i, 20);
        } catch (const ql::Error &) {
        }
        (void)file.iconData(i);
    }
    return 0;
}
