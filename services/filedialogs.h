#pragma once

#include <QString>

class QWidget;

namespace ql {

// The file dialogs both programs' windows use: the chosen file, or an empty
// string when the user cancels. A name typed without an extension gets
// defaultSuffix; saving asks before overwriting.
QString AskOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                        const QString &filter, const QString &defaultSuffix = QString());
QString AskSaveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                        const QString &filter, const QString &defaultSuffix);

} // namespace ql
