#pragma once

#include "caltypes.h"

#include <QString>

namespace ql {

// Which parts of a layout the dialog's controls act on; a control is enabled
// when the working copy's layout has its part.
enum class ControlScope {
    Always,
    MainCalendar,      // a large month calendar: loFullCalendar .. loFC12AfterLS
    MainOrPlanner,     // a month calendar or any planner
    MiniCalendars,     // mini calendars: loFCMinisInTitle .. loMC60MonthLS
    NotPlanner,        // week start
    MonthOrMiniClass,  // orientation: layout classes 0 and 1
    DayPlanner,        // the start time: loDay10, loDay15
};

struct EnabledControls
{
    bool MainCalendar = false;
    bool MiniCalendars = false;
    bool Planner = false;
    bool DayPlanner = false;

    bool allows(ControlScope scope) const;
    // The Date page's heading (with the doubled ampersand of a caption).
    QString dateHeading() const;
};

EnabledControls ControlsFor(TCalendarLayout layout);

} // namespace ql
