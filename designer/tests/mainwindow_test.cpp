// The main window as the user meets it: first start, captions, the controls
// that may be used, zoom keys, hints and closing.
#include "designertestutil.h"

#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "formattoolbar.h"
#include "inifile.h"
#include "programfolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>

using namespace ql;

namespace {

QAction *action(QWidget *window, const char *name)
{
    auto *a = window->findChild<QAction *>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

QAbstractButton *button(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

} // namespace

using MainWindow = DesignerTest;

TEST_F(MainWindow, FirstStartWithoutSettingsFile)
{
    TCalendarMain &w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [60%]"));
    EXPECT_TRUE(w.pageWidget()->isHidden());
    EXPECT_TRUE(w.FileName().isEmpty());
    EXPECT_FALSE(w.Modified());
    EXPECT_EQ(w.CalendarPanel().Magnification(), 60);
    EXPECT_TRUE(m_dialogs.informations.isEmpty()) << m_dialogs.informations.join('|').toStdString();

    struct Item { const char *name; bool enabled; };
    const Item items[] = {
        {"New1", true}, {"Open1", true}, {"mnuSave", false}, {"mnuSaveAs", false},
        {"mnuSaveAsBitmap", false}, {"mnuProperties", false}, {"mnuCancelChanges", false},
        {"mnuClearAllCellContents", true}, {"DefaultEditorFont1", true},
        {"mnuPrintCalendar", false}, {"mnuPrintSetup", false}, {"Exit1", true},
        {"Contents1", true}, {"About1", true}, {"mnuShowHint", true},
    };
    for (const Item &i : items) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(action(&w, i.name)->isEnabled(), i.enabled);
    }
    for (const char *name : {"ZoomPlusButton", "ZoomMinusButton", "PropertiesButton", "Printbutton"})
        EXPECT_FALSE(button(&w, name)->isEnabled()) << name;
    EXPECT_TRUE(button(&w, "Savebutton")->isHidden());
    EXPECT_TRUE(button(&w, "CancelButton")->isHidden());
    EXPECT_FALSE(w.toolBar()->isEnabled());
    EXPECT_TRUE(action(&w, "mnuShowHint")->isChecked());
    EXPECT_EQ(action(&w, "mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    // The menu captions, in order, as the user reads them.
    QStringList captions;
    const auto fileActions = w.menuBar()->actions().constFirst()->menu()->actions();
    for (QAction *a : fileActions)
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, (QStringList{"&New ", "&Open", "-", "&Save ", "Save &As...",
                                     "Save As &Bitmap ", "-", "&Properties", "&Cancel Changes",
                                     "Clear &All Cell Contents", "&Default Editor Font", "-",
                                     "P&rint Calendar", "Print Set&up", "-", "E&xit"}));
    // No scroll range while there is no page.
    EXPECT_EQ(w.scrollBox()->widget()->size(), QSize(0, 0));
}

TEST_F(MainWindow, DeletedRecentFileStartsQuietlyWithoutPage)
{
    IniFile ini(SettingsFileName());
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), path(QStringLiteral("gone.QLF")));
    TCalendarMain &w = start();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_TRUE(w.pageWidget()->isHidden());
    EXPECT_EQ(w.recentFiles().entries().size(), 1);
}

TEST_F(MainWindow, NoPrinterIsReportedAtFirstActivationOnly)
{
    struct NoPrinters : PrinterSystem
    {
        QStringList installedPrinters() const override { return {}; }
        QString defaultPrinter() const override { return {}; }
    } none;
    TCalendarMain w(m_dialogs, none);
    w.FormActivate();
    ASSERT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_FALSE(w.PrinterAvailable());
    w.FormActivate();
    EXPECT_EQ(m_dialogs.informations.size(), 1);
    w.close();
}

TEST_F(MainWindow, ZoomKeysStepTheMagnificationWithinItsBounds)
{
    TCalendarMain &w = start();
    // The keys act while no page is shown, on the hidden page and the caption.
    pressKey(Qt::Key_PageDown);
    EXPECT_EQ(w.CalendarPanel().Magnification(), 70);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [70%]"));

    newCalendar();
    const QSize at70 = w.pageWidget()->size();
    for (int i = 0; i < 5; ++i)
        pressKey(Qt::Key_PageDown);
    EXPECT_EQ(w.CalendarPanel().Magnification(), 100);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [100%]"));
    EXPECT_EQ(at70.width(), w.CalendarPanel().PageWidth() * 70 / 100);
    EXPECT_EQ(w.pageWidget()->width(), w.CalendarPanel().PageWidth());
    EXPECT_EQ(w.scrollBox()->widget()->size(), w.pageWidget()->size() + QSize(10, 10));
    for (int i = 0; i < 9; ++i)
        pressKey(Qt::Key_PageUp);
    EXPECT_EQ(w.CalendarPanel().Magnification(), 30);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [30%]"));

    // The buttons do the same.
    button(&w, "ZoomPlusButton")->click();
    EXPECT_EQ(w.CalendarPanel().Magnification(), 40);

    // Zooming while editing commits the edit and hides the editor first.
    clickCell(12);
    ASSERT_TRUE(w.editor()->isVisible());
    typeText(QStringLiteral("Zoo"));
    pressKey(Qt::Key_PageDown);
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_EQ(cellText(12), QStringLiteral("Zoo"));
    EXPECT_EQ(w.CalendarPanel().Magnification(), 50);
}

TEST_F(MainWindow, ZoomIsKeptAtCloseOnly)
{
    start();
    newCalendar();
    pressKey(Qt::Key_PageDown);
    pressKey(Qt::Key_PageDown);
    IniFile ini(SettingsFileName());
    // Saving preferences in between (Properties did) writes the start value.
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 0), 60);
    m_dialogs.questionAnswers << false; // do not save the new calendar
    TCalendarMain &w = restart();
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 0), 80);
    EXPECT_EQ(w.CalendarPanel().Magnification(), 80);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [80%]"));
}

TEST_F(MainWindow, ShowHintsSwitchesTooltipsAndPersists)
{
    TCalendarMain &w = start();
    QAbstractButton *zoom = button(&w, "ZoomPlusButton");
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Zoom In"));
    // The program's filter sees events before the button's own filters do.
    struct Probe : QObject
    {
        bool seen = false;
        bool eventFilter(QObject *, QEvent *e) override
        {
            seen = seen || e->type() == QEvent::ToolTip;
            return false;
        }
    } probe;
    zoom->installEventFilter(&probe);
    auto tooltipSwallowed = [&] {
        probe.seen = false;
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), zoom->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(zoom, &help);
        return !probe.seen;
    };
    EXPECT_FALSE(tooltipSwallowed());
    action(&w, "mnuShowHint")->trigger();
    EXPECT_FALSE(w.preferences().ShowHints);
    EXPECT_TRUE(tooltipSwallowed());
    EXPECT_TRUE(settingsText().contains(QStringLiteral("[Hints]\nOn=0")));

    TCalendarMain &again = restart();
    EXPECT_FALSE(action(&again, "mnuShowHint")->isChecked());
}

TEST_F(MainWindow, ClosingSavesPlacementAndPreferences)
{
    TCalendarMain &w = start();
    w.setGeometry(40, 50, 700, 500);
    w.close();
    const QString text = settingsText();
    EXPECT_TRUE(text.contains(QStringLiteral("[TCalendarMain_Placement]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[Zooming]")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Default Font]")));
    TCalendarMain &again = restart();
    EXPECT_EQ(again.geometry().size(), QSize(700, 500));
}
