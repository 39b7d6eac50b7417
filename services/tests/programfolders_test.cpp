#include "programfolders.h"
#include "testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ql;

namespace {

// Which folder written data goes to, for program folders a user can and
// cannot write. Permission bits do not stop root: /proc and a missing folder
// refuse everyone, the read-only folder case needs an ordinary user.
struct FolderCase
{
    const char *name;
    bool permissionBased;
    std::function<QString(const QString &root)> programFolder;
    bool usesProgramFolder;
};

void PrintTo(const FolderCase &c, std::ostream *os)
{
    *os << c.name;
}

class ProgramFolderChoice : public ::testing::TestWithParam<FolderCase>
{
};

TEST_P(ProgramFolderChoice, WritesWhereTheProgramMay)
{
    const FolderCase &c = GetParam();
    if (c.permissionBased && testutil::runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    QTemporaryDir root;
    const QString program = c.programFolder(root.path());
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    const QString user = root.path() + "/home/.local/share/Quillon";

    const ProgramFolders folders(program, user);

    EXPECT_EQ(folders.usesProgramFolder(), c.usesProgramFolder);
    EXPECT_EQ(folders.programFolder(), QDir::cleanPath(program) + '/');
    EXPECT_EQ(folders.userDataFolder(), user + '/');
    const QString expected = c.usesProgramFolder ? folders.programFolder() : user + '/';
    EXPECT_EQ(folders.dataFolder(), expected);
    EXPECT_EQ(folders.settingsFileName("QL.ini"), expected + "QL.ini");
    // The user's folder is made only when it is used.
    EXPECT_EQ(QFileInfo(user).isDir(), !c.usesProgramFolder);
    // The probe file is gone again.
    if (c.usesProgramFolder) {
        EXPECT_EQ(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Writes and reads through the chosen folder meet.
    IniFile settings(folders.settingsFileName("OSPRL.INI"));
    settings.writeInteger("Settings", "WeekStart", 2);
    EXPECT_EQ(IniFile(expected + "OSPRL.INI").readInteger("Settings", "WeekStart", 0), 2);
}

const FolderCase folderCases[] = {
    {"WritableProgramFolder", false,
     [](const QString &root) {
         QDir(root).mkpath("opt/quillon");
         return root + "/opt/quillon";
     },
     true},
    {"TrailingSlashAndDots", false,
     [](const QString &root) {
         QDir(root).mkpath("opt/quillon");
         return root + "/opt/./quillon/";
     },
     true},
    {"ReadOnlyProgramFolder", true,
     [](const QString &root) {
         QDir(root).mkpath("usr/bin");
         QFile::setPermissions(root + "/usr/bin", QFile::ReadOwner | QFile::ExeOwner);
         return root + "/usr/bin";
     },
     false},
    {"ProgramFolderInProc", false, [](const QString &) { return QStringLiteral("/proc"); }, false},
    {"MissingProgramFolder", false, [](const QString &root) { return root + "/gone"; }, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProgramFolderChoice, ::testing::ValuesIn(folderCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ProgramFolders, ProcessWideSettingsFileFollowsTheChoice)
{
    QTemporaryDir root;
    SetProgramFolders(ProgramFolders("/proc", root.path() + "/data"));
    SetSettingsFileBaseName("OSPRL.INI");
    EXPECT_EQ(DataFolder(), root.path() + "/data/");
    EXPECT_EQ(SettingsFileName(), root.path() + "/data/OSPRL.INI");
    EXPECT_EQ(SettingsFile().fileName(), SettingsFileName());

    SetProgramFolders(ProgramFolders(root.path(), root.path() + "/data2"));
    SetSettingsFileBaseName("QL.ini");
    EXPECT_EQ(SettingsFileName(), root.path() + "/QL.ini");
    EXPECT_FALSE(QFileInfo::exists(root.path() + "/data2"));

    // The running program's own folder: where this test executable lives.
    SetProgramFolders(ProgramFolders::forRunningProgram());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + '/');
}

} // namespace
