#include "messageboxes.h"

#include <QApplication>
#include <QMessageBox>

namespace ql {

namespace {

QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, withLineBreaks(text), buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void InformationBox(const QString &text)
{
    ask(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool YesNoQuestion(const QString &text, const QString &caption)
{
    return ask(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace ql
