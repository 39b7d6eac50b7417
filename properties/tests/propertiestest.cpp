#include "propertiestest.h"

#include "pagestyles.h"
#include "programfolders.h"
#include "radiogroup.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace ql {

PropertiesTest::PropertiesTest()
{
    ApplyDesignerStyle(m_page, PageRole::MainWindow);
    m_page.SetCalendarLayout(loFCMinisInTitle);
    m_page.SetMainCalMonth(12);
    m_page.SetMainCalDay(10);
    m_page.SetMagnification(70);
}

void PropertiesTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    SetProgramFolders(ProgramFolders(m_dir.path(), m_dir.filePath(QStringLiteral("user"))));
}

TCalendarProperties &PropertiesTest::open(const Options &options)
{
    m_dialog = std::make_unique<TCalendarProperties>(nullptr, &m_prompts);
    m_dialog->ExampleCalendar().SetMagnification(30);
    m_dialog->SetApplyDefaultStyle(options.ApplyDefaultStyle);
    m_dialog->SetWarnOnLayoutChange(options.WarnOnLayoutChange);
    m_dialog->SetInitialLayoutClass(options.InitialLayoutClass);
    m_dialog->ExampleCalendar().AssignSettings(m_page);
    m_dialog->show();
    // Focus moves only inside the active window.
    QApplication::setActiveWindow(m_dialog.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    EXPECT_FALSE(m_dialog->Updating());
    return *m_dialog;
}

void PropertiesTest::showPageOf(QWidget *w)
{
    // A control on another page of the notebook is reached through its tab.
    auto *notebook = child<QStackedWidget>("Notebook");
    for (QWidget *p = w; p; p = p->parentWidget()) {
        if (p->parentWidget() == notebook) {
            showPage(notebook->indexOf(p));
            return;
        }
    }
}

void PropertiesTest::click(const char *name)
{
    click(child(name), name);
}

void PropertiesTest::click(QWidget *w, const char *name)
{
    ASSERT_NE(w, nullptr);
    showPageOf(w);
    ASSERT_TRUE(w->isVisible()) << name;
    ASSERT_TRUE(w->isEnabled()) << name;
    // Radio buttons and check boxes take clicks on their indicator.
    const bool indicator = qobject_cast<QAbstractButton *>(w) && !qobject_cast<QPushButton *>(w)
                           && !qobject_cast<QToolButton *>(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, indicator ? QPoint(6, w->height() / 2) : w->rect().center());
}

void PropertiesTest::clickLayoutEntry(int entry)
{
    auto *list = child<QListWidget>("LayoutList");
    showPageOf(list);
    QListWidgetItem *item = list->item(entry);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    ASSERT_EQ(list->currentRow(), entry);
}

void PropertiesTest::clickRadio(const char *group, int index)
{
    auto *g = child<TRadioGroup>(group);
    ASSERT_NE(g, nullptr);
    click(g->button(index), group);
    ASSERT_EQ(g->ItemIndex(), index) << group;
}

void PropertiesTest::pickEntry(const char *combo, int index)
{
    auto *c = child<QComboBox>(combo);
    ASSERT_NE(c, nullptr);
    showPageOf(c);
    ASSERT_TRUE(c->isEnabled()) << combo;
    ASSERT_LT(index, c->count());
    // What the list does when the user picks an entry with the mouse or keys.
    c->setCurrentIndex(index);
    emit c->activated(index);
}

void PropertiesTest::showPage(int index)
{
    auto *tabs = child<QTabBar>("TabSet1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    ASSERT_EQ(tabs->currentIndex(), index);
}

} // namespace ql

namespace ql {

void PropertiesTest::typeLines(const char *box, const QStringList &lines)
{
    auto *edit = child<QPlainTextEdit>(box);
    ASSERT_NE(edit, nullptr);
    click(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines.at(i));
    }
}

} // namespace ql
