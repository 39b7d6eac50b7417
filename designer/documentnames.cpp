#include "documentnames.h"

#include "calendarpanel.h"

#include <QFileInfo>

namespace ql {

namespace {

// Month names are the user's own text; a slash in one would make the
// proposed name point into a folder.
QString monthAndYear(const TCalendarPanel &page)
{
    QString month;
    page.GetMonthName(page.MainCalMonth(), month);
    month = month.left(3);
    month.remove(QLatin1Char('/'));
    return month + QString::number(page.MainCalYear());
}

} // namespace

QString WindowCaption(const QString &fileName, int magnification)
{
    QString caption = QStringLiteral("Quillon");
    if (!fileName.isEmpty())
        caption += QStringLiteral("  [") + QFileInfo(fileName).fileName() + QLatin1Char(']');
    caption += QStringLiteral("    [") + QString::number(magnification) + QStringLiteral("%]");
    return caption;
}

QString ProposedCalendarFileName(const TCalendarPanel &page, const QString &fileName)
{
    if (!fileName.isEmpty())
        return QFileInfo(fileName).fileName();
    return monthAndYear(page) + QStringLiteral(".QLF");
}

QString ProposedImageFileName(const TCalendarPanel &page, const QString &fileName,
                              const QString &extension)
{
    if (fileName.isEmpty())
        return monthAndYear(page) + extension;
    const QFileInfo info(fileName);
    const QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? name.left(dot) : name) + extension;
}

bool HasCalendarFileExtension(const QString &path)
{
    return path.endsWith(QLatin1String(".QLF"), Qt::CaseInsensitive);
}

} // namespace ql
