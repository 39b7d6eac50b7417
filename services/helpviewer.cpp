#include "helpviewer.h"

#include "messageboxes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace ql {

namespace {

QString &helpFile()
{
    static QString name;
    return name;
}

HelpViewer currentViewer()
{
    return HelpViewer(helpFile(), HelpViewer::defaultFolders(helpFile()));
}

} // namespace

HelpViewer::HelpViewer(const QString &helpName, const QStringList &folders)
    : m_helpName(helpName), m_folders(folders),
      m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_reporter([](const QString &text) { InformationBox(text); })
{
}

QStringList HelpViewer::defaultFolders(const QString &helpName)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList folders{exeDir + QStringLiteral("/help"),
                        QDir::cleanPath(exeDir + QStringLiteral("/../share/") + helpName +
                                        QStringLiteral("/help"))};
    const QStringList shared =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &data : shared) {
        const QString folder = data + u'/' + helpName + QStringLiteral("/help");
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

QString HelpViewer::contentsPage(const QString &helpName)
{
    return helpName + QStringLiteral("-contents.html");
}

QString HelpViewer::contextPage(const QString &helpName, int context)
{
    return helpName + u'-' + QString::number(context) + QStringLiteral(".html");
}

QString HelpViewer::findPage(const QString &pageFileName) const
{
    for (const QString &folder : m_folders) {
        const QFileInfo page(QDir(folder), pageFileName);
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return QString();
}

QString HelpViewer::missingPageMessage(const QString &pageFileName)
{
    return QStringLiteral("The help page %1 could not be found.\r\nHelp is looked for in the "
                          "\"help\" folder next to the program.")
        .arg(pageFileName);
}

bool HelpViewer::showContents() const
{
    return show(contentsPage(m_helpName));
}

bool HelpViewer::showContext(int context) const
{
    return show(contextPage(m_helpName, context));
}

bool HelpViewer::show(const QString &pageFileName) const
{
    const QString path = findPage(pageFileName);
    if (path.isEmpty()) {
        m_reporter(missingPageMessage(pageFileName));
        return false;
    }
    if (!m_opener(QUrl::fromLocalFile(path))) {
        m_reporter(QStringLiteral("Unable to open the help page %1 in a web browser.")
                       .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void SetHelpFile(const QString &helpName)
{
    helpFile() = helpName;
}

QString HelpFile()
{
    return helpFile();
}

void ContextHelp(int context)
{
    currentViewer().showContext(context);
}

void HelpContents()
{
    currentViewer().showContents();
}

} // namespace ql
