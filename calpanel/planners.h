#pragma once

#include "calendarattributes.h"

#include <QLocale>
#include <QStringList>

class QPainter;

namespace ql {

// Week planner (a.DayCount day rows) and day planner (a.HourCount hour rows),
// each with a last "Notes" row. Both write Cells[0 .. rows - 1] and leave the
// other entries alone.
void DrawWeekPlanner(QPainter &p, TCalendarAttributes &a);
void DrawDayPlanner(QPainter &p, TCalendarAttributes &a, const QLocale &locale = QLocale());
void DrawPlannerGrid(QPainter &p, TCalendarAttributes &a, int rowCount, const QString &title,
                     const QStringList &labels, const QStringList &subLabels);

// Time + minutes, a minute being 0.000694445 of a day; a negative sum gives 0.
TTime AddMinutes(int minutes, TTime time);

// The texts the planners show, apart from the drawing.
QString WeekPlannerTitle(int year, int month, int day, int dayCount, const MonthDayNames &names);
QString DayPlannerTitle(int year, int month, int day, const MonthDayNames &names);
// "h:mm AM": 12-hour clock, hour without a leading zero (0 shows as 12).
QString PlannerTimeLabel(TTime time, const QLocale &locale);

} // namespace ql
