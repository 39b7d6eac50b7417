#include "stylelisttab.h"

#include "calendarpanel.h"
#include "dialogtexts.h"
#include "propertiesstate.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ql {

namespace {

const QStringList kHeaderStyles{QStringLiteral("First Character"),
                                QStringLiteral("First Three Characters"), QStringLiteral("Whole Word")};

} // namespace

StyleListTab *StyleListTab::headerStylesPage(PropertiesState &state, QWidget *parent)
{
    const std::vector<List> lists{
        {"Header Style", "CalHeaderStyleCombo",
         "Select a Header Style for the calendar\r(the header is the part of the calendar showing "
         "\rthe names of the days)",
         kHeaderStyles, ControlScope::MainOrPlanner,
         [](const TCalendarPanel &p) { return static_cast<int>(p.HeadersStyle()); },
         [](TCalendarPanel &p, int v) { p.SetHeadersStyle(static_cast<TCalHeadersStyle>(v)); }},
        {"Mini Header Style", "MiniHeadersStyleCombo",
         "Select a Header Style for the Mini calendars\r(the header is the part of the calendar "
         "showing \rthe names of the days)",
         kHeaderStyles, ControlScope::MiniCalendars,
         [](const TCalendarPanel &p) { return static_cast<int>(p.MiniHeadersStyle()); },
         [](TCalendarPanel &p, int v) { p.SetMiniHeadersStyle(static_cast<TCalHeadersStyle>(v)); }},
    };
    return new StyleListTab(QStringLiteral("Header Styles"), lists, state, parent);
}

StyleListTab *StyleListTab::lineStylesPage(PropertiesState &state, QWidget *parent)
{
    const std::vector<List> lists{
        {"Calendar Line Style", "CalendarLineLayoutCombo", "Select a Line Style for the calendar",
         {QStringLiteral("Full"), QStringLiteral("Headers & Cells"), QStringLiteral("Cells Only")},
         ControlScope::MainCalendar,
         [](const TCalendarPanel &p) { return static_cast<int>(p.CalendarLineLayout()); },
         [](TCalendarPanel &p, int v) {
             p.SetCalendarLineLayout(static_cast<TCalendarLineLayout>(v));
         }},
        {"Mini-Calendar Line Style", "MiniCalendarLineLayoutCombo",
         "Select a Line Style for the Mini calendars",
         {QStringLiteral("Full"), QStringLiteral("Boxed"), QStringLiteral("Minimal")},
         ControlScope::MiniCalendars,
         [](const TCalendarPanel &p) { return static_cast<int>(p.MiniCalendarLineLayout()); },
         [](TCalendarPanel &p, int v) {
             p.SetMiniCalendarLineLayout(static_cast<TMiniCalendarLineLayout>(v));
         }},
    };
    return new StyleListTab(QStringLiteral("Line Styles"), lists, state, parent);
}

StyleListTab::StyleListTab(const QString &heading, const std::vector<List> &lists,
                           PropertiesState &state, QWidget *parent)
    : PropertiesTab(heading, state, parent)
{
    for (const List &l : lists) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(l.Name));
        combo->setToolTip(HintText(QString::fromLatin1(l.Hint)));
        combo->addItems(l.Entries);
        setScope(combo, l.Scope);
        auto *label = new QLabel(QString::fromLatin1(l.Label), this);
        label->setBuddy(combo);
        body()->addWidget(label);
        body()->addWidget(combo);
        body()->addSpacing(8);
        const auto set = l.Set;
        connect(combo, &QComboBox::activated, this, [this, set](int index) {
            if (!m_state.Updating && index >= 0)
                set(m_state.Example, index);
        });
        m_lists.emplace_back(combo, l.Get);
    }
    body()->addStretch();
}

void StyleListTab::load(const TCalendarPanel &page)
{
    for (const auto &[combo, get] : m_lists)
        combo->setCurrentIndex(get(page));
}

} // namespace ql
