#pragma once

#include "propertiestab.h"

#include <QStringList>
#include <vector>

class QComboBox;

namespace ql {

// "Header Styles" and "Line Styles": labelled lists whose entry i selects
// value i of an enumeration of the working copy.
class StyleListTab : public PropertiesTab
{
    Q_OBJECT

public:
    struct List
    {
        const char *Label;
        const char *Name;
        const char *Hint;
        QStringList Entries;
        ControlScope Scope;
        int (*Get)(const TCalendarPanel &);
        void (*Set)(TCalendarPanel &, int);
    };

    static StyleListTab *headerStylesPage(PropertiesState &state, QWidget *parent = nullptr);
    static StyleListTab *lineStylesPage(PropertiesState &state, QWidget *parent = nullptr);

    StyleListTab(const QString &heading, const std::vector<List> &lists, PropertiesState &state,
                 QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

private:
    std::vector<std::pair<QComboBox *, int (*)(const TCalendarPanel &)>> m_lists;
};

} // namespace ql
