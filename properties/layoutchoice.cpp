#include "layoutchoice.h"

namespace ql {

namespace {

// Entries 9 and up are the planners, layouts 18 to 21.
constexpr int kFirstPlannerEntry = 9;

} // namespace

const QStringList &LayoutListEntries()
{
    static const QStringList entries{
        QStringLiteral("1 Month Calendar "),
        QStringLiteral("1 Month Calendar, 2 Mini Calendars"),
        QStringLiteral("1 Month Calendar, 6 Mini Calendars Before & After "),
        QStringLiteral("1 Month Calendar, 12 Mini Calendars After "),
        QStringLiteral("6 Month Calendar (Mini Calendars)"),
        QStringLiteral("12 Month Calendar (Mini Calendars)"),
        QStringLiteral("24 Month Calendar (Mini Calendars)"),
        QStringLiteral("48 Month Calendar (Mini Calendars)"),
        QStringLiteral("60 Month Calendar (Mini Calendars)"),
        QStringLiteral("One Week Planner"),
        QStringLiteral("Two Week Planner"),
        QStringLiteral("Day Planner (10 hours) "),
        QStringLiteral("Day Planner (15 hours) "),
    };
    return entries;
}

TCalendarLayout LayoutFromChoice(const LayoutChoice &choice)
{
    if (choice.Entry >= kFirstPlannerEntry)
        return static_cast<TCalendarLayout>(choice.Entry + kFirstPlannerEntry);
    return static_cast<TCalendarLayout>(2 * choice.Entry + (choice.Landscape ? 1 : 0));
}

LayoutChoice ChoiceFromLayout(TCalendarLayout layout)
{
    const int v = layout;
    if (v >= loWeek)
        return {v - kFirstPlannerEntry, false};
    return {v / 2, v % 2 == 1};
}

} // namespace ql
