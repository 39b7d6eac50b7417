#include "stylesheetcommands.h"

#include "busycursor.h"
#include "calendarpanel.h"
#include "error.h"
#include "programfolders.h"
#include "propertiesprompts.h"

#include <QFileInfo>

namespace ql {

const QString StyleSheetCommands::Filter = QStringLiteral("Calendar Style Sheet (*.QLS)");

namespace {

const QString kSuffix = QStringLiteral("QLS");

} // namespace

StyleSheetCommands::StyleSheetCommands(TCalendarPanel &page, PropertiesPrompts &prompts,
                                       QWidget *parent)
    : m_page(page), m_prompts(prompts), m_parent(parent)
{
}

bool StyleSheetCommands::HasStyleSheetExtension(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.mid(dot).toUpper() == QStringLiteral(".QLS");
}

QString StyleSheetCommands::unableToOpenMessage(const QString &fileName)
{
    return QStringLiteral("Unable to open ") + fileName +
           QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file");
}

void StyleSheetCommands::save()
{
    // The folder the program writes to: the program's own when it may write
    // there, otherwise the user's data folder.
    const QString name =
        m_prompts.saveFileName(m_parent, QStringLiteral("Save As Calendar Style Sheet"),
                               DataFolder() + QStringLiteral("MyStyle.QLS"), Filter, kSuffix);
    if (name.isEmpty())
        return;
    if (!HasStyleSheetExtension(name)) {
        m_prompts.information(m_parent, QStringLiteral("Must save as a Calendar Style Sheet (*.QLS)"));
        return;
    }
    try {
        BusyCursor busy;
        m_page.SaveToStyleSheet(name);
    } catch (const Error &e) {
        m_prompts.information(m_parent, e.message());
    }
}

QString StyleSheetCommands::chooseFileToLoad()
{
    const QString name = m_prompts.openFileName(m_parent, QStringLiteral("Open Calendar Style Sheet"),
                                                DataFolder(), Filter, kSuffix);
    if (name.isEmpty())
        return {};
    if (!HasStyleSheetExtension(name)) {
        m_prompts.information(m_parent, QStringLiteral("Must be a Calendar Style Sheet (*.QLS)"));
        return {};
    }
    return name;
}

void StyleSheetCommands::load(const QString &name)
{
    try {
        BusyCursor busy;
        m_page.LoadFromStyleSheet(name);
    } catch (const Error &) {
        // The reader's own wording is for developers; the user is told which
        // file and the two likely reasons.
        m_prompts.information(m_parent, unableToOpenMessage(QFileInfo(name).absoluteFilePath()));
    }
}

} // namespace ql
