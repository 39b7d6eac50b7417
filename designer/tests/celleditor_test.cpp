// Cell editing: where the editor sits and how large the text looks, moving
// between cells with Tab, the toolbar and the default editor font.
#include "designertestutil.h"

#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "formattoolbar.h"
#include "inifile.h"
#include "programfolders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontComboBox>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

using namespace ql;

namespace {

// The bounding box of the dark pixels of an image.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QTextCharFormat formatAt(const QTextDocument &doc, int position)
{
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(position + 1);
    return c.charFormat();
}

} // namespace

using CellEditing = DesignerTest;

TEST_F(CellEditing, EditorLiesOverTheFreeAreaAndShowsTextAsThePageDoes)
{
    TCalendarMain &w = start();
    newCalendar();
    for (int zoom : {60, 100}) {
        SCOPED_TRACE(zoom);
        while (w.CalendarPanel().Magnification() < zoom)
            w.ZoomPlusButtonClick();
        clickCell(17);
        const TRect f = w.CalendarPanel().MainAttributes().Cells[16].FreeRect;
        EXPECT_EQ(w.editor()->geometry(),
                  QRect(w.pageWidget()->pos() + QPoint(f.Left, f.Top), QSize(f.width(), f.height())));
        EXPECT_DOUBLE_EQ(w.editor()->transform().m11(), zoom / 100.0);

        typeText(QStringLiteral("WWW"));
        // The text cursor is no ink of the text: look without the focus.
        w.pageWidget()->setFocus();
        QApplication::processEvents();
        const QRect inEditor = inkBox(w.editor()->grab().toImage());
        w.DoSaveRichtext();
        w.pageWidget()->ensureComposed();
        const QImage page = w.CalendarPanel().PaintImage().copy(f.toQRect());
        const QRect onPage = inkBox(page);
        // The same text at the same size in the same place, give or take the
        // pixel the page squeezes its text by.
        ASSERT_FALSE(onPage.isEmpty());
        EXPECT_NEAR(inEditor.height(), onPage.height(), 2);
        EXPECT_NEAR(inEditor.width(), onPage.width(), 2);
        EXPECT_NEAR(inEditor.top(), onPage.top(), 2);
        EXPECT_NEAR(inEditor.left(), onPage.left(), 2);

        // Sizes stored in the cell are the unscaled ones the user chose.
        EXPECT_EQ(formatAt(w.CalendarPanel().CellStorage(17).document(), 0).fontPointSize(), 10.0);
        w.CalendarPanel().CellStorage(17).clear();
    }
}

TEST_F(CellEditing, TabMovesBetweenCellsWithinThePage)
{
    TCalendarMain &w = start();
    newCalendar();
    clickCell(5);
    typeText(QStringLiteral("five"));
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(w.CurrentCell(), 6);
    EXPECT_EQ(cellText(5), QStringLiteral("five"));
    EXPECT_TRUE(w.editor()->hasEditorFocus());
    EXPECT_FALSE(w.editor()->textEdit()->toPlainText().contains(QLatin1Char('\t')));
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.CurrentCell(), 4);

    // Shift+Tab from cell 1 and Tab from cell 42 go nowhere.
    clickCell(1);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.CurrentCell(), 1);
    clickCell(42);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(w.CurrentCell(), 42);
    EXPECT_TRUE(w.editor()->isVisible());

    // Outside the editor Tab is the ordinary focus key: no cell opens.
    w.DoSaveRichtext();
    w.pageWidget()->setFocus();
    pressKey(Qt::Key_Tab);
    EXPECT_FALSE(w.editor()->isVisible());
}

TEST_F(CellEditing, TabStopsAtTheLastPlannerRow)
{
    TCalendarMain &w = start();
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetCalendarLayout(loWeek); };
    newCalendar();
    int last = 0;
    w.pageWidget()->ensureComposed();
    for (int i = 1; i <= 42; ++i) {
        if (!w.CalendarPanel().MainAttributes().Cells[static_cast<size_t>(i - 1)].FreeRect.isAllZero())
            last = i;
    }
    ASSERT_GT(last, 1);
    clickCell(last);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(w.CurrentCell(), last);
}

TEST_F(CellEditing, LoadingAndReloadingAreNoEdits)
{
    TCalendarMain &w = start();
    newCalendar();
    clickCell(9);
    typeText(QStringLiteral("nine"));
    clickCell(10);
    w.SetModified(false);
    clickCell(9);
    clickCell(9);
    EXPECT_FALSE(w.Modified());
    EXPECT_EQ(w.editor()->textEdit()->toPlainText(), QStringLiteral("nine"));

    // Ctrl+A selects everything and types nothing.
    QTest::keyClick(w.editor()->textEdit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.editor()->textEdit()->textCursor().selectedText(), QStringLiteral("nine"));
    EXPECT_FALSE(w.Modified());
}

TEST_F(CellEditing, MiniCalendarPagesOpenNoEditor)
{
    TCalendarMain &w = start();
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetCalendarLayout(loMC12Month); };
    newCalendar();
    EXPECT_TRUE(w.findChild<QWidget *>(QStringLiteral("IconListBox"))->isHidden());
    const QSize size = w.pageWidget()->size();
    QTest::mouseClick(w.pageWidget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(size.width() / 2, size.height() / 2));
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_EQ(w.CurrentCell(), 0);
}

TEST_F(CellEditing, ToolbarFormatsTheSelectionInOneUndoStep)
{
    TCalendarMain &w = start();
    newCalendar();
    FormatToolBar *bar = w.toolBar();
    EXPECT_FALSE(bar->isEnabled());
    clickCell(12);
    EXPECT_TRUE(bar->isEnabled());

    struct Tip { QAction *action; const char *text; };
    const Tip tips[] = {
        {bar->boldAction(), "Bold Font"}, {bar->italicAction(), "Italic Font"},
        {bar->underlineAction(), "Underlined Font"}, {bar->alignLeftAction(), "Left Justify Text"},
        {bar->alignRightAction(), "Right Justify Text"}, {bar->alignCenterAction(), "Center Text "},
        {bar->copyAction(), "Copy Text"}, {bar->cutAction(), "Cut Text"},
        {bar->pasteAction(), "Paste Text"}, {bar->selectAllAction(), "Select All"},
    };
    for (const Tip &t : tips)
        EXPECT_EQ(t.action->toolTip(), QString::fromLatin1(t.text));
    EXPECT_EQ(bar->sizeBox()->itemText(0), QStringLiteral("8"));

    typeText(QStringLiteral("plain bold"));
    w.SetModified(false);
    QTextEdit *edit = w.editor()->textEdit();
    bar->selectAllAction()->trigger();
    bar->boldAction()->trigger();
    bar->sizeBox()->textActivated(QStringLiteral("14"));
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(formatAt(*edit->document(), 2).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(*edit->document(), 2).fontPointSize(), 14.0);
    EXPECT_TRUE(w.editor()->hasEditorFocus()) << "the toolbar leaves the focus in the editor";

    edit->undo();
    EXPECT_EQ(formatAt(*edit->document(), 2).fontWeight(), QFont::Bold) << "size undone alone";
    EXPECT_NE(formatAt(*edit->document(), 2).fontPointSize(), 14.0);
    edit->undo();
    EXPECT_NE(formatAt(*edit->document(), 2).fontWeight(), QFont::Bold);

    bar->alignCenterAction()->trigger();
    EXPECT_EQ(edit->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);

    // Committing the cell disables the toolbar.
    w.DoSaveRichtext();
    EXPECT_FALSE(bar->isEnabled());
}

TEST_F(CellEditing, EmptyCellsTypeInTheDefaultEditorFont)
{
    IniFile ini(SettingsFileName());
    ini.writeString(QStringLiteral("Default Font"), QStringLiteral("Name"), QStringLiteral("Courier New"));
    ini.writeInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 14);
    ini.writeBool(QStringLiteral("Default Font"), QStringLiteral("Italic"), true);
    ini.writeInteger(QStringLiteral("Default Font"), QStringLiteral("Color"), 0x0000FF);
    TCalendarMain &w = start();
    newCalendar();
    clickCell(20);
    typeText(QStringLiteral("Red"));
    w.DoSaveRichtext();
    QTextCharFormat f = formatAt(w.CalendarPanel().CellStorage(20).document(), 0);
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_EQ(f.fontPointSize(), 14.0);
    EXPECT_TRUE(f.fontItalic());
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));

    // A cell with text keeps the attributes where the text ends.
    clickCell(20);
    EXPECT_EQ(w.editor()->textEdit()->currentCharFormat().fontPointSize(), 14.0);

    // The Default Editor Font command stores the chosen font, strike-out included.
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(12);
    chosen.setStrikeOut(true);
    m_dialogs.fontAnswer = chosen;
    w.DefaultEditorFont1Click();
    EXPECT_EQ(m_dialogs.fontRuns, 1);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 12);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), false));
    EXPECT_TRUE(w.editor()->textEdit()->currentCharFormat().fontStrikeOut());
}
