#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A 64 KiB file system for tests of what a full disk does to saving. Only root
// may mount one; elsewhere mounted() is false and the test skips.
class TinyDisk
{
public:
    TinyDisk()
    {
        m_mounted = m_dir.isValid() &&
                    QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                                QStringLiteral("-o"), QStringLiteral("size=64k"),
                                                                QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
