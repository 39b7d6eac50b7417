#pragma once

#include <QByteArray>
#include <QString>

namespace ql {

// Writes data to path through a temporary file beside it that is renamed over
// the target only once every byte is on disk, so a failed save (full disk,
// read-only folder) leaves the old file as it was. Throws ql::Error
// "Unable to write to PATH".
//
// Every write's count is checked: a buffered QSaveFile reports a short write
// on a full disk only through that count, and would otherwise commit a
// truncated file.
void WriteFileSafely(const QString &path, const QByteArray &data);

} // namespace ql
