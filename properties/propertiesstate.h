#pragma once

namespace ql {

class PropertiesPrompts;
class TCalendarPanel;

// What the pages of the properties dialog share: the working copy they edit,
// the prompts they open, and the dialog's state flags.
struct PropertiesState
{
    PropertiesState(TCalendarPanel &example, PropertiesPrompts &prompts)
        : Example(example), Prompts(prompts)
    {
    }

    TCalendarPanel &Example;
    PropertiesPrompts &Prompts;
    // Controls are being filled from the working copy: handlers that copy a
    // control's value into the working copy do nothing meanwhile.
    bool Updating = true;
    // The layout is a planner: the Date page picks a starting date.
    bool StartingDateMode = false;
};

} // namespace ql
