// Writes the application icon at the sizes the desktop's icon theme wants,
// drawn by the same code as the tray icon, so the launcher and the tray agree.
//   osprel_writeicons OUTPUT_FOLDER
#include "dayicon.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: osprel_writeicons OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const int size : {16, 32, 48}) {
        const QString path = folder + QStringLiteral("/osprel-%1.png").arg(size);
        // A month's last day shows that the icon carries a date.
        if (!ql::DayPageImage(31, size).save(path)) {
            std::fprintf(stderr, "Unable to write to %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
