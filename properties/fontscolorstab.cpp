#include "fontscolorstab.h"

#include "calendarpanel.h"
#include "colorbutton.h"
#include "dialogtexts.h"
#include "propertiesprompts.h"
#include "propertiesstate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ql {

namespace {

using P = TCalendarPanel;

} // namespace

FontsColorsTab *FontsColorsTab::mainCalendarPage(PropertiesState &state, QWidget *parent)
{
    const std::vector<Group> groups{
        {"Title",
         {"TitleFontbutton",
          "Select the Title font\r(the title is the part of the calendar showing \rthe month and year)",
          ControlScope::MainOrPlanner, &P::TitleFont, &P::SetTitleFont},
         {"TitleBGColor",
          "Select the title background color\r(the title is the part of the calendar showing \rthe "
          "month and year)",
          ControlScope::MainCalendar, &P::TitleBGColor, &P::SetTitleBGColor}},
        {"Header",
         {"HeaderFontButton",
          "Select the Header font\r(the header is the part of the calendar showing \rthe names of "
          "the days)",
          ControlScope::MainOrPlanner, &P::HeadersFont, &P::SetHeadersFont},
         {"HeaderBGColor",
          "Select the Header background color\r(the header is the part of the calendar showing "
          "\rthe names of the days)",
          ControlScope::MainOrPlanner, &P::HeadersBGColor, &P::SetHeadersBGColor}},
        {"Number Cells",
         {"NumberFontButton",
          "Select theNumber Cells font\r(the number cells are the part of the calendar \rshowing "
          "the individual days by number)",
          ControlScope::MainCalendar, &P::CellFont, &P::SetCellFont},
         {}},
    };
    return new FontsColorsTab(QStringLiteral("Fonts && Colors"), groups, state, parent);
}

FontsColorsTab *FontsColorsTab::miniCalendarPage(PropertiesState &state, QWidget *parent)
{
    const std::vector<Group> groups{
        {"Mini Title",
         {"Minititlefontbutton",
          "Select the Mini Calendar Title font\r(the title is the part of the calendar showing "
          "\rthe month and year)",
          ControlScope::MiniCalendars, &P::MiniTitleFont, &P::SetMiniTitleFont},
         {}},
        {"Mini Header",
         {"MiniHeaderFontButton",
          "Select the Mini Calendar Header font\r(the header is the part of the calendar showing "
          "\rthe names of the days)",
          ControlScope::MiniCalendars, &P::MiniHeadersFont, &P::SetMiniHeadersFont},
         {"MiniHeadersBGColorButton",
          "Select the Mini Calendar Header background color\r(the header is the part of the "
          "calendar showing \rthe names of the days)",
          ControlScope::MiniCalendars, &P::MiniHeadersBGColor, &P::SetMiniHeadersBGColor,
          "Background Color", false}},
        {"Mini Number Cells",
         {"MiniCellFontButton",
          "Select the Mini Calendar Number Cells font\r(the number cells are the part of the "
          "calendar \rshowing the individual days by number)",
          ControlScope::MiniCalendars, &P::MiniCellFont, &P::SetMiniCellFont},
         {}},
        {"Mini Calendar Background Color",
         {},
         {"MiniCalBGColorButton",
          "Select the color for the background of the \rentire Mini Calendar",
          ControlScope::MiniCalendars, &P::MiniCalBGColor, &P::SetMiniCalBGColor, "", true}},
    };
    return new FontsColorsTab(QStringLiteral("Mini Fonts && Colors"), groups, state, parent);
}

FontsColorsTab::FontsColorsTab(const QString &heading, const std::vector<Group> &groups,
                               PropertiesState &state, QWidget *parent)
    : PropertiesTab(heading, state, parent)
{
    for (const Group &g : groups)
        addGroup(g);
    body()->addStretch();
}

void FontsColorsTab::addGroup(const Group &group)
{
    auto *box = new QGroupBox(QString::fromLatin1(group.Caption), this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(8, 2, 8, 4);
    if (group.Font.Name) {
        auto *button = new QPushButton(QStringLiteral("Font"), box);
        button->setObjectName(QString::fromLatin1(group.Font.Name));
        button->setToolTip(HintText(QString::fromLatin1(group.Font.Hint)));
        button->setAutoDefault(false);
        setScope(button, group.Font.Scope);
        row->addWidget(button);
        const FontControl f = group.Font;
        // Font buttons are only reachable by the user, so they are not
        // guarded by the updating flag.
        connect(button, &QPushButton::clicked, this, [this, f] {
            const std::optional<CalFont> chosen =
                m_state.Prompts.chooseFont(this, (m_state.Example.*f.Get)());
            if (chosen)
                (m_state.Example.*f.Set)(*chosen);
        });
    }
    row->addStretch();
    if (group.Color.Name) {
        auto *button = new TColorButton(m_state.Prompts, box);
        button->setObjectName(QString::fromLatin1(group.Color.Name));
        button->setToolTip(HintText(QString::fromLatin1(group.Color.Hint)));
        button->SetCustomColors(group.Color.CustomColors);
        setScope(button, group.Color.Scope);
        if (*group.Color.Label) {
            auto *label = new QLabel(QString::fromLatin1(group.Color.Label), box);
            label->setBuddy(button);
            row->addWidget(label);
        }
        row->addWidget(button);
        const ColorSetter set = group.Color.Set;
        connect(button, &TColorButton::ColorChange, this, [this, set](TColor color) {
            if (!m_state.Updating)
                (m_state.Example.*set)(color);
        });
        m_colorButtons.emplace_back(button, group.Color.Get);
    }
    body()->addWidget(box);
}

void FontsColorsTab::load(const TCalendarPanel &page)
{
    for (const auto &[button, get] : m_colorButtons)
        button->SetColor((page.*get)());
}

} // namespace ql
