#pragma once

#include "traypreferences.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace ql {

// Everything of the tray window that waits for the user in a modal dialog or
// leaves the program (help). The window asks through this class so that
// tests can answer without a dialog ever blocking them.
class TrayDialogs
{
public:
    virtual ~TrayDialogs() = default;

    // Empty when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial,
                                              const QString &title);
    virtual std::optional<CalendarFontChoice> chooseFont(QWidget *parent,
                                                         const CalendarFontChoice &initial);
    // An error of a command (a note that could not be written or read).
    virtual void showError(QWidget *parent, const QString &message);
    virtual void showInformation(QWidget *parent, const QString &message);
    virtual void showAbout(QWidget *parent);
    virtual void showHelpContents();
    virtual void showContextHelp(int context);
};

} // namespace ql
