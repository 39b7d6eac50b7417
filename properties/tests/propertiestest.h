#pragma once

#include "calendarpanel.h"
#include "calendarproperties.h"
#include "fakeprompts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class QComboBox;

namespace ql {

// The properties dialog as the Properties command opens it, on a copy of a
// page of the designer's main window, with scripted prompts and its own data
// folder.
class PropertiesTest : public ::testing::Test
{
protected:
    PropertiesTest();
    void SetUp() override;

    struct Options
    {
        bool ApplyDefaultStyle = false;
        bool WarnOnLayoutChange = false;
        int InitialLayoutClass = 1;
    };
    // Creates the dialog, copies m_page's settings into its example and
    // shows it, which fills the controls (the first activation).
    TCalendarProperties &open(const Options &options);
    TCalendarProperties &open() { return open(Options{}); }
    TCalendarProperties &dialog() { return *m_dialog; }
    TCalendarPanel &example() { return m_dialog->ExampleCalendar(); }

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *w = m_dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A left click in the middle of a control, as the user gives it.
    void click(const char *name);
    void click(QWidget *control, const char *name);
    void clickLayoutEntry(int entry);
    void clickRadio(const char *group, int index);
    // The user picking entry `index` of a drop-down list.
    void pickEntry(const char *combo, int index);
    // The page of the notebook the user looks at.
    void showPage(int index);
    void showPageOf(QWidget *control);
    // Replaces a text box's contents by typing, one line after another.
    void typeLines(const char *box, const QStringList &lines);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    FakePrompts m_prompts;
    // The caller's page, as the designer's main window creates it.
    TCalendarPanel m_page;
    std::unique_ptr<TCalendarProperties> m_dialog;
};

} // namespace ql
