#include "traydialogs.h"

#include "calendarfontdialog.h"
#include "centerform.h"
#include "helpviewer.h"
#include "messageboxes.h"
#include "splashform.h"

#include <QColorDialog>
#include <QMessageBox>

namespace ql {

std::optional<QColor> TrayDialogs::chooseColor(QWidget *parent, const QColor &initial,
                                               const QString &title)
{
    const QColor color = QColorDialog::getColor(initial, parent, title);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<CalendarFontChoice> TrayDialogs::chooseFont(QWidget *parent,
                                                          const CalendarFontChoice &initial)
{
    CalendarFontDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void TrayDialogs::showError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Osprel"), message, QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void TrayDialogs::showInformation(QWidget *, const QString &message)
{
    InformationBox(message);
}

void TrayDialogs::showAbout(QWidget *parent)
{
    TSplashform box(parent);
    CenterForm(&box);
    box.exec();
}

void TrayDialogs::showHelpContents()
{
    HelpContents();
}

void TrayDialogs::showContextHelp(int context)
{
    ContextHelp(context);
}

} // namespace ql
