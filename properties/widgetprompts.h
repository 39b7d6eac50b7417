#pragma once

#include "propertiesprompts.h"

namespace ql {

// The real prompts: Qt's file and colour dialogs, the program's message
// boxes, the font and colour dialog, the start time dialog and the help pages.
class WidgetPrompts : public PropertiesPrompts
{
public:
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter, const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                         const QString &filter, const QString &defaultSuffix) override;
    void information(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text, const QString &caption) override;
    std::optional<CalFont> chooseFont(QWidget *parent, const CalFont &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial,
                                      bool customColors) override;
    std::optional<QTime> chooseTime(QWidget *parent, const QTime &initial) override;
    void help(QWidget *parent, int context) override;
};

} // namespace ql
