#pragma once

#include "gridrect.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QRect>
#include <QString>

#include <ostream>
#include <stdexcept>
#include <unistd.h>

// Readable values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QDate &d, std::ostream *os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}
namespace ql {
inline void PrintTo(const GridRect &r, std::ostream *os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace ql

namespace traytest {

// Permission bits do not stop root, so tests that rely on them skip there.
inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace traytest
