#include "imagefile.h"

#include "error.h"
#include "savefile.h"

#include <QBuffer>

namespace ql {

bool SaveImageFile(const QImage &image, const QString &path, QString &error)
{
    // Encode in memory first: an image writer does not report a device that
    // stops taking bytes, the checked file write below does.
    const char *format = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!image.save(&buffer, format))
            throw Error(QString());
        WriteFileSafely(path, bytes);
    } catch (const Error &) {
        error = QStringLiteral("Unable to write to %1").arg(path);
        return false;
    }
    return true;
}

} // namespace ql
