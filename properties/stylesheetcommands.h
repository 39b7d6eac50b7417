#pragma once

#include <QString>

class QWidget;

namespace ql {

class PropertiesPrompts;
class TCalendarPanel;

// Saving the working copy's settings as a style sheet and loading one into
// it: the file dialogs, the extension check and the messages around the
// page's own writer and reader.
class StyleSheetCommands
{
public:
    StyleSheetCommands(TCalendarPanel &page, PropertiesPrompts &prompts, QWidget *parent);

    // Writes nothing when cancelled or given another extension; a failed
    // write is reported and leaves any earlier file as it was.
    void save();
    // The style sheet the user picked, or empty when cancelled or given
    // another extension (after saying so).
    QString chooseFileToLoad();
    // Reads it into the page; a rejected file changes nothing and is reported.
    void load(const QString &fileName);

    // "Name.QLS" in any case; the extension is what follows the file name's
    // last dot.
    static bool HasStyleSheetExtension(const QString &fileName);
    static QString unableToOpenMessage(const QString &fileName);

    static const QString Filter;

private:
    TCalendarPanel &m_page;
    PropertiesPrompts &m_prompts;
    QWidget *m_parent;
};

} // namespace ql
