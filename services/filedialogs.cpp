#include "filedialogs.h"

#include <QFileDialog>

namespace ql {

namespace {

QString run(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString AskOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                        const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return run(dialog);
}

QString AskSaveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                        const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedPath);
    return run(dialog);
}

} // namespace ql
