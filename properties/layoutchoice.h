#pragma once

#include "caltypes.h"

#include <QStringList>

namespace ql {

// The Layout page offers 13 entries and an orientation instead of the 22
// layout values: the nine month and mini-calendar entries come in portrait
// and landscape, the four planners are portrait only.
struct LayoutChoice
{
    int Entry = 0;
    bool Landscape = false;

    bool operator==(const LayoutChoice &o) const
    {
        return Entry == o.Entry && Landscape == o.Landscape;
    }
};

// The 13 list entries as the user reads them, some with a trailing blank.
const QStringList &LayoutListEntries();
constexpr int kLayoutEntryCount = 13;

// The layout an entry gives with an orientation; the planners (entries 9 to
// 12) ignore the orientation. The entry must be 0..12.
TCalendarLayout LayoutFromChoice(const LayoutChoice &choice);
// The entry and orientation that show a layout; planners read as portrait.
LayoutChoice ChoiceFromLayout(TCalendarLayout layout);

} // namespace ql
