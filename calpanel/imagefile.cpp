#include "imagefile.h"

#include <QSaveFile>

namespace ql {

bool SaveImageFile(const QImage &image, const QString &path, QString &error)
{
    const char *format = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit()) {
        error = QStringLiteral("Unable to write to %1").arg(path);
        return false;
    }
    return true;
}

} // namespace ql
