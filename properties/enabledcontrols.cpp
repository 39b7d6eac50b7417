#include "enabledcontrols.h"

namespace ql {

bool EnabledControls::allows(ControlScope scope) const
{
    switch (scope) {
    case ControlScope::Always:
        return true;
    case ControlScope::MainCalendar:
        return MainCalendar;
    case ControlScope::MainOrPlanner:
        return MainCalendar || Planner;
    case ControlScope::MiniCalendars:
        return MiniCalendars;
    case ControlScope::NotPlanner:
    case ControlScope::MonthOrMiniClass:
        // Layout classes 0 and 1 are exactly the layouts that are no planner.
        return !Planner;
    case ControlScope::DayPlanner:
        return DayPlanner;
    }
    return false;
}

QString EnabledControls::dateHeading() const
{
    return Planner ? QStringLiteral("Select Starting Date") : QStringLiteral("Select Month && Year");
}

EnabledControls ControlsFor(TCalendarLayout layout)
{
    EnabledControls e;
    e.MainCalendar = layout <= loFC12AfterLS;
    e.MiniCalendars = layout >= loFCMinisInTitle && layout <= loMC60MonthLS;
    e.Planner = layout >= loWeek;
    e.DayPlanner = layout == loDay10 || layout == loDay15;
    return e;
}

} // namespace ql
