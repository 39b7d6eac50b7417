#pragma once

#include "caltypes.h"

#include <QColor>
#include <QString>
#include <QTime>
#include <optional>

class QWidget;

namespace ql {

// Every modal window the properties dialog opens goes through here, so tests
// answer them from a script instead of blocking on a real dialog.
class PropertiesPrompts
{
public:
    virtual ~PropertiesPrompts() = default;

    // An existing file chosen by the user, or empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // A file name to write (the user confirmed overwriting an existing file;
    // the default suffix is added to a name typed without one), or empty.
    virtual QString saveFileName(QWidget *parent, const QString &title,
                                 const QString &proposedPath, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // The information box (caption "Information"); "\r" breaks lines.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &caption) = 0;
    // Face, size, style and colour; nothing when cancelled.
    virtual std::optional<CalFont> chooseFont(QWidget *parent, const CalFont &initial) = 0;
    // customColors false: the dialog offers no custom colours to define.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial,
                                              bool customColors) = 0;
    // The day planner start time dialog; nothing when cancelled.
    virtual std::optional<QTime> chooseTime(QWidget *parent, const QTime &initial) = 0;
    // The help page of a context.
    virtual void help(QWidget *parent, int context) = 0;
};

} // namespace ql
