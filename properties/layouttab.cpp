#include "layouttab.h"

#include "calendarpanel.h"
#include "dialogtexts.h"
#include "radiogroup.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace ql {

LayoutTab::LayoutTab(PropertiesState &state, QWidget *parent)
    : PropertiesTab(QStringLiteral("Select Layout"), state, parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("LayoutList"));
    m_list->setToolTip(QStringLiteral("Select a layout for the calendar from this list"));
    m_list->addItems(LayoutListEntries());
    m_list->setCurrentRow(0);
    body()->addWidget(m_list, 1);

    m_orientation = new TRadioGroup(QStringLiteral("Orientation"),
                                    {QStringLiteral("Portrait"), QStringLiteral("Landscape")}, this);
    m_orientation->setObjectName(QStringLiteral("rOrientation"));
    m_orientation->setToolTip(QStringLiteral("Choose Portrait or Landscape orientation"));
    setScope(m_orientation, ControlScope::MonthOrMiniClass);
    m_paper = new TRadioGroup(QStringLiteral("Paper"),
                              {QStringLiteral("Letter"), QStringLiteral("A4")}, this);
    m_paper->setObjectName(QStringLiteral("PaperSize"));
    m_paper->setToolTip(QStringLiteral("Choose the paper size"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_orientation);
    row->addWidget(m_paper);
    body()->addLayout(row);

    connect(m_list, &QListWidget::currentRowChanged, this, &LayoutTab::layoutClicked);
    connect(m_orientation, &TRadioGroup::Clicked, this, &LayoutTab::layoutClicked);
    connect(m_paper, &TRadioGroup::Clicked, this, &LayoutTab::layoutClicked);
}

void LayoutTab::load(const TCalendarPanel &page)
{
    const LayoutChoice choice = ChoiceFromLayout(page.CalendarLayout());
    m_list->setCurrentRow(choice.Entry);
    m_orientation->SetItemIndex(choice.Landscape ? 1 : 0);
    m_paper->SetItemIndex(page.PaperSize() == 0 ? 0 : 1);
}

TCalendarLayout LayoutTab::chosenLayout(TCalendarLayout current) const
{
    const int entry = m_list->currentRow();
    if (entry < 0 || entry >= kLayoutEntryCount)
        return current;
    return LayoutFromChoice({entry, m_orientation->ItemIndex() == 1});
}

int LayoutTab::chosenPaperSize() const
{
    return m_paper->ItemIndex() == 1 ? 1 : 0;
}

} // namespace ql
