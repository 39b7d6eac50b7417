#include "centerform.h"
#include "error.h"
#include "inifile.h"
#include "testutil.h"
#include "windowplacement.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Stand-ins named like the programs' windows: placement sections and centring
// go by the class name.
namespace ql {
class TMainForm : public QWidget
{
    Q_OBJECT
};
class TCalendarMain : public QMainWindow
{
    Q_OBJECT
};
class TCalendarProperties : public QDialog
{
    Q_OBJECT
};
} // namespace ql

using namespace ql;
using testutil::readFile;
using testutil::writeFile;

namespace {

const ScreenMetrics Screen1024{1024, 768, 96};

TEST(PlacementSection, NamedAfterTheClassAndTheResolution)
{
    struct Case
    {
        const char *className;
        int ppi;
        const char *expected;
    };
    const Case cases[] = {
        {"TMainForm", 96, "TMainForm_Placement"},
        {"TMainForm", 72, "TMainForm_Placement"},
        {"TMainForm", 97, "TMainForm_Placement97"},
        {"TMainForm", 120, "TMainForm_Placement120"},
        {"TCalendarMain", 144, "TCalendarMain_Placement144"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(PlacementSectionName(c.className, c.ppi), c.expected);
    }
    TCalendarProperties dialog;
    EXPECT_EQ(WindowClassName(&dialog), "TCalendarProperties");
}

TEST(PlacementFit, OnlyRightAndBottomEdgesComeBackOnScreen)
{
    struct Case
    {
        const char *name;
        WindowPlacement stored;
        WindowPlacement expected;
    };
    const Case cases[] = {
        {"inside", {10, 20, 810, 620, false}, {10, 20, 810, 620, false}},
        {"exactly at the edges", {0, 0, 1024, 768, false}, {0, 0, 1024, 768, false}},
        {"saved on a wider screen", {600, 100, 1200, 500, false}, {424, 100, 1024, 500, false}},
        {"saved on a taller screen", {10, 500, 310, 1000, true}, {10, 268, 310, 768, true}},
        {"both", {900, 700, 1300, 900, false}, {624, 568, 1024, 768, false}},
        {"off to the left and top stays",
         {-300, -50, 100, 200, false},
         {-300, -50, 100, 200, false}},
        {"wider than the screen ends left of it",
         {0, 0, 1100, 400, false},
         {-76, 0, 1024, 400, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const WindowPlacement fitted = FitPlacementToScreen(c.stored, 1024, 768);
        EXPECT_EQ(fitted, c.expected);
        EXPECT_EQ(fitted.Right - fitted.Left, c.stored.Right - c.stored.Left);
        EXPECT_EQ(fitted.Bottom - fitted.Top, c.stored.Bottom - c.stored.Top);
    }
}

TEST(CenterFormArithmetic, HalvesTruncateTowardZero)
{
    struct Case
    {
        const char *name;
        QSize window;
        bool onScreen;
        QRect main;
        QPoint expected;
    };
    const QRect main(100, 50, 800, 600);
    const Case cases[] = {
        {"main window on the screen", {332, 356}, true, {}, {346, 206}},
        {"odd remainder", {333, 357}, true, {}, {345, 205}},
        {"one pixel wider than the screen", {1025, 769}, true, {}, {0, 0}},
        {"three pixels wider than the screen", {1027, 771}, true, {}, {-1, -1}},
        {"dialog over the main window", {632, 362}, false, main, {184, 169}},
        {"dialog larger than the main window", {803, 605}, false, main, {99, 48}},
        {"main window off the screen", {200, 100}, false, {-500, -400, 400, 300}, {-400, -300}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CenteredPosition(c.window, c.onScreen, QSize(1024, 768), c.main), c.expected);
    }
}

class PlacementTest : public ::testing::Test
{
protected:
    void SetUp() override { SetMainWindowClassName("TCalendarMain"); }
    QString path() const { return m_dir.filePath("OSPRL.INI"); }

    QTemporaryDir m_dir;
};

TEST_F(PlacementTest, FirstRunCentresAndWritesAtOnce)
{
    SetMainWindowClassName("TMainForm");
    IniFile ini(path());
    TMainForm window;
    window.resize(332, 356);
    LoadWindowPlacement(&window, ini, Screen1024);
    EXPECT_EQ(window.geometry(), QRect(346, 206, 332, 356));
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(readFile(path()), "[TMainForm_Placement]\nLeft=346\nTop=206\nRight=678\n"
                                "Bottom=562\nMaximized=0\n");
}

TEST_F(PlacementTest, StoredPlacementFromALargerScreenMovesLeft)
{
    writeFile(path(), "[TMainForm_Placement]\nLeft=600\nTop=100\nRight=1200\nBottom=500\n"
                      "Maximized=0\n");
    IniFile ini(path());
    TMainForm window;
    LoadWindowPlacement(&window, ini, Screen1024);
    EXPECT_EQ(window.geometry(), QRect(424, 100, 600, 400));
    EXPECT_EQ(ReadWindowPlacement(ini, "TMainForm_Placement", true),
              (WindowPlacement{424, 100, 1024, 500, false}));
}

TEST_F(PlacementTest, EachResolutionKeepsItsOwnSection)
{
    const QByteArray at96 = "[TMainForm_Placement]\nLeft=1\nTop=2\nRight=301\nBottom=202\n"
                            "Maximized=0\n";
    writeFile(path(), at96);
    IniFile ini(path());
    TMainForm window;
    window.resize(332, 356);
    LoadWindowPlacement(&window, ini, ScreenMetrics{1280, 1024, 120});
    // Nothing stored at 120 pixels per inch yet: a first run there.
    EXPECT_EQ(window.geometry(), QRect(474, 334, 332, 356));
    window.move(50, 60);
    SaveWindowPlacement(&window, ini, ScreenMetrics{1280, 1024, 120});
    EXPECT_EQ(readFile(path()), at96 + "\n[TMainForm_Placement120]\nLeft=50\nTop=60\n"
                                       "Right=382\nBottom=416\nMaximized=0\n");

    TMainForm again;
    LoadWindowPlacement(&again, ini, ScreenMetrics{1280, 1024, 120});
    EXPECT_EQ(again.geometry(), QRect(50, 60, 332, 356));
}

TEST_F(PlacementTest, MaximisedWindowComesBackMaximisedAndRestoresItsRectangle)
{
    IniFile ini(path());
    {
        TCalendarMain window;
        window.setGeometry(40, 30, 700, 500);
        window.show();
        window.showMaximized();
        QApplication::processEvents();
        ASSERT_TRUE(window.isMaximized());
        SaveWindowPlacement(&window, ini, Screen1024);
    }
    EXPECT_EQ(ReadWindowPlacement(ini, "TCalendarMain_Placement", false),
              (WindowPlacement{40, 30, 740, 530, true}));

    TCalendarMain window;
    LoadWindowPlacement(&window, ini, Screen1024);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(ReadWindowPlacement(ini, "TCalendarMain_Placement", false),
              (WindowPlacement{40, 30, 740, 530, true}));
    window.show();
    QApplication::processEvents();
    window.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window.geometry(), QRect(40, 30, 700, 500));
}

TEST_F(PlacementTest, AMaximizedKeyMissingFollowsTheWindow)
{
    writeFile(path(), "[TCalendarMain_Placement]\nLeft=40\nTop=30\nRight=740\nBottom=530\n");
    IniFile ini(path());
    TCalendarMain window;
    window.setWindowState(Qt::WindowMaximized);
    LoadWindowPlacement(&window, ini, Screen1024);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(ini.readBool("TCalendarMain_Placement", "Maximized", false));
}

TEST_F(PlacementTest, ARectangleWithoutAreaIsTreatedAsAFirstRun)
{
    writeFile(path(), "[TMainForm_Placement]\nLeft=500\nTop=10\nRight=100\nBottom=20\n");
    IniFile ini(path());
    TMainForm window;
    window.resize(332, 356);
    LoadWindowPlacement(&window, ini, Screen1024);
    EXPECT_EQ(window.geometry(), QRect(346, 206, 332, 356));
}

TEST_F(PlacementTest, AnUnwritableSettingsFilePlacesTheWindowThenReportsIt)
{
    IniFile ini("/proc/OSPRL.INI");
    TMainForm window;
    window.resize(332, 356);
    try {
        LoadWindowPlacement(&window, ini, Screen1024);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), "Unable to write to /proc/OSPRL.INI");
    }
    EXPECT_EQ(window.geometry(), QRect(346, 206, 332, 356));
}

TEST_F(PlacementTest, DialogsCentreOverTheMainWindowUnlessItIsMaximised)
{
    TCalendarMain main;
    main.setGeometry(100, 50, 800, 600);
    main.show();
    QApplication::processEvents();
    const QRect mainFrame = main.frameGeometry();

    TCalendarProperties dialog;
    dialog.resize(632, 362);
    CenterForm(&dialog, Screen1024);
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              mainFrame.topLeft() +
                  QPoint((mainFrame.width() - 632) / 2, (mainFrame.height() - 362) / 2));

    main.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(main.isMaximized());
    CenterForm(&dialog, Screen1024);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(196, 203));

    // The main window itself always centres on the screen.
    main.showNormal();
    QApplication::processEvents();
    CenterForm(&main, Screen1024);
    EXPECT_EQ(main.frameGeometry().topLeft(),
              QPoint((1024 - mainFrame.width()) / 2, (768 - mainFrame.height()) / 2));
}

TEST_F(PlacementTest, WindowsWithAMaximiseButtonGetTheSystemMenu)
{
    TCalendarProperties dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMaximizeButtonHint);
    CenterForm(&dialog, Screen1024);
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));

    TCalendarProperties plain;
    plain.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    CenterForm(&plain, Screen1024);
    EXPECT_FALSE(plain.windowFlags().testFlag(Qt::WindowSystemMenuHint));
}

} // namespace

#include "placement_test.moc"
