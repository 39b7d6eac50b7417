#pragma once

#include <QImage>
#include <QString>

namespace ql {

// Writes an image as BMP or PNG (chosen by the file name's ending, BMP when it
// has neither) through a temporary file renamed over the target, so a failed
// write leaves any earlier file untouched. On failure error reads
// "Unable to write to PATH".
bool SaveImageFile(const QImage &image, const QString &path, QString &error);

} // namespace ql
