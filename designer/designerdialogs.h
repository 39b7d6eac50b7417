#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace ql {

class TCalendarPanel;

// What the Properties command tells the properties dialog.
struct PropertiesOptions
{
    // A new calendar is being set up: start from the default style.
    bool ApplyDefaultStyle = false;
    // The page has contents: OK must confirm a change of layout class.
    bool WarnOnLayoutChange = false;
    // The page's layout class when the dialog opened.
    int InitialLayoutClass = 1;

    bool operator==(const PropertiesOptions &o) const
    {
        return ApplyDefaultStyle == o.ApplyDefaultStyle && WarnOnLayoutChange == o.WarnOnLayoutChange
               && InitialLayoutClass == o.InitialLayoutClass;
    }
};

// Every modal window the main window opens goes through here, so tests can
// answer them from a script instead of blocking on a real dialog.
class DesignerDialogs
{
public:
    virtual ~DesignerDialogs() = default;

    // An existing file chosen by the user, or empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // A file name to write, the user having confirmed overwriting an existing
    // file; empty when cancelled. proposedPath is folder and proposed name.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // The information box (caption "Information").
    virtual void information(QWidget *parent, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &caption) = 0;
    // The font dialog; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // The properties dialog working on example, a copy of the page's
    // settings; true for OK. The example's magnification on return is the
    // one the user left it at.
    virtual bool runProperties(QWidget *parent, TCalendarPanel &example,
                               const PropertiesOptions &options) = 0;
    virtual void about(QWidget *parent) = 0;
    // The print dialog on printer; true when the user chose to print. The
    // user's choices (printer, copies, a PDF file) are left in printer.
    virtual bool print(QWidget *parent, QPrinter &printer) = 0;
    // The page setup dialog on printer; its choices are left in printer.
    // True for OK.
    virtual bool printSetup(QWidget *parent, QPrinter &printer) = 0;
};

} // namespace ql
