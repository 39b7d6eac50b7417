#include "designertestutil.h"

#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "pagestyles.h"
#include "programfolders.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace ql {

QString FakeDialogs::openFileName(QWidget *, const QString &title, const QString &folder,
                                  const QString &filter)
{
    fileDialogs << title + QStringLiteral(" | ") + folder + QStringLiteral(" | ") + filter;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakeDialogs::saveFileName(QWidget *, const QString &title, const QString &proposedPath,
                                  const QString &filter, const QString &)
{
    fileDialogs << title + QStringLiteral(" | ") + proposedPath + QStringLiteral(" | ") + filter;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void FakeDialogs::information(QWidget *, const QString &text)
{
    informations << text;
}

bool FakeDialogs::question(QWidget *, const QString &text, const QString &caption)
{
    questions << caption + QStringLiteral(": ") + text;
    return questionAnswers.isEmpty() ? false : questionAnswers.takeFirst();
}

std::optional<QFont> FakeDialogs::chooseFont(QWidget *, const QFont &)
{
    ++fontRuns;
    return fontAnswer;
}

bool FakeDialogs::runProperties(QWidget *, TCalendarPanel &example, const PropertiesOptions &options)
{
    propertiesRuns << options;
    if (options.ApplyDefaultStyle)
        example.ResetToDefaultStyle();
    if (propertiesEdit)
        propertiesEdit(example);
    return propertiesAnswers.isEmpty() ? false : propertiesAnswers.takeFirst();
}

namespace {

QString printerPaper(const QPrinter &printer)
{
    return printer.pageLayout().pageSize().key();
}

} // namespace

bool FakeDialogs::print(QWidget *, QPrinter &printer)
{
    printDialogs << QStringLiteral("print | ") + printerPaper(printer);
    return printAnswer ? printAnswer(printer) : false;
}

bool FakeDialogs::printSetup(QWidget *, QPrinter &printer)
{
    printDialogs << QStringLiteral("setup | ") + printerPaper(printer);
    return printSetupAnswer ? printSetupAnswer(printer) : false;
}

void DesignerTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    SetProgramFolders(ProgramFolders(m_dir.path() + QLatin1Char('/'),
                                     m_dir.path() + QStringLiteral("/user/")));
}

void DesignerTest::TearDown()
{
    if (m_window) {
        // Closing must not ask anything the test did not script.
        m_window->SetModified(false);
        m_window->close();
        m_window.reset();
    }
}

TCalendarMain &DesignerTest::start()
{
    m_window = std::make_unique<TCalendarMain>(m_dialogs, m_printers);
    m_window->FormActivate();
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    return *m_window;
}

TCalendarMain &DesignerTest::restart()
{
    if (m_window) {
        m_window->close();
        m_window.reset();
    }
    return start();
}

QString DesignerTest::path(const QString &name) const
{
    return m_dir.path() + QLatin1Char('/') + name;
}

QString DesignerTest::settingsText() const
{
    QFile f(path(QStringLiteral("QL.ini")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void DesignerTest::newCalendar()
{
    m_dialogs.propertiesAnswers << true;
    window().New1Click();
    ASSERT_FALSE(window().pageWidget()->isHidden());
}

void DesignerTest::clickCell(int i)
{
    window().pageWidget()->ensureComposed();
    const TRect r = window().CalendarPanel().MainAttributes().Cells[static_cast<size_t>(i - 1)].Rect;
    ASSERT_FALSE(r.isAllZero()) << "cell " << i << " is not on the page";
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QTest::mouseClick(window().pageWidget(), Qt::LeftButton, Qt::NoModifier, centre);
}

void DesignerTest::pressKey(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : m_window.get(), static_cast<Qt::Key>(key), modifiers);
}

void DesignerTest::typeText(const QString &text)
{
    // Characters go where the user's typing goes: the editor's text.
    QTest::keyClicks(window().editor()->textEdit(), text);
}

QString DesignerTest::cellText(int i)
{
    return window().CalendarPanel().CellStorage(i).document().toPlainText();
}

void WriteFullCalendarFile(const QString &path)
{
    TCalendarPanel page;
    page.ResetToDefaultStyle();
    ApplyDesignerStyle(page, PageRole::MainWindow);
    for (int i = 1; i <= 42; ++i) {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Arial")});
        f.setFontPointSize(10);
        c.insertText(QStringLiteral("Cell %1: meeting at ten, lunch with the team").arg(i), f);
        page.CellStorage(i).assign(doc);
    }
    page.SaveToCalendarFile(path);
}

} // namespace ql
