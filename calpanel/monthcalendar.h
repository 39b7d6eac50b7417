#pragma once

#include "calendarattributes.h"

class QPainter;

namespace ql {

// Draws the month grid the record describes (title band, day-name header,
// 6 x 7 number cells, borders) and writes the rectangle, day and free area of
// all 42 cells back into a.Cells. Used for the main calendar and every mini.
void DrawMonthCalendar(QPainter &p, TCalendarAttributes &a);

// The header text of a day name for a header style.
QString ShortDayName(const QString &name, TCalHeadersStyle style);

// Title band height for a grid whose working rectangle is (bottom - top) high.
int MonthTitleHeight(int top, int bottom, int minTitleHeight);

} // namespace ql
