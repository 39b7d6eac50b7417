#include "programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <optional>

namespace ql {

namespace {

QString withSlash(const QString &folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

bool canCreateFilesIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral(".write-probe-XXXXXX"));
    return probe.open(); // removed again when probe goes out of scope
}

std::optional<ProgramFolders> &current()
{
    static std::optional<ProgramFolders> folders;
    return folders;
}

QString &settingsBaseName()
{
    static QString name;
    return name;
}

} // namespace

ProgramFolders::ProgramFolders(const QString &programFolder, const QString &userDataFolder)
    : m_programFolder(withSlash(programFolder)), m_userDataFolder(withSlash(userDataFolder))
{
    m_usesProgramFolder = canCreateFilesIn(m_programFolder);
    // A folder that cannot be made shows up later as the settings file's
    // "Unable to write to" error, which names the path.
    if (!m_usesProgramFolder)
        QDir().mkpath(m_userDataFolder);
}

ProgramFolders ProgramFolders::forRunningProgram()
{
    return ProgramFolders(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

const ProgramFolders &CurrentProgramFolders()
{
    auto &folders = current();
    if (!folders)
        folders = ProgramFolders::forRunningProgram();
    return *folders;
}

void SetProgramFolders(const ProgramFolders &folders)
{
    current() = folders;
}

QString ProgramFolder()
{
    return CurrentProgramFolders().programFolder();
}

QString DataFolder()
{
    return CurrentProgramFolders().dataFolder();
}

void SetSettingsFileBaseName(const QString &baseName)
{
    settingsBaseName() = baseName;
}

QString SettingsFileName()
{
    return CurrentProgramFolders().settingsFileName(settingsBaseName());
}

IniFile SettingsFile()
{
    return IniFile(SettingsFileName());
}

} // namespace ql
