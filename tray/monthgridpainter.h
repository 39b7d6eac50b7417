#pragma once

#include "calendarattributes.h"

#include <QFont>

class QPainter;

namespace ql {

// The font of one of the grid's three texts, sized in device pixels from
// points so that the grid looks the same on any device it draws on.
QFont CalendarFont(const QString &name, int points, std::uint8_t style, int pixelsPerInch);

// Draws the month of the record into its Rect on the painter (device pixels)
// and writes the rectangle and day of every cell back into Cells. Days whose
// NotesFlags entry is set are drawn in NotesColor, the selected day gets a
// one-pixel frame. No cell lines are drawn.
void DrawTrayCalendar(QPainter &painter, TCalendarAttributes &attributes, int pixelsPerInch);

} // namespace ql
