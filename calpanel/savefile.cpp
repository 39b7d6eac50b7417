#include "savefile.h"

#include "error.h"

#include <QSaveFile>

namespace ql {

void WriteFileSafely(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; ok && done < data.size();) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        ok = n > 0;
        done += n;
    }
    if (!ok || !file.commit())
        throw Error(QStringLiteral("Unable to write to %1").arg(path));
}

} // namespace ql
