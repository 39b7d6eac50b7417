#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ql {

// The Windows-1252 code page, by table so that it does not depend on which
// codecs the Qt build carries. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no
// character in the code page; like Windows, they map to the control
// characters of the same number, so every byte string comes back unchanged.
namespace Windows1252 {

QString decode(const QByteArray &bytes);
// Empty when a character of the text has no byte in the code page.
std::optional<QByteArray> encode(const QString &text);

} // namespace Windows1252

} // namespace ql
