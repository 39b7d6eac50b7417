#include "error.h"
#include "inifile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace ql;
using testutil::readFile;
using testutil::writeFile;

namespace {

// Text with NUL bytes in it.
template <std::size_t N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Marks a case whose settings file does not exist at all.
const QByteArray NoFile = QByteArrayLiteral("<no file>");

class IniFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("QL.ini")) const
    {
        return m_dir.filePath(name);
    }
    IniFile fileWith(const QByteArray &content) const
    {
        QFile::remove(path());
        if (content != NoFile)
            writeFile(path(), content);
        return IniFile(path());
    }

    QTemporaryDir m_dir;
};

struct StringCase
{
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    QString expected;
};

TEST_F(IniFileTest, ReadsStringsLikeThePrivateProfileFunctions)
{
    const QString dflt = QStringLiteral("<default>");
    const StringCase cases[] = {
        {"missing file", NoFile, "Settings", "Color", dflt},
        {"empty file", "", "Settings", "Color", dflt},
        {"missing section", "[Other]\nColor=1\n", "Settings", "Color", dflt},
        {"missing key", "[Settings]\nFont=Arial\n", "Settings", "Color", dflt},
        {"plain", "[Settings]\nColor=red\n", "Settings", "Color", "red"},
        {"section ignores case", "[SETTINGS]\nColor=red\n", "settings", "Color", "red"},
        {"key ignores case", "[Settings]\ncOLOR=red\n", "Settings", "Color", "red"},
        {"blanks trimmed", "  [ Settings ]  \n  Color  =  dark red  \n", "Settings", "Color",
         "dark red"},
        {"tabs trimmed", "[Settings]\n\tColor\t=\tred\t\n", "Settings", "Color", "red"},
        {"quotes removed", "[Settings]\nName=\" padded \"\n", "Settings", "Name", " padded "},
        {"unmatched quote kept", "[Settings]\nName=\"abc\n", "Settings", "Name", "\"abc"},
        {"equals in value", "[MRU]\nFile1=C:\\a=b.QLF\n", "MRU", "File1", "C:\\a=b.QLF"},
        {"empty value", "[Settings]\nColor=\n", "Settings", "Color", ""},
        {"CRLF lines", "[A]\r\nx=1\r\n[Settings]\r\nColor=red\r\n", "Settings", "Color", "red"},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF[Settings]\nColor=red\n", "Settings", "Color",
         "red"},
        {"UTF-8 value", "[Settings]\nDay=Mi\xC3\xA9rcoles\n", "Settings", "Day",
         QStringLiteral("Mi\u00E9rcoles")},
        {"Windows-1252 value", "[Settings]\nDay=Mi\xE9rcoles\n", "Settings", "Day",
         QStringLiteral("Mi\u00E9rcoles")},
        {"first key of a repeated key", "[Settings]\nColor=1\nColor=2\n", "Settings", "Color", "1"},
        {"first of two sections", "[Settings]\nA=1\n[Settings]\nColor=2\n", "Settings", "Color",
         dflt},
        {"key of the next section", "[Settings]\nA=1\n[Next]\nColor=2\n", "Settings", "Color",
         dflt},
        {"commented key", "[Settings]\n;Color=red\n#Color=blue\n", "Settings", "Color", dflt},
        {"key before any section", "Color=red\n[Settings]\n", "Settings", "Color", dflt},
        {"line without equals", "[Settings]\nColor\n", "Settings", "Color", dflt},
        {"no line break at the end", "[Settings]\nColor=red", "Settings", "Color", "red"},
        {"NUL bytes elsewhere", bytes("[Junk]\n\0\0\0=\0\n[Settings]\nColor=red\n"), "Settings",
         "Color", "red"},
    };
    for (const StringCase &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = fileWith(c.file);
        EXPECT_EQ(ini.readString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), dflt),
                  c.expected);
    }
}

TEST_F(IniFileTest, TextValuesAreCutAt1023Characters)
{
    const IniFile ini = fileWith("[Settings]\nLong=" + QByteArray(5000, 'v') + "\nNext=after\n");
    EXPECT_EQ(ini.readString("Settings", "Long", ""), QString(1023, u'v'));
    EXPECT_EQ(ini.readString("Settings", "Next", ""), "after");
    EXPECT_EQ(ini.readString("Settings", "Missing", QString(2000, u'd')), QString(1023, u'd'));
}

struct IntegerCase
{
    const char *value;
    int expected; // Default is the default
};
constexpr int Default = 77;

TEST_F(IniFileTest, ReadsIntegersInDecimalAndHexadecimal)
{
    const IntegerCase cases[] = {
        {"42", 42},
        {"-5", -5},
        {"+5", 5},
        {" 7 ", 7},
        {"0", 0},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$FF", 255},
        {"$ff", 255},
        {"$00000010", 16},
        {"$FFFFFFFF", -1}, // colours are signed 32-bit bit patterns
        {"$80000005", -2147483643},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", Default},
        {"$100000000", Default},
        {"12abc", Default},
        {"abc", Default},
        {"", Default},
        {"$", Default},
        {"0x", Default},
        {"-", Default},
        {"1.5", Default},
        {"1 2", Default},
        {"\xD9\xA3", Default}, // an Arabic-Indic digit is no decimal digit here
    };
    for (const IntegerCase &c : cases) {
        SCOPED_TRACE(c.value);
        const IniFile ini = fileWith(QByteArray("[Settings]\nValue=") + c.value + "\n");
        EXPECT_EQ(ini.readInteger("Settings", "Value", Default), c.expected);
    }
    EXPECT_EQ(fileWith(NoFile).readInteger("Settings", "Value", -3), -3);
}

TEST_F(IniFileTest, ReadsBooleansAsNonZeroIntegers)
{
    struct BoolCase
    {
        const char *value;
        bool whenDefaultFalse;
        bool whenDefaultTrue;
    };
    const BoolCase cases[] = {
        {"1", true, true},    {"0", false, false},  {"-1", true, true}, {"2", true, true},
        {"$0", false, false}, {"yes", false, true}, {"", false, true},  {"true", false, true},
    };
    for (const BoolCase &c : cases) {
        SCOPED_TRACE(c.value);
        const IniFile ini = fileWith(QByteArray("[Settings]\nFlag=") + c.value + "\n");
        EXPECT_EQ(ini.readBool("Settings", "Flag", false), c.whenDefaultFalse);
        EXPECT_EQ(ini.readBool("Settings", "Flag", true), c.whenDefaultTrue);
    }
}

struct WriteCase
{
    const char *name;
    QByteArray before;
    std::function<void(IniFile &)> edit;
    QByteArray after;
};

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLines)
{
    const WriteCase cases[] = {
        {"new file", NoFile, [](IniFile &f) { f.writeString("Settings", "Color", "red"); },
         "[Settings]\nColor=red\n"},
        {"replaces the value, keeps the file's key spelling out", "[Settings]\nCOLOR = 5\nB=1\n",
         [](IniFile &f) { f.writeInteger("settings", "Color", -16777201); },
         "[Settings]\nColor=-16777201\nB=1\n"},
        {"new key after the section's last line, comments and other sections kept",
         "; my settings\r\n[MRU]\r\nFile1=a.qlf\r\n\r\n[Settings]\r\nColor=5\r\n; note\r\n\r\n"
         "[Other]\r\nx=1\r\n",
         [](IniFile &f) { f.writeInteger("SETTINGS", "Zoom", 70); },
         "; my settings\r\n[MRU]\r\nFile1=a.qlf\r\n\r\n[Settings]\r\nColor=5\r\n; note\r\n"
         "Zoom=70\r\n\r\n[Other]\r\nx=1\r\n"},
        {"new key in the last section", "[A]\nx=1\n\n[B]\ny=2",
         [](IniFile &f) { f.writeString("b", "z", "3"); }, "[A]\nx=1\n\n[B]\ny=2\nz=3\n"},
        {"new section after a file without a final line break", "[A]\nx=1",
         [](IniFile &f) { f.writeString("B", "y", "2"); }, "[A]\nx=1\n\n[B]\ny=2\n"},
        {"new section keeps the file's CRLF", "[A]\r\nx=1\r\n",
         [](IniFile &f) { f.writeBool("B", "On", true); }, "[A]\r\nx=1\r\n\r\n[B]\r\nOn=1\r\n"},
        {"booleans as 0", "", [](IniFile &f) { f.writeBool("B", "On", false); }, "[B]\nOn=0\n"},
        {"only the first of two sections changes", "[S]\nk=1\n[S]\nk=2\n",
         [](IniFile &f) { f.writeString("S", "k", "9"); }, "[S]\nk=9\n[S]\nk=2\n"},
        {"line breaks in a value become blanks", "",
         [](IniFile &f) { f.writeString("S", "k", "a\r\nb\nc"); }, "[S]\nk=a  b c\n"},
        {"Windows-1252 bytes of other lines survive",
         "[MRU]\nFile1=C:\\Stra\xDF"
         "e.QLF\n",
         [](IniFile &f) { f.writeString("MRU", "File2", QStringLiteral("\u00E9t\u00E9")); },
         "[MRU]\nFile1=C:\\Stra\xDF"
         "e.QLF\nFile2=\xC3\xA9t\xC3\xA9\n"},
        {"erase a section with its comments", "[A]\nx=1\n[B]\ny=2\n;c\n\n[C]\nz=3\n",
         [](IniFile &f) { f.eraseSection("b"); }, "[A]\nx=1\n[C]\nz=3\n"},
        {"erase every section of the name", "[B]\ny=1\n[A]\nx=1\n[B]\ny=2\n",
         [](IniFile &f) { f.eraseSection("B"); }, "[A]\nx=1\n"},
        {"erase a missing section", "[A]\nx=1\n", [](IniFile &f) { f.eraseSection("B"); },
         "[A]\nx=1\n"},
        {"erase in a missing file creates nothing", NoFile, [](IniFile &f) { f.eraseSection("B"); },
         NoFile},
        {"delete a key", "[A]\nx=1\ny=2\n[B]\nx=3\n", [](IniFile &f) { f.deleteKey("A", "X"); },
         "[A]\ny=2\n[B]\nx=3\n"},
        {"a very long line elsewhere passes through whole",
         "[Junk]\nj=" + QByteArray(100000, 'j') + "\n[S]\nk=1\n",
         [](IniFile &f) { f.writeString("S", "k", "2"); },
         "[Junk]\nj=" + QByteArray(100000, 'j') + "\n[S]\nk=2\n"},
        {"a very long value is replaced whole", "[S]\nk=" + QByteArray(100000, 'v') + "\nz=0\n",
         [](IniFile &f) { f.writeString("S", "k", "short"); }, "[S]\nk=short\nz=0\n"},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini = fileWith(c.before);
        c.edit(ini);
        if (c.after == NoFile)
            EXPECT_FALSE(QFile::exists(path()));
        else
            EXPECT_EQ(readFile(path()), c.after);
    }
}

TEST_F(IniFileTest, WrittenValuesReadBack)
{
    IniFile ini(path());
    ini.writeInteger("Settings", "Color", -2147483647 - 1);
    ini.writeString("Settings", "Font", QStringLiteral("Times New Roman"));
    ini.writeBool("Settings", "Hints", true);
    ini.writeString("MRU", "File1", QStringLiteral("/home/me/Jänner.QLF"));
    EXPECT_EQ(ini.readInteger("settings", "color", 0), -2147483647 - 1);
    EXPECT_EQ(ini.readString("Settings", "Font", ""), "Times New Roman");
    EXPECT_TRUE(ini.readBool("Settings", "Hints", false));
    EXPECT_EQ(ini.readString("mru", "file1", ""), QStringLiteral("/home/me/Jänner.QLF"));
    EXPECT_TRUE(ini.sectionExists("mru"));
    EXPECT_EQ(ini.sectionKeys("SETTINGS"), QStringList({"Color", "Font", "Hints"}));
    ini.eraseSection("Settings");
    EXPECT_FALSE(ini.sectionExists("Settings"));
    EXPECT_EQ(ini.readInteger("Settings", "Color", 5), 5);
}

TEST_F(IniFileTest, NothingIsCachedBetweenCalls)
{
    IniFile ini(path());
    ini.writeString("S", "k", "mine");
    writeFile(path(), "[S]\nk=edited by hand\n");
    EXPECT_EQ(ini.readString("S", "k", ""), "edited by hand");
    ini.writeString("S", "other", "x");
    EXPECT_EQ(readFile(path()), "[S]\nk=edited by hand\nother=x\n");
}

TEST_F(IniFileTest, KeepsTheCommittedWindowsFileIntact)
{
    const QString fixture = QStringLiteral(QL_SERVICES_TEST_DATA "/data/windows-ql.ini");
    const QByteArray original = readFile(fixture);
    ASSERT_FALSE(original.isEmpty());
    writeFile(path(), original);
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("TCalendarMain_Placement", "Right", 0), 812);
    EXPECT_TRUE(ini.readBool("TCalendarMain_Placement", "Maximized", false));
    EXPECT_EQ(ini.readInteger("Preferences", "TitleColor", 0), 0xC0C0C0);
    EXPECT_EQ(ini.readString("MRU", "File1", ""), QStringLiteral("C:\\Calendars\\Jänner.QLF"));

    ini.writeInteger("TCalendarMain_Placement", "Right", 900);
    QByteArray expected = original;
    expected.replace("Right=812\r\n", "Right=900\r\n");
    EXPECT_EQ(readFile(path()), expected);
}

TEST_F(IniFileTest, JunkFilesReadAsDefaultsAndSurviveWrites)
{
    const QString fixture = QStringLiteral(QL_SERVICES_TEST_DATA "/errors/junk.ini");
    const QByteArray junk = readFile(fixture);
    ASSERT_FALSE(junk.isEmpty());
    writeFile(path(), junk);
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("Settings", "Color", 123), 123);
    EXPECT_EQ(ini.sectionKeys("Settings"), QStringList());
    ini.writeInteger("Settings", "Color", 5);
    EXPECT_EQ(ini.readInteger("Settings", "Color", 123), 5);
    EXPECT_TRUE(readFile(path()).startsWith(junk));
}

TEST_F(IniFileTest, PiecesOfAnOverlongLineAreNoLines)
{
    // Read in pieces, the tail of this single line would look like a section
    // header followed by a key.
    const QByteArray line = "x=" + QByteArray(8190, 'x') + "[Settings]Color=9";
    IniFile ini = fileWith(line + "\n");
    EXPECT_FALSE(ini.sectionExists("Settings"));
    EXPECT_EQ(ini.readInteger("Settings", "Color", 1), 1);
    ini.writeInteger("Settings", "Color", 2);
    EXPECT_EQ(readFile(path()), line + "\n\n[Settings]\nColor=2\n");
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(IniFileTest, HugeFilesCostBoundedMemory)
{
    // 48 MiB of junk without a single line break, then a real section.
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray block(1 << 20, '\0');
        for (int i = 0; i < block.size(); ++i) {
            const char c = static_cast<char>((i * 37 + 11) % 256);
            block[i] = c == '\n' ? 'n' : c;
        }
        for (int i = 0; i < 48; ++i)
            ASSERT_EQ(f.write(block), block.size());
        f.write("\n[Settings]\nColor=7\n");
    }
    const long before = peakResidentKiB();
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("Settings", "Color", 0), 7);
    ini.writeInteger("Settings", "Zoom", 80);
    EXPECT_EQ(ini.readInteger("Settings", "Zoom", 0), 80);
    EXPECT_EQ(QFileInfo(path()).size(), 48LL * (1 << 20) + 28);
    // Holding the file, or even one line of it, would add at least 48 MiB.
    EXPECT_LT(peakResidentKiB() - before, 8 * 1024);
}

TEST(IniFileLimits, AnEndlessFileReadsAsDefaults)
{
    // One line without end: reading must give up rather than run forever.
    const IniFile ini(QStringLiteral("/dev/zero"));
    EXPECT_EQ(ini.readInteger("Settings", "Color", 9), 9);
    EXPECT_FALSE(ini.sectionExists("Settings"));
}

// Writes that the system refuses. Permission bits do not stop root, so those
// cases skip there; /proc and a path through a regular file refuse everyone.
struct FailureCase
{
    const char *name;
    bool permissionBased;
    std::function<QString(const QString &dir)> prepare; // returns the settings path
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class IniFileWriteFailure : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(IniFileWriteFailure, ThrowsUnableToWriteAndKeepsTheFile)
{
    const FailureCase &c = GetParam();
    if (c.permissionBased && testutil::runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    QTemporaryDir dir;
    const QString settings = c.prepare(dir.path());
    // Give everything back so the temporary folder can be removed.
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);
    });
    const QByteArray before = readFile(settings);
    IniFile ini(settings);
    try {
        ini.writeInteger("Settings", "Color", 5);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), "Unable to write to " + QFileInfo(settings).absoluteFilePath());
    }
    EXPECT_EQ(readFile(settings), before);
    EXPECT_EQ(ini.readInteger("Settings", "Color", 1), before.isEmpty() ? 1 : 3);
}

const FailureCase failureCases[] = {
    {"ReadOnlyFile", true,
     [](const QString &dir) {
         const QString p = dir + "/QL.ini";
         writeFile(p, "[Settings]\nColor=3\n");
         QFile::setPermissions(p, QFile::ReadOwner);
         return p;
     }},
    {"ReadOnlyFolder", true,
     [](const QString &dir) {
         const QString p = dir + "/QL.ini";
         writeFile(p, "; keep me\n[Settings]\nColor=3\n");
         QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
         return p;
     }},
    {"UnreadableExistingFile", true,
     [](const QString &dir) {
         const QString p = dir + "/QL.ini";
         writeFile(p, "[Settings]\nColor=3\n");
         QFile::setPermissions(p, QFile::WriteOwner);
         return p;
     }},
    {"FolderInProc", false, [](const QString &) { return QStringLiteral("/proc/QL.ini"); }},
    {"FolderIsAFile", false,
     [](const QString &dir) {
         writeFile(dir + "/plain", "not a folder");
         return dir + "/plain/QL.ini";
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileWriteFailure, ::testing::ValuesIn(failureCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// A full disk must not cut the settings file short. Needs root to mount a
// small file system; skips elsewhere.
TEST(IniFileFullDisk, RefusedWriteKeepsTheWholeFile)
{
    QTemporaryDir dir;
    const bool mounted = QProcess::execute(QStringLiteral("mount"),
                                           {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                            QStringLiteral("size=64k"), QStringLiteral("tmpfs"), dir.path()}) == 0;
    if (!mounted)
        GTEST_SKIP() << "mounting a small file system needs root";
    // Unmounted when the test ends, after every file below is closed.
    const auto unmount = qScopeGuard([&dir] { QProcess::execute(QStringLiteral("umount"), {dir.path()}); });
    const QString path = dir.filePath(QStringLiteral("QL.ini"));
    {
        ql::IniFile ini(path);
        ini.writeString(QStringLiteral("Settings"), QStringLiteral("Name"), QString(20000, QLatin1Char('a')));
    }
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(36 * 1024, 'x'));
    }
    ql::IniFile ini(path);
    // The longer value is the file's last write, the one a short write cuts.
    EXPECT_THROW(ini.writeString(QStringLiteral("Settings"), QStringLiteral("Name"), QString(24000, QLatin1Char('b'))),
                 ql::Error);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
}
