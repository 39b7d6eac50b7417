#pragma once

#include "propertiestab.h"

#include <array>

class QComboBox;
class QRadioButton;

namespace ql {

// "Margins": the four page margins in quarter-inch steps, labelled in inches
// or millimetres. The units are only labels; they never change a margin.
class MarginsTab : public PropertiesTab
{
    Q_OBJECT

public:
    MarginsTab(PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

    // Relabels the four lists in the chosen units, keeping their selections.
    void UseInchesClick();

private:
    struct Margin
    {
        const char *Label;
        const char *Name;
        const char *Hint;
        float (TCalendarPanel::*Get)() const;
        void (TCalendarPanel::*Set)(float);
    };
    static const std::array<Margin, 4> kMargins;

    void MarginComboxChange(int margin, int index);

    std::array<QComboBox *, 4> m_combos{};
    QRadioButton *m_useInches = nullptr;
    QRadioButton *m_useMillimeters = nullptr;
};

} // namespace ql
