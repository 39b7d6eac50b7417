#pragma once

#include "designerdialogs.h"

namespace ql {

// The real dialogs: Qt's file and font dialogs, the program's message boxes
// and, until the full properties dialog lands, the stand-in one.
class WidgetDialogs : public DesignerDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                         const QString &filter, const QString &defaultSuffix) override;
    void information(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text, const QString &caption) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    bool runProperties(QWidget *parent, TCalendarPanel &example,
                       const PropertiesOptions &options) override;
    void about(QWidget *parent) override;
    bool print(QWidget *parent, QPrinter &printer) override;
    bool printSetup(QWidget *parent, QPrinter &printer) override;
};

} // namespace ql
