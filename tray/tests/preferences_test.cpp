#include "colorref.h"
#include "inifile.h"
#include "traypreferences.h"
#include "traytestutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ql;

TEST(TrayPreferences, NoSettingsFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const TrayPreferences p = LoadPreferences(IniFile(dir.filePath(QStringLiteral("OSPRL.INI"))));
    EXPECT_EQ(p.Font.Name, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(p.Font.Bold);
    EXPECT_FALSE(p.Font.Italic);
    EXPECT_EQ(p.Font.Color, QColor(Qt::black));
    EXPECT_EQ(p.CalendarColor, QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(p.NotesColor, QColor(Qt::red));
    EXPECT_EQ(p.WeekStart, 1);
}

TEST(TrayPreferences, ReadsTheKeysOfTheSettingsSection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OSPRL.INI"));
    traytest::writeFile(path, "[Settings]\r\nFont Name=Arial\r\nFont Bold=0\r\nFont Italic=1\r\n"
                              "Calendar Color=16777215\r\nWSO=2\r\nFont Color=32768\r\n"
                              "Days With Notes Font Color=$FF0000\r\n");
    const TrayPreferences p = LoadPreferences(IniFile(path));
    EXPECT_EQ(p.Font.Name, QStringLiteral("Arial"));
    EXPECT_FALSE(p.Font.Bold);
    EXPECT_TRUE(p.Font.Italic);
    EXPECT_EQ(p.CalendarColor, QColor(Qt::white));
    EXPECT_EQ(p.WeekStart, 2);
    EXPECT_EQ(p.Font.Color, QColor(0, 0x80, 0)); // green: red sits in the low byte
    EXPECT_EQ(p.NotesColor, QColor(0, 0, 0xFF));
}

TEST(TrayPreferences, SavesAllSevenKeysInOrderWithoutUnderline)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OSPRL.INI"));
    IniFile file(path);
    TrayPreferences p;
    p.Font = {QStringLiteral("Arial"), true, true, true, true, QColor(0, 0x80, 0)};
    p.CalendarColor = QColor(0x12, 0x34, 0x56);
    p.WeekStart = 2;
    p.NotesColor = QColor(0, 0, 0xFF);
    SavePreferences(file, p);

    EXPECT_EQ(file.sectionKeys(QStringLiteral("Settings")),
              (QStringList{"Font Name", "Font Bold", "Font Italic", "Calendar Color", "WSO",
                           "Font Color", "Days With Notes Font Color"}));
    EXPECT_EQ(file.readInteger(QStringLiteral("Settings"), QStringLiteral("Calendar Color"), 0),
              0x563412);
    TrayPreferences back = LoadPreferences(file);
    EXPECT_FALSE(back.Font.Underline); // underline and strike-out last for one run only
    EXPECT_FALSE(back.Font.StrikeOut);
    back.Font.Underline = back.Font.StrikeOut = true;
    EXPECT_EQ(back, p);
}

TEST(ColorRef, RedSitsInTheLowByteAndSystemColoursFallBack)
{
    EXPECT_EQ(ColorFromColorRef(0x0000FF, Qt::black), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromColorRef(0xC0C0C0, Qt::black), QColor(192, 192, 192));
    EXPECT_EQ(ColorFromColorRef(0xFF0000, Qt::black), QColor(0, 0, 255));
    EXPECT_EQ(ColorRefFromColor(QColor(255, 0, 0)), 255);
    EXPECT_EQ(ColorRefFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    // $80000019 is no system colour the settings know: the fallback.
    EXPECT_EQ(ColorFromColorRef(static_cast<int>(0x80000019u), Qt::magenta), QColor(Qt::magenta));
    EXPECT_TRUE(ColorFromColorRef(static_cast<int>(0x8000000Fu), Qt::magenta).isValid());
}
