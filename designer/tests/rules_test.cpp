// The pure rules beside the main window: captions, proposed names, zoom
// steps, button states, recent files, preferences and the editor's colours.
#include "buttonstates.h"
#include "calendarpanel.h"
#include "designerpreferences.h"
#include "documentnames.h"
#include "editorcolors.h"
#include "inifile.h"
#include "recentfiles.h"
#include "zoomsteps.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ql;

TEST(Rules, CaptionNamesTheFileAndTheMagnification)
{
    EXPECT_EQ(WindowCaption(QString(), 60), QStringLiteral("Quillon    [60%]"));
    EXPECT_EQ(WindowCaption(QStringLiteral("/home/me/cals/DEC1997.QLF"), 70),
              QStringLiteral("Quillon  [DEC1997.QLF]    [70%]"));
}

TEST(Rules, ProposedNames)
{
    TCalendarPanel page;
    page.SetMainCalMonth(12);
    page.SetMainCalYear(1997);
    EXPECT_EQ(ProposedCalendarFileName(page, QString()), QStringLiteral("Dec1997.QLF"));
    EXPECT_EQ(ProposedCalendarFileName(page, QStringLiteral("/x/work.qlf")), QStringLiteral("work.qlf"));
    page.SetMainCalMonth(1);
    page.SetMainCalYear(1998);
    EXPECT_EQ(ProposedImageFileName(page, QString(), QStringLiteral(".BMP")), QStringLiteral("Jan1998.BMP"));
    EXPECT_EQ(ProposedImageFileName(page, QStringLiteral("/x/my.plan.QLF"), QStringLiteral(".BMP")),
              QStringLiteral("my.plan.BMP"));
    // A month name is the user's text: a slash must not lead into a folder.
    page.SetMonthName(1, QStringLiteral("J/an"));
    EXPECT_EQ(ProposedCalendarFileName(page, QString()), QStringLiteral("Ja1998.QLF"));

    EXPECT_TRUE(HasCalendarFileExtension(QStringLiteral("/a/b.qlf")));
    EXPECT_TRUE(HasCalendarFileExtension(QStringLiteral("/a/b.QLF")));
    EXPECT_FALSE(HasCalendarFileExtension(QStringLiteral("/a/b.QLS")));
    EXPECT_FALSE(HasCalendarFileExtension(QStringLiteral("/a/QLF")));
}

TEST(Rules, ZoomStepsStopAtTheirBoundsAndKeepOddGrids)
{
    struct Case { int from, in, out; };
    const Case cases[] = {{60, 70, 50}, {90, 100, 80}, {100, 100, 90}, {40, 50, 30},
                          {30, 40, 30}, {95, 105, 85}, {35, 45, 25}, {25, 35, 25}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(ZoomedIn(c.from), c.in);
        EXPECT_EQ(ZoomedOut(c.from), c.out);
    }
}

TEST(Rules, ButtonStates)
{
    struct Case
    {
        const char *name;
        ButtonInputs in;
        ButtonStates out;
    };
    auto inputs = [](bool page, bool file, bool modified, bool focused, bool printer, int layout) {
        ButtonInputs i;
        i.PageVisible = page;
        i.HasFileName = file;
        i.Modified = modified;
        i.EditorFocused = focused;
        i.PrinterAvailable = printer;
        i.Layout = layout;
        return i;
    };
    auto states = [](bool icons, bool save, bool toolbar, bool pageCmds, bool print, bool cancelCh,
                     bool zoom, bool saveBtn, bool cancelBtn) {
        return ButtonStates{icons, save, toolbar, pageCmds, print, cancelCh, zoom, saveBtn, cancelBtn};
    };
    const Case cases[] = {
        {"no document", inputs(false, false, false, false, true, loFullCalendar),
         states(true, false, false, false, false, false, false, false, false)},
        {"cleared without a page", inputs(false, false, true, false, true, LOFullCalendarLS),
         states(true, false, false, false, false, false, false, true, false)},
        {"untitled, editing", inputs(true, false, true, true, false, loFC12AfterLS),
         states(true, false, true, true, false, false, true, true, false)},
        {"saved file", inputs(true, true, false, false, true, loWeek),
         states(true, true, false, true, true, true, true, false, false)},
        {"changed file", inputs(true, true, true, false, true, loDay15),
         states(true, true, false, true, true, true, true, true, true)},
        {"mini grid", inputs(true, true, false, false, true, lopMC6Month),
         states(false, true, false, true, true, true, true, false, false)},
        {"last mini grid", inputs(true, true, false, false, true, loMC60MonthLS),
         states(false, true, false, true, true, true, true, false, false)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(ComputeButtonStates(c.in) == c.out);
    }
}

TEST(Rules, RecentFilesKeepFiveMostRecentFirst)
{
    RecentFiles list;
    for (int i = 1; i <= 6; ++i)
        list.add(QStringLiteral("/cal/%1.QLF").arg(i));
    EXPECT_EQ(list.entries(), (QStringList{"/cal/6.QLF", "/cal/5.QLF", "/cal/4.QLF", "/cal/3.QLF",
                                           "/cal/2.QLF"}));
    // Present already (in another case): moves to the top, no duplicate.
    list.add(QStringLiteral("/CAL/3.qlf"));
    EXPECT_EQ(list.entries(), (QStringList{"/CAL/3.qlf", "/cal/6.QLF", "/cal/5.QLF", "/cal/4.QLF",
                                           "/cal/2.QLF"}));
    list.remove(QStringLiteral("/cal/6.qlf"));
    EXPECT_EQ(list.entries().size(), 4);

    EXPECT_EQ(RecentFiles::caption(0, QStringLiteral("/a/b.QLF")), QStringLiteral("&1 /a/b.QLF"));
    EXPECT_EQ(RecentFiles::caption(4, QStringLiteral("/R&D/b.QLF")), QStringLiteral("&5 /R&&D/b.QLF"));
}

TEST(Rules, RecentFilesInTheSettingsFile)
{
    QTemporaryDir dir;
    const QString name = dir.path() + QStringLiteral("/QL.ini");
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // Written by hand: more than five keys, an empty one, a duplicate, and an
    // unrelated section that must survive a rewrite.
    f.write("[Zooming]\nMain=70\n[MRU]\nF0=/a.QLF\nF1=\nF2=/b.QLF\nF3=/A.qlf\nF4=/c.QLF\n"
            "F5=/d.QLF\nF6=/e.QLF\nF7=/f.QLF\n");
    f.close();
    IniFile ini(name);
    RecentFiles list;
    list.load(ini);
    EXPECT_EQ(list.entries(), (QStringList{"/a.QLF", "/b.QLF", "/c.QLF", "/d.QLF", "/e.QLF"}));

    list.add(QStringLiteral("/new.QLF"));
    list.save(ini);
    EXPECT_EQ(ini.sectionKeys(QStringLiteral("MRU")),
              (QStringList{"F0", "F1", "F2", "F3", "F4"}));
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F0"), {}), QStringLiteral("/new.QLF"));
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F4"), {}), QStringLiteral("/d.QLF"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 0), 70);
}

TEST(Rules, PreferencesDefaultsRoundTripAndDamagedValues)
{
    QTemporaryDir dir;
    IniFile ini(dir.path() + QStringLiteral("/QL.ini"));
    const DesignerPreferences defaults = DesignerPreferences::load(ini, QStringLiteral("/opt/ql/"));
    EXPECT_EQ(defaults.MainZoom, 60);
    EXPECT_EQ(defaults.PropertiesZoom, 30);
    EXPECT_EQ(defaults.DefaultFontName, QStringLiteral("Arial"));
    EXPECT_EQ(defaults.DefaultFontSize, 10);
    EXPECT_EQ(defaults.DefaultFontColor, 0);
    EXPECT_FALSE(defaults.DefaultFontBold || defaults.DefaultFontItalic
                 || defaults.DefaultFontUnderline || defaults.DefaultFontStrikeout);
    EXPECT_EQ(defaults.IconFile, QStringLiteral("/opt/ql/MISC1.ICL"));
    EXPECT_TRUE(defaults.ShowHints);

    DesignerPreferences p = defaults;
    p.MainZoom = 95;
    p.PropertiesZoom = 40;
    p.DefaultFontName = QStringLiteral("Courier New");
    p.DefaultFontSize = 14;
    p.DefaultFontStrikeout = true;
    p.DefaultFontColor = 0x0000FF;
    p.IconFile = QStringLiteral("/x/events.icl");
    p.ShowHints = false;
    p.save(ini);
    EXPECT_TRUE(DesignerPreferences::load(ini, QStringLiteral("/opt/ql/")) == p);
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), {}),
              QStringLiteral("1"));

    // Values that would give a page of no size, or one too large to draw.
    for (const char *zoom : {"0", "-20", "100000", "abc"}) {
        SCOPED_TRACE(zoom);
        ini.writeString(QStringLiteral("Zooming"), QStringLiteral("Main"), QString::fromLatin1(zoom));
        ini.writeString(QStringLiteral("Default Font"), QStringLiteral("Size"), QString::fromLatin1(zoom));
        const DesignerPreferences d = DesignerPreferences::load(ini, QString());
        EXPECT_EQ(d.MainZoom, 60);
        EXPECT_EQ(d.DefaultFontSize, 10);
    }
}

TEST(Rules, DefaultFontColourTakesTheHighestMatchingTableIndexOrBlack)
{
    EXPECT_EQ(EditorColorIndex(0x0000FF), 9);  // red
    EXPECT_EQ(EditorColorIndex(0xFFFFFF), 15); // white
    EXPECT_EQ(EditorColorIndex(0x123456), 0);  // not in the table
}
