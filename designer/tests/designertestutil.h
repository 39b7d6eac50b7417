#pragma once

#include "calendarmain.h"
#include "designerdialogs.h"
#include "printersystem.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace ql {

// Answers the window's dialogs from a script and records what was asked.
// An unscripted file dialog is cancelled and an unscripted question answered
// No, so a test that forgets an answer sees a cancelled command, not a hang.
class FakeDialogs : public DesignerDialogs
{
public:
    QStringList openAnswers;
    QStringList saveAnswers;
    QList<bool> questionAnswers;
    std::optional<QFont> fontAnswer;
    QList<bool> propertiesAnswers;
    // Runs on the example page before a properties answer is returned.
    std::function<void(TCalendarPanel &)> propertiesEdit;
    // The print and page setup dialogs: what the user does there to the
    // printer and whether they confirm. Unscripted, both are cancelled.
    std::function<bool(QPrinter &)> printAnswer;
    std::function<bool(QPrinter &)> printSetupAnswer;

    QStringList informations;
    QStringList questions; // "caption: text"
    QStringList fileDialogs; // "title | proposed path | filter"
    QList<PropertiesOptions> propertiesRuns;
    int fontRuns = 0;
    // "print" or "setup", with the paper the printer had when the dialog
    // opened: "print | A4".
    QStringList printDialogs;

    QString openFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *, const QString &title, const QString &proposedPath,
                         const QString &filter, const QString &defaultSuffix) override;
    void information(QWidget *, const QString &text) override;
    bool question(QWidget *, const QString &text, const QString &caption) override;
    std::optional<QFont> chooseFont(QWidget *, const QFont &initial) override;
    bool runProperties(QWidget *, TCalendarPanel &example, const PropertiesOptions &options) override;
    void about(QWidget *) override {}
    bool print(QWidget *, QPrinter &printer) override;
    bool printSetup(QWidget *, QPrinter &printer) override;
};

// One installed, default printer, unless a test changes the lists.
class FakePrinters : public PrinterSystem
{
public:
    QStringList installed{QStringLiteral("Office")};
    QString defaultName = QStringLiteral("Office");

    QStringList installedPrinters() const override { return installed; }
    QString defaultPrinter() const override { return defaultName; }
};

// A designer with its own program folder, started like the program starts.
class DesignerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and runs its first activation; the window is active.
    TCalendarMain &start();
    // Closes the running window (answering any save prompt from the script)
    // and starts a new one.
    TCalendarMain &restart();
    TCalendarMain &window() { return *m_window; }

    QString path(const QString &name) const;
    QString settingsText() const;

    // A new untitled calendar through New and an accepted properties dialog.
    void newCalendar();
    // Clicks the middle of cell i's rectangle on the page.
    void clickCell(int i);
    // A key as the user presses it: to the focus widget.
    void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeText(const QString &text);
    QString cellText(int i);

    QTemporaryDir m_dir;
    FakeDialogs m_dialogs;
    FakePrinters m_printers;
    std::unique_ptr<TCalendarMain> m_window;
};

// Writes a calendar file of the window's current style with text in every
// one of the 42 cells.
void WriteFullCalendarFile(const QString &path);

} // namespace ql
