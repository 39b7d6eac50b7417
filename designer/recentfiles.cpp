#include "recentfiles.h"

#include "inifile.h"

namespace ql {

namespace {
const QString kSection = QStringLiteral("MRU");
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    remove(path);
    m_entries.prepend(path);
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    m_entries.removeIf([&](const QString &e) { return e.compare(path, Qt::CaseInsensitive) == 0; });
}

void RecentFiles::load(const IniFile &file)
{
    m_entries.clear();
    const QStringList keys = file.sectionKeys(kSection);
    for (const QString &key : keys) {
        const QString path = file.readString(kSection, key, QString());
        if (path.isEmpty() || m_entries.contains(path, Qt::CaseInsensitive))
            continue;
        m_entries.append(path);
        if (m_entries.size() == MaxEntries)
            break;
    }
}

void RecentFiles::save(IniFile &file) const
{
    file.eraseSection(kSection);
    for (int i = 0; i < m_entries.size(); ++i)
        file.writeString(kSection, QStringLiteral("F%1").arg(i), m_entries.at(i));
}

QString RecentFiles::caption(int index, const QString &path)
{
    QString shown = path;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace ql
