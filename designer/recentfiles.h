#pragma once

#include <QString>
#include <QStringList>

namespace ql {

class IniFile;

// The recent-files list: full paths, most recent first, at most MaxEntries.
// The settings file keeps it in section "MRU" as F0 (the most recent), F1 ...
class RecentFiles
{
public:
    static constexpr int MaxEntries = 5;

    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Puts the path at the top; a path already listed (compared without
    // regard to case) moves there, and entries beyond the fifth drop off.
    void add(const QString &path);
    void remove(const QString &path);

    // Reads the keys of the section in file order, the way they were written.
    void load(const IniFile &file);
    // Erases the section and writes the keys anew; throws Error when the
    // file cannot be written.
    void save(IniFile &file) const;

    // The menu caption of entry index (0-based): "&1 /home/me/Dec1997.QLF".
    // Ampersands of the path are doubled so they show instead of marking an
    // access key.
    static QString caption(int index, const QString &path);

private:
    QStringList m_entries;
};

} // namespace ql
