#pragma once

#include "pagesettings.h"

namespace ql {

class ValueReader;
class ValueWriter;

// The settings block shared by calendar files and style sheets: 49 values in
// a fixed order (paper, orientation, margins in hundredths of an inch, layout,
// borders, 12 month and 7 day names, colours, fonts, header styles, show-year
// flags, number position). It holds no date, week start or start time.
void WriteSettings(ValueWriter &w, const PageSettings &s);
// Reads the block into s, assigning each value directly. Values outside their
// enumerations throw ql::Error.
void ReadSettings(ValueReader &r, PageSettings &s);

// A font: name, size in points, bold, italic, underline, strike-out, colour.
void WriteFontRecord(ValueWriter &w, const CalFont &f);
void ReadFontRecord(ValueReader &r, CalFont &f);

// A margin as stored: inches times 100, truncated.
int MarginToHundredths(float inches);

// File kinds in the header of the two formats.
constexpr int kCalendarFileKind = 1;
constexpr int kStyleSheetKind = 2;

} // namespace ql
