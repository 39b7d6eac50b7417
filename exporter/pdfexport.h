#pragma once

#include <QString>

namespace ql {

class TCalendarPanel;

// The date shown on page `index` (from 0) of a run of pages that starts at
// the page's own date: month pages step a month at a time, week planners by
// their 7 or 14 days, day planners a day.
struct PageDate
{
    int Year = 1997;
    int Month = 1;
    int Day = 0;
    bool operator==(const PageDate &o) const { return Year == o.Year && Month == o.Month && Day == o.Day; }
};
PageDate StepPageDate(int layout, const PageDate &first, int index);

// Prints `pages` pages to a PDF file at 600 dots per inch on the page's paper
// and orientation, through the printing path, so text stays text. Cell
// contents are positional: pages after the first are printed with empty cells
// unless keepContents is set. Leaves the page at its first date with its
// cells as they were. Throws ql::Error ("Unable to write to PATH").
void WritePdf(TCalendarPanel &page, const QString &path, int pages, bool keepContents);

} // namespace ql
