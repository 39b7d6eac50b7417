#pragma once

#include "monthdaynames.h"

namespace ql {

// The five languages of the Language page's buttons.
enum class NameLanguage { English, French, German, Italian, Spanish };

// The month and day names a language button puts into the boxes, exactly as
// the program has always written them (the German Friday ends in a blank).
const MonthDayNames &BuiltInNames(NameLanguage language);

} // namespace ql
