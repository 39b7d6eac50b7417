#include "widgetprompts.h"

#include "centerform.h"
#include "filedialogs.h"
#include "fontcolordialog.h"
#include "helpviewer.h"
#include "messageboxes.h"
#include "settimedialog.h"

#include <QColorDialog>
#include <QPushButton>

namespace ql {

QString WidgetPrompts::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter, const QString &defaultSuffix)
{
    return AskOpenFileName(parent, title, folder, filter, defaultSuffix);
}

QString WidgetPrompts::saveFileName(QWidget *parent, const QString &title,
                                    const QString &proposedPath, const QString &filter,
                                    const QString &defaultSuffix)
{
    return AskSaveFileName(parent, title, proposedPath, filter, defaultSuffix);
}

void WidgetPrompts::information(QWidget *, const QString &text)
{
    InformationBox(text);
}

bool WidgetPrompts::question(QWidget *, const QString &text, const QString &caption)
{
    return YesNoQuestion(text, caption);
}

std::optional<CalFont> WidgetPrompts::chooseFont(QWidget *parent, const CalFont &initial)
{
    FontColorDialog dialog(initial, *this, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.font();
}

std::optional<QColor> WidgetPrompts::chooseColor(QWidget *parent, const QColor &initial,
                                                 bool customColors)
{
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (!customColors) {
        // Qt's dialog cannot be told to leave out custom colours; its button
        // for adding one is hidden instead.
        const auto buttons = dialog.findChildren<QPushButton *>();
        for (QPushButton *b : buttons) {
            if (b->text().contains(QLatin1String("Custom"), Qt::CaseInsensitive))
                b->hide();
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QTime> WidgetPrompts::chooseTime(QWidget *parent, const QTime &initial)
{
    TSetTimeDialog dialog(parent);
    dialog.SetTime(initial);
    CenterForm(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Time();
}

void WidgetPrompts::help(QWidget *, int context)
{
    ContextHelp(context);
}

} // namespace ql
