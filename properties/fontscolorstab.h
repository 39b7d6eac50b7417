#pragma once

#include "caltypes.h"
#include "propertiestab.h"

#include <vector>

namespace ql {

class TColorButton;

// "Fonts && Colors" and "Mini Fonts && Colors": groups of a font button and
// a background colour button, each editing one property of the working copy.
class FontsColorsTab : public PropertiesTab
{
    Q_OBJECT

public:
    using FontGetter = const CalFont &(TCalendarPanel::*)() const;
    using FontSetter = void (TCalendarPanel::*)(const CalFont &);
    using ColorGetter = TColor (TCalendarPanel::*)() const;
    using ColorSetter = void (TCalendarPanel::*)(TColor);

    struct FontControl
    {
        const char *Name = nullptr; // no font button when null
        const char *Hint = "";
        ControlScope Scope = ControlScope::Always;
        FontGetter Get = nullptr;
        FontSetter Set = nullptr;
    };
    struct ColorControl
    {
        const char *Name = nullptr; // no colour button when null
        const char *Hint = "";
        ControlScope Scope = ControlScope::Always;
        ColorGetter Get = nullptr;
        ColorSetter Set = nullptr;
        const char *Label = "Background Color";
        bool CustomColors = true;
    };
    struct Group
    {
        const char *Caption;
        FontControl Font;
        ColorControl Color;
    };

    // The two pages of the dialog.
    static FontsColorsTab *mainCalendarPage(PropertiesState &state, QWidget *parent = nullptr);
    static FontsColorsTab *miniCalendarPage(PropertiesState &state, QWidget *parent = nullptr);

    FontsColorsTab(const QString &heading, const std::vector<Group> &groups,
                   PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

private:
    void addGroup(const Group &group);

    std::vector<std::pair<TColorButton *, ColorGetter>> m_colorButtons;
};

} // namespace ql
