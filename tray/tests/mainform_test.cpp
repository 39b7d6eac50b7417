// Drives the real tray window under the offscreen platform: every dialog and
// message box goes through a recording stand-in, today's date is pinned and
// the data folder is a temporary folder per test.
#include "canvaspanel.h"
#include "dayicon.h"
#include "eyes.h"
#include "inifile.h"
#include "mainform.h"
#include "programfolders.h"
#include "splashform.h"
#include "traydialogs.h"
#include "traytestutil.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>


using namespace ql;
using traytest::readFile;
using traytest::writeFile;

namespace {

class RecordingDialogs : public TrayDialogs
{
public:
    std::optional<QColor> chooseColor(QWidget *, const QColor &initial, const QString &title) override
    {
        colorRequests << title;
        lastInitialColor = initial;
        return colorAnswer;
    }
    std::optional<CalendarFontChoice> chooseFont(QWidget *, const CalendarFontChoice &) override
    {
        ++fontRequests;
        return fontAnswer;
    }
    void showError(QWidget *, const QString &message) override { errors << message; }
    void showInformation(QWidget *, const QString &message) override { informations << message; }
    void showAbout(QWidget *) override { ++abouts; }
    void showHelpContents() override { ++helpContents; }
    void showContextHelp(int context) override { helpContexts << context; }

    std::optional<QColor> colorAnswer;
    std::optional<CalendarFontChoice> fontAnswer;
    QStringList colorRequests;
    QColor lastInitialColor;
    int fontRequests = 0;
    QStringList errors;
    QStringList informations;
    int abouts = 0;
    int helpContents = 0;
    QList<int> helpContexts;
};

class TrayWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        SetProgramFolders(ProgramFolders(m_dir.path(), m_dir.path()));
        dialogs = std::make_shared<RecordingDialogs>();
    }
    void TearDown() override { form.reset(); }

    QString notesFolder() const { return m_dir.filePath(QStringLiteral("Notes")) + u'/'; }
    QString noteFile(const QDate &d) const
    {
        return notesFolder() + d.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt");
    }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("OSPRL.INI")); }
    // Later starts: the notes folder exists, so no welcome note is written.
    void makeNotesFolder() { QDir().mkpath(notesFolder()); }

    void start(bool show = true)
    {
        MainFormEnvironment env;
        env.today = [this] { return today; };
        env.pixelsPerInch = 96;
        env.trayAvailable = [this] { return tray; };
        env.dialogs = dialogs;
        form = std::make_unique<TMainForm>(env);
        if (show) {
            form->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
            form->canvasPanel()->repaint();
        }
    }

    void repaint() { form->canvasPanel()->repaint(); }

    QPoint centreOfDay(int day)
    {
        repaint();
        for (const TCalendarCellInfo &cell : form->attributes().Cells) {
            if (cell.Day == day)
                return cell.Rect.toQRect().center();
        }
        ADD_FAILURE() << "day " << day << " is not in the grid";
        return {};
    }

    void clickDay(int day)
    {
        const QPoint client = centreOfDay(day);
        QTest::mouseClick(form->canvasPanel(), Qt::LeftButton, {},
                          client + form->canvasPanel()->contentsRect().topLeft());
    }

    void click(QToolButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Key presses with their text, as a keyboard sends them; QTest's own
    // keyClicks knows ASCII only.
    void type(const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(form->notesMemo(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, form->notesMemo(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void eraseAll()
    {
        form->notesMemo()->selectAll();
        QTest::keyClick(form->notesMemo(), Qt::Key_Delete);
    }

    bool noteFlag(int day)
    {
        repaint();
        return form->attributes().NotesFlags[day - 1];
    }

    QTemporaryDir m_dir;
    QDate today{1997, 1, 15};
    bool tray = false;
    std::shared_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<TMainForm> form;
};

} // namespace

TEST_F(TrayWindow, FirstStartWritesTheWelcomeNoteOnlyOnce)
{
    start();
    const QString expected = TMainForm::welcomeNote().join(QStringLiteral("\r\n"));
    EXPECT_EQ(readFile(noteFile(today)), expected.toLatin1());
    EXPECT_EQ(form->notesText(), TMainForm::welcomeNote().join(u'\n'));
    EXPECT_TRUE(noteFlag(15));
    EXPECT_EQ(form->selectedDate(), today);
    EXPECT_EQ(form->dateButton()->text(), QStringLiteral("Wednesday, January 15, 1997"));
    EXPECT_EQ(form->attributes().Rect, (GridRect{0, 0, 328, 164}));
    EXPECT_EQ(form->centralWidget()->size(), QSize(332, 356));
    EXPECT_TRUE(IniFile(settingsFile()).sectionExists(QStringLiteral("TMainForm_Placement")));
    EXPECT_TRUE(dialogs->errors.isEmpty());

    // Second start after the welcome note was deleted: none is written again.
    form.reset();
    QFile::remove(noteFile(today));
    start();
    EXPECT_FALSE(QFileInfo::exists(noteFile(today)));
    EXPECT_EQ(form->notesText(), QString());
}

TEST_F(TrayWindow, ControlsCarryTheirCaptionsHintsAndPlaces)
{
    makeNotesFolder();
    start();
    struct Case
    {
        int number;
        QString hint;
        QRect geometry;
    } cases[] = {
        {1, "Previous month", {101, 4, 25, 25}}, {2, "Next month", {218, 4, 25, 25}},
        {3, "Previous year", {71, 4, 25, 25}},   {4, "Next year", {248, 4, 25, 25}},
        {5, "Today's date", {148, 4, 48, 25}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(form->speedButton(c.number)->toolTip(), c.hint);
        EXPECT_EQ(form->speedButton(c.number)->geometry(), c.geometry);
    }
    EXPECT_EQ(form->speedButton(5)->text(), QStringLiteral("Today"));
    EXPECT_EQ(form->dateButton()->geometry(), QRect(4, 4, 179, 23));
    EXPECT_EQ(form->dateButton()->toolTip(), QStringLiteral("Copy to clipboard"));
    EXPECT_EQ(form->minimizeButton()->geometry(), QRect(205, 4, 123, 23));
    EXPECT_EQ(form->minimizeButton()->text(), QStringLiteral("Minimize"));
    EXPECT_EQ(form->minimizeButton()->toolTip(), QStringLiteral("Minimize to system tray"));
    EXPECT_EQ(form->notesMemo()->height(), 124);

    QStringList menus;
    for (QAction *a : form->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Help"}));
    QStringList file;
    for (QAction *a : form->menuBar()->actions()[0]->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"Exit", "-", "Settings", "Minimize"}));
    QStringList settings;
    for (QAction *a : form->menuBar()->actions()[0]->menu()->actions()[2]->menu()->actions())
        settings << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(settings, (QStringList{"Calendar Background Color", "Calendar Font",
                                     "Color For Days With Notes", "-", "Week Starts On Sunday",
                                     "Week Starts On Monday"}));
    QStringList tray;
    for (QAction *a : form->trayMenu()->actions())
        tray << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(tray, (QStringList{"Show Calendar", "-", "Exit"}));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Osprel")));
}

TEST_F(TrayWindow, TypedNoteIsSavedOnLeavingAndShownOnComingBack)
{
    makeNotesFolder();
    start();
    type(QStringLiteral("Dentist 10:30"));
    clickDay(16);
    EXPECT_EQ(form->selectedDate(), QDate(1997, 1, 16));
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("Dentist 10:30"));
    EXPECT_TRUE(noteFlag(15));
    EXPECT_EQ(form->notesText(), QString());

    // Leaving a date without typing creates nothing.
    clickDay(17);
    EXPECT_FALSE(QFileInfo::exists(noteFile(QDate(1997, 1, 16))));

    clickDay(15);
    EXPECT_EQ(form->notesText(), QStringLiteral("Dentist 10:30"));
    EXPECT_FALSE(form->notesMemo()->document()->isModified());
    form->notesMemo()->moveCursor(QTextCursor::End);

    // Clicking the selected day, a blank cell or the title changes nothing
    // but still saves.
    type(QStringLiteral("!"));
    QTest::mouseClick(form->canvasPanel(), Qt::LeftButton, {}, QPoint(160, 10));
    EXPECT_EQ(form->selectedDate(), today);
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("Dentist 10:30!"));
}

TEST_F(TrayWindow, ErasedNotesLoseTheirFileAndTheirMark)
{
    makeNotesFolder();
    writeFile(noteFile(QDate(1997, 1, 16)), "old note");
    start();
    EXPECT_TRUE(noteFlag(16));
    clickDay(16);
    EXPECT_EQ(form->notesText(), QStringLiteral("old note"));
    eraseAll();
    type(QStringLiteral("  \t"));
    QTest::keyClick(form->notesMemo(), Qt::Key_Return);
    clickDay(17);
    EXPECT_FALSE(QFileInfo::exists(noteFile(QDate(1997, 1, 16))));
    EXPECT_FALSE(noteFlag(16));

    // Typed and erased again on a date without a note: nothing at all.
    type(QStringLiteral("x"));
    eraseAll();
    clickDay(18);
    EXPECT_FALSE(QFileInfo::exists(noteFile(QDate(1997, 1, 17))));
}

TEST_F(TrayWindow, NavigationButtonsLimitTheDay)
{
    makeNotesFolder();
    today = QDate(2000, 1, 31);
    start();
    struct Step
    {
        int button;
        QDate expected;
    } steps[] = {
        {2, {2000, 2, 29}}, // 31 January, next month, leap year
        {4, {2001, 2, 28}}, // 29 February, next year
        {3, {2000, 2, 28}}, // the day stays limited
        {5, {2000, 1, 31}}, // today
        {1, {1999, 12, 31}},
        {2, {2000, 1, 31}},
        {2, {2000, 2, 29}},
        {3, {1999, 2, 28}}, // 29 February, previous year
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(testing::Message() << "button " << s.button << " to "
                                        << s.expected.toString(Qt::ISODate).toStdString());
        click(form->speedButton(s.button));
        EXPECT_EQ(form->selectedDate(), s.expected);
        EXPECT_EQ(form->dateButton()->text(), TMainForm::longDate(s.expected));
    }
}

TEST_F(TrayWindow, WeekStartItemsSwitchTheGridAndTheSettingsFile)
{
    makeNotesFolder();
    start();
    QAction *sunday = form->weekStartsOnSundayItem();
    QAction *monday = form->weekStartsOnMondayItem();
    EXPECT_TRUE(sunday->isChecked());
    EXPECT_FALSE(monday->isChecked());
    EXPECT_EQ(centreOfDay(1), form->attributes().Cells[3].Rect.toQRect().center()); // Wednesday

    // Choosing the checked item switches to the other week start.
    sunday->trigger();
    EXPECT_FALSE(sunday->isChecked());
    EXPECT_TRUE(monday->isChecked());
    EXPECT_EQ(IniFile(settingsFile()).readInteger("Settings", "WSO", 0), 2);
    repaint();
    EXPECT_EQ(form->attributes().Cells[2].Day, 1);

    monday->trigger();
    EXPECT_TRUE(sunday->isChecked());
    EXPECT_EQ(IniFile(settingsFile()).readInteger("Settings", "WSO", 0), 1);
    repaint();
    EXPECT_EQ(form->attributes().Cells[3].Day, 1);

    // A file saying Monday starts the grid on Monday.
    form.reset();
    IniFile(settingsFile()).writeInteger("Settings", "WSO", 2);
    start();
    EXPECT_TRUE(form->weekStartsOnMondayItem()->isChecked());
    EXPECT_FALSE(form->weekStartsOnSundayItem()->isChecked());
    EXPECT_EQ(form->attributes().Cells[2].Day, 1);
}

TEST_F(TrayWindow, RepaintsNeverThrowAwayTyping)
{
    makeNotesFolder();
    writeFile(noteFile(today), "stored");
    start();
    form->notesMemo()->moveCursor(QTextCursor::End);
    type(QStringLiteral(" and typed"));
    // Another program changes the file, and windows uncover the grid.
    writeFile(noteFile(today), "changed elsewhere");
    repaint();
    form->canvasPanel()->update();
    QApplication::processEvents();
    repaint();
    EXPECT_EQ(form->notesText(), QStringLiteral("stored and typed"));
    EXPECT_TRUE(form->notesMemo()->document()->isModified());
    clickDay(16);
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("stored and typed"));
}

TEST_F(TrayWindow, AFailedWriteKeepsTheOldNoteTheTypingAndTheDate)
{
    makeNotesFolder();
    writeFile(noteFile(today), "the old note");
    start();
    const QString big(8 * 1024, u'n');
    form->notesMemo()->setPlainText(big);
    form->notesMemo()->document()->setModified(true);
    {
        traytest::FileSizeLimit full;
        ASSERT_TRUE(full.active());
        clickDay(16);
        click(form->speedButton(2));
        form->close();
    }
    ASSERT_EQ(dialogs->errors.size(), 3);
    EXPECT_TRUE(dialogs->errors[0].startsWith(QStringLiteral("Unable to write to ")));
    EXPECT_TRUE(form->isVisible()); // the close was refused rather than lose the note
    EXPECT_EQ(form->selectedDate(), today);
    EXPECT_EQ(form->notesText(), big);
    EXPECT_TRUE(form->notesMemo()->document()->isModified());
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("the old note"));

    // With room again, leaving the date saves the typing.
    clickDay(16);
    EXPECT_EQ(readFile(noteFile(today)), big.toLatin1());
    EXPECT_EQ(form->selectedDate(), QDate(1997, 1, 16));
}

TEST_F(TrayWindow, NotesOutsideWindows1252AreWrittenAsUtf8)
{
    makeNotesFolder();
    start();
    type(QStringLiteral("\u0417\u0432\u043E\u043D\u043E\u043A \u2192 \u65E5\u672C"));
    clickDay(16);
    const QByteArray bytes = readFile(noteFile(today));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    clickDay(15);
    EXPECT_EQ(form->notesText(),
              QStringLiteral("\u0417\u0432\u043E\u043D\u043E\u043A \u2192 \u65E5\u672C"));

    eraseAll();
    type(QStringLiteral("caf\u00E9 \u20AC"));
    clickDay(16);
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("caf\xE9 \x80"));
}

TEST_F(TrayWindow, AnOversizedNoteIsReportedOnceAndNeverOverwritten)
{
    makeNotesFolder();
    const QDate hugeDate(1997, 1, 16);
    {
        QFile huge(noteFile(hugeDate));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(512LL * 1024 * 1024));
    }
    start();
    clickDay(16);
    EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("Text exceeds memo capacity")});
    EXPECT_EQ(form->notesText(), QString());
    EXPECT_TRUE(form->notesMemo()->isReadOnly());
    type(QStringLiteral("typing"));
    repaint();
    repaint();
    EXPECT_EQ(dialogs->errors.size(), 1);
    clickDay(17);
    EXPECT_EQ(QFileInfo(noteFile(hugeDate)).size(), 512LL * 1024 * 1024);
    EXPECT_FALSE(form->notesMemo()->isReadOnly());
}

TEST_F(TrayWindow, MinimisingHidesToTheTrayAndSavesTheNote)
{
    makeNotesFolder();
    tray = true;
    start();
    type(QStringLiteral("before the tray"));
    click(form->minimizeButton());
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("before the tray"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->isInTray());

    form->TrayIconClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(form->isInTray());

    // The window manager's minimise button does the same.
    eraseAll();
    form->setWindowState(form->windowState() | Qt::WindowMinimized);
    EXPECT_FALSE(QFileInfo::exists(noteFile(today)));
    QTRY_VERIFY(!form->isVisible());
    EXPECT_TRUE(form->isInTray());
    form->TrayIconDblClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(dialogs->informations.isEmpty());
}

TEST_F(TrayWindow, WithoutATrayMinimisingIsOrdinaryAndExplainedOnce)
{
    makeNotesFolder();
    start();
    type(QStringLiteral("no tray here"));
    click(form->minimizeButton());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("no tray here"));
    form->TrayIconClick();
    EXPECT_FALSE(form->isMinimized());
    form->setWindowState(form->windowState() | Qt::WindowMinimized);
    EXPECT_EQ(dialogs->informations, QStringList{TMainForm::noTrayMessage()});
}

TEST_F(TrayWindow, MinimisedStartShowsOnlyTheTrayIcon)
{
    makeNotesFolder();
    tray = true;
    start(false);
    form->startMinimized();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->isInTray());
    form->TrayIconClick();
    EXPECT_TRUE(form->isVisible());

    // No tray to hide in: the window starts minimised instead of unreachable.
    form.reset();
    tray = false;
    start(false);
    form->startMinimized();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_EQ(dialogs->informations.size(), 1);
}

TEST_F(TrayWindow, TrayIconFollowsMidnight)
{
    makeNotesFolder();
    today = QDate(1997, 1, 31);
    start();
    EXPECT_EQ(form->lastIconDay(), 31);
    EXPECT_EQ(form->trayIcon()->toolTip(), QStringLiteral("Friday, January 31, 1997"));
    EXPECT_EQ(form->dayTimer().interval(), 20000);
    EXPECT_TRUE(form->dayTimer().isActive());
    click(form->speedButton(4)); // the grid shows another year

    today = QDate(1997, 2, 1);
    form->Timer1Timer();
    EXPECT_EQ(form->lastIconDay(), 1);
    EXPECT_EQ(form->trayIcon()->toolTip(), QStringLiteral("Saturday, February 1, 1997"));
    const QImage shown = form->trayIcon()->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              DayPageImage(1, 16).convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(form->selectedDate(), QDate(1998, 1, 31)); // the grid keeps its date

    today = QDate(1997, 1, 31); // a clock set back also changes the icon
    form->Timer1Timer();
    EXPECT_EQ(form->lastIconDay(), 31);
}

TEST_F(TrayWindow, DateButtonCopiesTheLongDate)
{
    makeNotesFolder();
    start();
    clickDay(9);
    click(form->dateButton());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Thursday, January 9, 1997"));
}

TEST_F(TrayWindow, ExitFromTheTraySavesTheNoteAndThePlacement)
{
    makeNotesFolder();
    tray = true;
    start();
    form->move(40, 50);
    type(QStringLiteral("last words"));
    click(form->minimizeButton());
    QFile::remove(noteFile(today));
    type(QStringLiteral(" and more")); // typing cannot happen while hidden, but a box edit can
    QSignalSpy closed(form.get(), &TMainForm::closed);
    form->trayMenu()->actions().last()->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(readFile(noteFile(today)), QByteArray("last words and more"));
    const IniFile settings(settingsFile());
    EXPECT_EQ(settings.readInteger("TMainForm_Placement", "Left", -1), form->normalGeometry().x());
    EXPECT_NE(settings.readInteger("TMainForm_Placement", "Bottom", 0), 0);
}

TEST_F(TrayWindow, SettingsDialogsApplyAndStoreOnlyConfirmedChoices)
{
    makeNotesFolder();
    start();
    const QByteArray before = readFile(settingsFile());
    form->CalendarColor1Click();
    form->CalendarFont1Click();
    form->DaysWithNotesFont1Click();
    EXPECT_EQ(readFile(settingsFile()), before); // all three cancelled
    EXPECT_EQ(dialogs->colorRequests,
              (QStringList{"Calendar Background Color", "Color For Days With Notes"}));

    dialogs->colorAnswer = QColor(0x11, 0x22, 0x33);
    form->CalendarColor1Click();
    EXPECT_EQ(form->canvasPanel()->color(), QColor(0x11, 0x22, 0x33));
    repaint();
    EXPECT_EQ(form->attributes().BackgroundColor, QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(IniFile(settingsFile()).readInteger("Settings", "Calendar Color", 0), 0x332211);

    dialogs->colorAnswer = QColor(0, 0, 0xFF);
    form->DaysWithNotesFont1Click();
    EXPECT_EQ(dialogs->lastInitialColor, QColor(Qt::red));
    EXPECT_EQ(form->attributes().NotesColor, QColor(0, 0, 0xFF));

    dialogs->fontAnswer = CalendarFontChoice{"Arial", true, true, true, false, QColor(0, 0x80, 0)};
    form->CalendarFont1Click();
    const TCalendarAttributes &a = form->attributes();
    EXPECT_EQ(a.TitleFontName, QStringLiteral("Arial"));
    EXPECT_EQ(a.CellFontName, QStringLiteral("Arial"));
    EXPECT_EQ(a.CellFontStyle, fsBold | fsItalic | fsUnderline);
    EXPECT_EQ(a.CellFontColor, QColor(0, 0x80, 0));
    EXPECT_EQ(a.HeadersFontColor, QColor(Qt::white)); // day names stay white on black
    EXPECT_EQ(a.HeadersBGColor, QColor(Qt::black));
    EXPECT_EQ(a.TitleFontSize, 16);

    form.reset();
    start();
    EXPECT_EQ(form->attributes().CellFontStyle, fsBold | fsItalic); // no underline after a restart
    EXPECT_EQ(form->attributes().TitleFontColor, QColor(0, 0x80, 0));
    EXPECT_EQ(form->attributes().NotesColor, QColor(0, 0, 0xFF));
    EXPECT_EQ(form->canvasPanel()->color(), QColor(0x11, 0x22, 0x33));
}

TEST_F(TrayWindow, HelpAndAboutGoThroughTheirCommands)
{
    makeNotesFolder();
    start();
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs->helpContexts, QList<int>{1000});
    form->Contents1Click();
    EXPECT_EQ(dialogs->helpContents, 1);
    form->About1Click();
    EXPECT_EQ(dialogs->abouts, 1);
}

TEST(AboutBox, ShowsVersionPlatformDataFolderAndClosesWithOk)
{
    QTemporaryDir dir;
    SetProgramFolders(ProgramFolders(dir.path(), dir.path()));
    TSplashform box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Osprel"));
    EXPECT_EQ(box.size(), QSize(337, 236));
    const QStringList texts = [&] {
        QStringList t;
        for (const QLabel *label : box.findChildren<QLabel *>())
            t << label->text();
        return t;
    }();
    EXPECT_TRUE(texts.contains(QStringLiteral("Osprel ")));
    EXPECT_TRUE(texts.contains(TSplashform::versionText()));
    EXPECT_TRUE(TSplashform::versionText().startsWith(QStringLiteral("Version ")));
    EXPECT_TRUE(texts.contains(QStringLiteral("for Linux desktops (Qt 6)")));
    EXPECT_EQ(box.dataFolderLabel()->text(), QDir::toNativeSeparators(DataFolder()));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box.okButton()->size(), QSize(89, 33));

    // The real command's box, closed by its OK button from the event loop.
    QTimer::singleShot(0, [] {
        auto *shown = qobject_cast<TSplashform *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->eyes(0)->isVisible());
        EXPECT_TRUE(shown->eyes(1)->isVisible());
        QTest::mouseClick(shown->okButton(), Qt::LeftButton);
    });
    TrayDialogs().showAbout(nullptr);
}

TEST(Eyes, PupilsLookTowardThePointerAndStayInside)
{
    const QRectF eye(0, 0, 20, 30); // centre (10, 15), room of 7 x 12 for a pupil of 3
    struct Case
    {
        const char *name;
        QPointF target, pupil;
    } cases[] = {
        {"at the centre", {10, 15}, {10, 15}},
        {"inside reach", {12, 18}, {12, 18}},
        {"far right", {1000, 15}, {17, 15}},
        {"far above", {10, -500}, {10, 3}},
        {"far left", {-90, 15}, {3, 15}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QPointF p = TEyes::pupilCentre(eye, 3, c.target);
        EXPECT_NEAR(p.x(), c.pupil.x(), 1e-9);
        EXPECT_NEAR(p.y(), c.pupil.y(), 1e-9);
    }
    TEyes eyes;
    eyes.resize(44, 30);
    eyes.lookAt(eyes.mapToGlobal(QPoint(1000, 15)));
    EXPECT_GT(eyes.pupil(0).x(), eyes.eyeRect(0).center().x());
    EXPECT_GT(eyes.pupil(1).x(), eyes.eyeRect(1).center().x());
}
