#include "marginstab.h"

#include "calendarpanel.h"
#include "marginsteps.h"
#include "propertiesstate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ql {

// Left, top, right, bottom: the order the lists are filled and relabelled in.
const std::array<MarginsTab::Margin, 4> MarginsTab::kMargins{{
    {"Left Margin", "LeftMarginInchcombo", "Select the left margin for the printed calendar",
     &TCalendarPanel::LeftMarginInch, &TCalendarPanel::SetLeftMarginInch},
    {"Top Margin", "TopMarginInchcombo", "Select the top margin for the printed calendar",
     &TCalendarPanel::TopMarginInch, &TCalendarPanel::SetTopMarginInch},
    {"Right Margin", "RightMarginInchcombo", "Select the right margin for the printed calendar",
     &TCalendarPanel::RightMarginInch, &TCalendarPanel::SetRightMarginInch},
    {"Bottom Margin", "BottomMarginInchcombo", "Select the bottom margin for the printed calendar",
     &TCalendarPanel::BottomMarginInch, &TCalendarPanel::SetBottomMarginInch},
}};

MarginsTab::MarginsTab(PropertiesState &state, QWidget *parent)
    : PropertiesTab(QStringLiteral("Margins"), state, parent)
{
    auto *box = new QGroupBox(QStringLiteral("Select Page Margins"), this);
    auto *grid = new QGridLayout(box);
    for (size_t i = 0; i < kMargins.size(); ++i) {
        const Margin &m = kMargins[i];
        auto *combo = new QComboBox(box);
        combo->setObjectName(QString::fromLatin1(m.Name));
        combo->setToolTip(QString::fromLatin1(m.Hint));
        combo->setEditable(false);
        // Six steps only: a seventh, empty entry would stand for no margin
        // at all, so it is not offered.
        combo->addItems(MarginInchEntries());
        auto *label = new QLabel(QString::fromLatin1(m.Label), box);
        label->setBuddy(combo);
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(combo, static_cast<int>(i), 1);
        const int margin = static_cast<int>(i);
        connect(combo, &QComboBox::activated, this,
                [this, margin](int index) { MarginComboxChange(margin, index); });
        m_combos[i] = combo;
    }
    body()->addWidget(box);

    m_useInches = new QRadioButton(QStringLiteral("Use Inches"), this);
    m_useInches->setObjectName(QStringLiteral("useInches"));
    m_useInches->setToolTip(QStringLiteral("Click to see measurements in inches"));
    m_useInches->setChecked(true);
    m_useMillimeters = new QRadioButton(QStringLiteral("Use Millimeters"), this);
    m_useMillimeters->setObjectName(QStringLiteral("UseMillimeters"));
    m_useMillimeters->setToolTip(QStringLiteral("Click to see measurements in millimeters"));
    body()->addWidget(m_useInches);
    body()->addWidget(m_useMillimeters);
    body()->addStretch();
    connect(m_useInches, &QRadioButton::clicked, this, &MarginsTab::UseInchesClick);
    connect(m_useMillimeters, &QRadioButton::clicked, this, &MarginsTab::UseInchesClick);
}

void MarginsTab::load(const TCalendarPanel &page)
{
    // Shows the nearest step below; the margin itself stays as it is (0.6
    // inch shows "1/2 Inch" and is still 0.6 until the user picks an entry).
    for (size_t i = 0; i < kMargins.size(); ++i)
        m_combos[i]->setCurrentIndex(MarginStepIndex((page.*kMargins[i].Get)()));
}

void MarginsTab::MarginComboxChange(int margin, int index)
{
    if (m_state.Updating)
        return;
    const float value = MarginStepValue(index);
    if (value > 0)
        (m_state.Example.*kMargins[static_cast<size_t>(margin)].Set)(value);
}

void MarginsTab::UseInchesClick()
{
    const bool updating = m_state.Updating;
    m_state.Updating = true;
    const QStringList &entries =
        m_useInches->isChecked() ? MarginInchEntries() : MarginMillimetreEntries();
    for (QComboBox *combo : m_combos) {
        const int index = combo->currentIndex();
        combo->clear();
        combo->addItems(entries);
        combo->setCurrentIndex(index);
    }
    m_state.Updating = updating;
}

} // namespace ql
