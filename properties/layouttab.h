#pragma once

#include "layoutchoice.h"
#include "propertiestab.h"

class QListWidget;

namespace ql {

class TRadioGroup;

// "Layout": the list of 13 layouts, the orientation and the paper.
class LayoutTab : public PropertiesTab
{
    Q_OBJECT

public:
    LayoutTab(PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

    // The layout the list and orientation select; with no entry selected,
    // the current one.
    TCalendarLayout chosenLayout(TCalendarLayout current) const;
    int chosenPaperSize() const;

signals:
    // The user picked an entry, an orientation or a paper.
    void layoutClicked();

private:
    QListWidget *m_list = nullptr;
    TRadioGroup *m_orientation = nullptr;
    TRadioGroup *m_paper = nullptr;
};

} // namespace ql
