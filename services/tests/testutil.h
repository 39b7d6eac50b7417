#pragma once

#include <QByteArray>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QString>
#include <ostream>
#include <unistd.h>

// Readable Qt values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "(" << r.x() << ", " << r.y() << " " << r.width() << "x" << r.height() << ")";
}
inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}

namespace testutil {

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

} // namespace testutil
