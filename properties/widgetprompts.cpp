#include "widgetprompts.h"

#include "centerform.h"
#include "fontcolordialog.h"
#include "helpviewer.h"
#include "messageboxes.h"
#include "settimedialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPushButton>

namespace ql {

QString WidgetPrompts::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::saveFileName(QWidget *parent, const QString &title,
                                    const QString &proposedPath, const QString &filter,
                                    const QString &defaultSuffix)
{
    // QFileDialog asks before overwriting and adds the default suffix to a
    // name typed without one.
    QFileDialog dialog(parent, title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
