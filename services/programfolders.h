#pragma once

#include "inifile.h"

#include <QString>

namespace ql {

// Where a program finds its own files and where it writes.
//
// The programs keep their settings file and data beside the executable, as
// they always have. An installed program on Linux usually lives in a folder
// its user cannot write (/usr/bin), so when the program folder is not
// writable everything the program writes, and therefore reads back, goes to
// the user's per-program data folder instead (~/.local/share/<program>).
// The choice is made once, when the object is built, by trying to create a
// file in the program folder: permission bits do not tell the whole story
// (read-only mounts, root).
class ProgramFolders
{
public:
    // Both folders are given, so tests can choose; the user data folder is
    // created when it is the one chosen and does not exist yet.
    ProgramFolders(const QString &programFolder, const QString &userDataFolder);
    // The running executable's folder and QStandardPaths::AppDataLocation.
    static ProgramFolders forRunningProgram();

    // Folders end in '/'.
    const QString &programFolder() const { return m_programFolder; }
    const QString &userDataFolder() const { return m_userDataFolder; }
    const QString &dataFolder() const
    {
        return m_usesProgramFolder ? m_programFolder : m_userDataFolder;
    }
    bool usesProgramFolder() const { return m_usesProgramFolder; }
    QString settingsFileName(const QString &baseName) const { return dataFolder() + baseName; }

private:
    QString m_programFolder;
    QString m_userDataFolder;
    bool m_usesProgramFolder = false;
};

// The process-wide folders the programs use, set up from the running program
// on first use.
const ProgramFolders &CurrentProgramFolders();
// Replaces them (tests, or a program that wants other folders).
void SetProgramFolders(const ProgramFolders &folders);

// The folder of the running executable, ending in '/'.
QString ProgramFolder();
// The folder settings, notes and other written data go to (see above); the
// About boxes show it.
QString DataFolder();
// The settings file's base name differs per program ("QL.ini", "OSPRL.INI");
// each program sets it once at start-up.
void SetSettingsFileBaseName(const QString &baseName);
// DataFolder() + the settings file's base name.
QString SettingsFileName();
IniFile SettingsFile();

} // namespace ql
