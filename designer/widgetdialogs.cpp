#include "widgetdialogs.h"

#include "centerform.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "standinpropertiesdialog.h"

#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace ql {

QString WidgetDialogs::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter)
{
    return AskOpenFileName(parent, title, folder, filter);
}

QString WidgetDialogs::saveFileName(QWidget *parent, const QString &title,
                                    const QString &proposedPath, const QString &filter,
                                    const QString &defaultSuffix)
{
    return AskSaveFileName(parent, title, proposedPath, filter, defaultSuffix);
}

void WidgetDialogs::information(QWidget *, const QString &text)
{
    InformationBox(text);
}

bool WidgetDialogs::question(QWidget *, const QString &text, const QString &caption)
{
    return YesNoQuestion(text, caption);
}

std::optional<QFont> WidgetDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

bool WidgetDialogs::runProperties(QWidget *parent, TCalendarPanel &example,
                                  const PropertiesOptions &options)
{
    StandInPropertiesDialog dialog(example, options, parent);
    CenterForm(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

void WidgetDialogs::about(QWidget *parent)
{
    QMessageBox::about(parent, QStringLiteral("About Quillon"),
                       QStringLiteral("Quillon\nCalendar page designer, version %1")
                           .arg(QStringLiteral(QL_DESIGNER_VERSION)));
}

bool WidgetDialogs::print(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // The calendar is one page: there is no range or selection to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool WidgetDialogs::printSetup(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ql
