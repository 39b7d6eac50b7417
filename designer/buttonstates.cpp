#include "buttonstates.h"

#include "caltypes.h"

namespace ql {

ButtonStates ComputeButtonStates(const ButtonInputs &in)
{
    ButtonStates s;
    // Icons go into cells one can edit: month pages and planners, not the
    // grids of mini calendars.
    s.IconPanelVisible = (in.Layout >= loFullCalendar && in.Layout <= loFC12AfterLS)
                         || (in.Layout >= loWeek && in.Layout <= loDay15);
    s.SaveEnabled = in.HasFileName;
    s.ToolbarEnabled = in.PageVisible && in.EditorFocused;
    s.PageCommandsEnabled = in.PageVisible;
    s.PrintEnabled = in.PageVisible && in.PrinterAvailable;
    s.CancelChangesEnabled = in.PageVisible && in.HasFileName;
    s.ZoomEnabled = in.PageVisible;
    s.SaveButtonVisible = in.Modified;
    s.CancelButtonVisible = in.Modified && in.HasFileName;
    return s;
}

} // namespace ql
