// Document commands end to end: editing, saving and reopening, the recent
// files, the save prompt, failed saves and opens, properties and reverting.
#include "designertestutil.h"

#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "inifile.h"
#include "programfolders.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace ql;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The captions the File menu shows after "E&xit".
QStringList recentCaptions(TCalendarMain &w)
{
    const auto actions = w.menuBar()->actions().constFirst()->menu()->actions();
    QStringList captions;
    bool afterExit = false;
    for (QAction *a : actions) {
        if (afterExit && !a->isSeparator())
            captions << a->text();
        afterExit = afterExit || a->text() == QStringLiteral("E&xit");
    }
    return captions;
}

} // namespace

using Documents = DesignerTest;

TEST_F(Documents, TextTypedInACellIsSavedAndReopened)
{
    TCalendarMain &w = start();
    newCalendar();
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(m_dialogs.propertiesRuns.constLast().ApplyDefaultStyle, true);
    w.SetModified(false);

    clickCell(3);
    EXPECT_EQ(w.CurrentCell(), 3);
    EXPECT_FALSE(w.Modified()) << "loading a cell is no edit";
    typeText(QStringLiteral("Dentist at 9"));
    EXPECT_TRUE(w.Modified());
    EXPECT_TRUE(cellText(3).isEmpty()) << "the cell changes only when the edit is committed";
    clickCell(10);
    EXPECT_EQ(cellText(3), QStringLiteral("Dentist at 9"));
    EXPECT_EQ(w.CurrentCell(), 10);
    EXPECT_TRUE(w.editor()->isVisible());

    const QString file = path(QStringLiteral("Dec1997.QLF"));
    m_dialogs.saveAnswers << file;
    w.SavebuttonClick(); // untitled: Save As
    EXPECT_EQ(m_dialogs.fileDialogs.constLast(),
              QStringLiteral("Save Calendar File | ") + DataFolder()
                  + QStringLiteral("Dec1997.QLF | Calendar File (*.QLF)"));
    EXPECT_EQ(w.FileName(), file);
    EXPECT_FALSE(w.Modified());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon  [Dec1997.QLF]    [60%]"));
    EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("mnuSave"))->isEnabled());

    TCalendarMain &again = restart();
    EXPECT_EQ(again.FileName(), file);
    EXPECT_FALSE(again.pageWidget()->isHidden());
    EXPECT_EQ(cellText(3), QStringLiteral("Dentist at 9"));
    EXPECT_TRUE(cellText(10).isEmpty());
    EXPECT_TRUE(m_dialogs.questions.isEmpty()) << "nothing was left unsaved";
}

TEST_F(Documents, RecentFilesOrderAndTheSixthEntry)
{
    TCalendarMain &w = start();
    newCalendar();
    QStringList files;
    for (int i = 1; i <= 6; ++i) {
        files << path(QStringLiteral("cal%1.QLF").arg(i));
        m_dialogs.saveAnswers << files.constLast();
        ASSERT_TRUE(w.mnuSaveAsClick());
    }
    EXPECT_EQ(recentCaptions(w),
              (QStringList{"&1 " + files[5], "&2 " + files[4], "&3 " + files[3], "&4 " + files[2],
                           "&5 " + files[1]}));
    IniFile ini(SettingsFileName());
    EXPECT_EQ(ini.sectionKeys(QStringLiteral("MRU")), (QStringList{"F0", "F1", "F2", "F3", "F4"}));
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F4"), {}), files[1]);

    // Choosing "&4" opens it and moves it to "&1".
    const auto actions = w.menuBar()->actions().constFirst()->menu()->actions();
    for (QAction *a : actions) {
        if (a->text() == QStringLiteral("&4 ") + files[2])
            a->trigger();
    }
    EXPECT_EQ(w.FileName(), files[2]);
    EXPECT_EQ(recentCaptions(w).constFirst(), QStringLiteral("&1 ") + files[2]);
    EXPECT_EQ(recentCaptions(w).size(), 5);
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F0"), {}), files[2]);
}

TEST_F(Documents, AFailedSaveIsReportedAndChangesNothing)
{
    TCalendarMain &w = start();
    newCalendar();
    const QString good = path(QStringLiteral("good.QLF"));
    m_dialogs.saveAnswers << good;
    ASSERT_TRUE(w.mnuSaveAsClick());
    const QByteArray saved = fileBytes(good);
    clickCell(9);
    typeText(QStringLiteral("unsaved"));
    ASSERT_TRUE(w.Modified());

    // A folder that does not exist cannot take the file.
    const QString bad = path(QStringLiteral("no such folder/bad.QLF"));
    m_dialogs.saveAnswers << bad;
    EXPECT_FALSE(w.mnuSaveAsClick());
    ASSERT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_TRUE(m_dialogs.informations[0].startsWith(QStringLiteral("Unable to save ") + bad))
        << m_dialogs.informations[0].toStdString();
    EXPECT_GT(m_dialogs.informations[0].size(), (QStringLiteral("Unable to save ") + bad).size() + 3)
        << "the reason is given";
    EXPECT_EQ(w.FileName(), good);
    EXPECT_TRUE(w.Modified());
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_EQ(fileBytes(good), saved);
    EXPECT_EQ(w.recentFiles().entries().constFirst(), good);

    // The same for Save to a file whose folder has gone.
    const QString gone = path(QStringLiteral("gone/cal.QLF"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("gone")));
    m_dialogs.saveAnswers << gone;
    ASSERT_TRUE(w.mnuSaveAsClick());
    ASSERT_TRUE(QDir(path(QStringLiteral("gone"))).removeRecursively());
    w.SetModified(true);
    w.mnuSaveClick();
    EXPECT_EQ(m_dialogs.informations.size(), 2);
    EXPECT_EQ(w.FileName(), gone);
    EXPECT_TRUE(w.Modified());
}

TEST_F(Documents, YesToSaveChangesThatDoesNotSaveStopsTheCommand)
{
    struct Case
    {
        const char *name;
        std::function<void(TCalendarMain &)> command;
    };
    const Case cases[] = {
        {"close", [](TCalendarMain &w) { EXPECT_FALSE(w.close()); }},
        {"new", [](TCalendarMain &w) { w.New1Click(); }},
        {"open", [](TCalendarMain &w) { w.Open1Click(); }},
    };
    for (bool failingSave : {false, true}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (failingSave ? ", save fails" : ", Save As cancelled"));
            m_dialogs = FakeDialogs();
            TCalendarMain &w = m_window ? window() : start();
            newCalendar();
            if (failingSave) {
                m_dialogs.saveAnswers << path(QStringLiteral("f/x.QLF"));
                ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("f")));
                ASSERT_TRUE(w.mnuSaveAsClick());
                ASSERT_TRUE(QDir(path(QStringLiteral("f"))).removeRecursively());
            }
            clickCell(20);
            typeText(QStringLiteral("keep me"));
            const QString fileName = w.FileName();
            const int propertiesRuns = m_dialogs.propertiesRuns.size();
            const int fileDialogs = m_dialogs.fileDialogs.size();
            m_dialogs.questionAnswers << true; // Yes, save; then Save As is cancelled or fails
            c.command(w);
            EXPECT_EQ(m_dialogs.questions.constLast(), QStringLiteral("Save: Save changes?"));
            EXPECT_TRUE(w.Modified());
            EXPECT_EQ(w.FileName(), fileName);
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(cellText(20), QStringLiteral("keep me"));
            EXPECT_EQ(m_dialogs.propertiesRuns.size(), propertiesRuns) << "New went on";
            // Only the Save As dialog of the prompt, no Open dialog.
            EXPECT_EQ(m_dialogs.fileDialogs.size(), fileDialogs + (failingSave ? 0 : 1));
            if (failingSave) {
                EXPECT_EQ(m_dialogs.informations.size(), 1);
            }
        }
    }
}

TEST_F(Documents, NoToSaveChangesGoesOnAndClosingSaves)
{
    TCalendarMain &w = start();
    newCalendar();
    const QString file = path(QStringLiteral("a.QLF"));
    m_dialogs.saveAnswers << file;
    ASSERT_TRUE(w.mnuSaveAsClick());
    clickCell(15);
    typeText(QStringLiteral("late"));
    m_dialogs.questionAnswers << true;
    EXPECT_TRUE(w.close());
    m_window.reset();
    TCalendarMain &again = start();
    EXPECT_EQ(again.FileName(), file);
    EXPECT_EQ(cellText(15), QStringLiteral("late"));
}

TEST_F(Documents, UnreadableFilesLeaveNoDocument)
{
    TCalendarMain &w = start();
    newCalendar();
    clickCell(5);
    typeText(QStringLiteral("old"));

    const QString corrupt = path(QStringLiteral("corrupt.QLF"));
    QFile f(corrupt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a calendar file at all");
    f.close();
    m_dialogs.questionAnswers << false; // do not save the open calendar
    m_dialogs.openAnswers << corrupt;
    w.Open1Click();
    EXPECT_EQ(m_dialogs.fileDialogs.constLast(),
              QStringLiteral("Open Calendar File | ") + DataFolder()
                  + QStringLiteral(" | Calendar File (*.QLF)"));
    ASSERT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_EQ(m_dialogs.informations[0], QStringLiteral("Unable to open ") + corrupt
                                             + QStringLiteral(". Possibly \rcorrupted, possibly "
                                                              "not a Calendar file"));
    EXPECT_TRUE(w.pageWidget()->isHidden());
    EXPECT_TRUE(w.FileName().isEmpty());
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.CalendarPanel().HasContents());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillon    [60%]"));
    EXPECT_TRUE(w.recentFiles().isEmpty());
    EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("mnuSaveAs"))->isEnabled());

    // Another extension is refused before anything is read.
    m_dialogs.openAnswers << path(QStringLiteral("style.QLS"));
    w.Open1Click();
    EXPECT_EQ(m_dialogs.informations.constLast(), QStringLiteral("Must be a Calendar file (*.QLF)"));

    // A recent file that has gone.
    const QString gone = path(QStringLiteral("gone.QLF"));
    EXPECT_FALSE(w.OpenCalendarFile(gone));
    EXPECT_EQ(m_dialogs.informations.constLast(),
              QStringLiteral("File ") + gone + QStringLiteral(" no longer exists"));
}

TEST_F(Documents, PropertiesApplyToThePage)
{
    TCalendarMain &w = start();
    newCalendar();
    const QString file = path(QStringLiteral("p.QLF"));
    m_dialogs.saveAnswers << file;
    ASSERT_TRUE(w.mnuSaveAsClick());
    clickCell(8);
    typeText(QStringLiteral("stay"));
    w.DoSaveRichtext();
    w.SetModified(false);

    // Cancel: nothing changes but the example page's zoom.
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) {
        EXPECT_EQ(example.Magnification(), 30);
        example.SetMagnification(40);
        example.SetMainCalMonth(3);
    };
    m_dialogs.propertiesAnswers << false;
    w.mnuPropertiesClick();
    EXPECT_EQ(m_dialogs.propertiesRuns.constLast(),
              (PropertiesOptions{false, true, w.CalendarPanel().LayoutClass()}));
    EXPECT_EQ(w.CalendarPanel().MainCalMonth(), 12);
    EXPECT_FALSE(w.Modified());
    EXPECT_EQ(w.preferences().PropertiesZoom, 40);

    // Another month: modified, cell texts stay where they were.
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetMainCalMonth(3); };
    m_dialogs.propertiesAnswers << true;
    w.mnuPropertiesClick();
    EXPECT_EQ(w.CalendarPanel().MainCalMonth(), 3);
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(cellText(8), QStringLiteral("stay"));

    // Another layout class: the cells are emptied.
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetCalendarLayout(loWeek); };
    m_dialogs.propertiesAnswers << true;
    w.mnuPropertiesClick();
    EXPECT_FALSE(w.CalendarPanel().HasContents());

    // New, then Cancel: the document stays as it was.
    m_dialogs.questionAnswers << false;
    m_dialogs.propertiesEdit = nullptr;
    m_dialogs.propertiesAnswers << false;
    w.New1Click();
    EXPECT_EQ(w.FileName(), file);
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(w.CalendarPanel().CalendarLayout(), loWeek);
}

TEST_F(Documents, CancelChangesRestoresTheSavedFile)
{
    TCalendarMain &w = start();
    newCalendar();
    clickCell(11);
    typeText(QStringLiteral("saved text"));
    m_dialogs.saveAnswers << path(QStringLiteral("c.QLF"));
    ASSERT_TRUE(w.mnuSaveAsClick());
    clickCell(11);
    typeText(QStringLiteral(" and more"));
    clickCell(12);
    EXPECT_EQ(cellText(11), QStringLiteral("saved text and more"));
    typeText(QStringLiteral("new"));
    EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("CancelButton"))->isVisible());

    m_dialogs.questionAnswers << false;
    w.mnuCancelChangesClick();
    EXPECT_EQ(m_dialogs.questions.constLast(), QStringLiteral("CANCEL: Cancel all changes?"));
    EXPECT_TRUE(w.Modified());

    m_dialogs.questionAnswers << true;
    w.mnuCancelChangesClick();
    EXPECT_FALSE(w.Modified());
    EXPECT_EQ(cellText(11), QStringLiteral("saved text"));
    EXPECT_TRUE(cellText(12).isEmpty());
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_EQ(m_dialogs.informations.size(), 0);
}

TEST_F(Documents, ClearAllCellContentsEmptiesEveryCell)
{
    TCalendarMain &w = start();
    newCalendar();
    clickCell(4);
    typeText(QStringLiteral("x"));
    w.SetModified(false);
    w.mnuClearAllCellContentsClick();
    EXPECT_FALSE(w.CalendarPanel().HasContents());
    EXPECT_TRUE(w.Modified());
    EXPECT_FALSE(w.editor()->isVisible());
    // The page is drawn again before the next click finds its cells.
    clickCell(4);
    EXPECT_EQ(w.CurrentCell(), 4);
}

TEST_F(Documents, SaveAsBitmapWritesThePageAsShown)
{
    TCalendarMain &w = start();
    newCalendar();
    const QString file = path(QStringLiteral("page.BMP"));
    m_dialogs.saveAnswers << file;
    w.mnuSaveAsBitmapClick();
    EXPECT_EQ(m_dialogs.fileDialogs.constLast(),
              QStringLiteral("Save Calendar As Bitmap | ") + ProgramFolder()
                  + QStringLiteral("Dec1997.BMP | Bitmap File (*.BMP);;PNG File (*.PNG)"));
    const QImage image(file, "BMP");
    EXPECT_EQ(image.size(), w.pageWidget()->size());

    m_dialogs.saveAnswers << path(QStringLiteral("missing/page.BMP"));
    w.mnuSaveAsBitmapClick();
    ASSERT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_TRUE(m_dialogs.informations[0].contains(QStringLiteral("missing/page.BMP")));
}
