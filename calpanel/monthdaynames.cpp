#include "monthdaynames.h"

namespace ql {

MonthDayNames LocaleMonthDayNames(const QLocale &locale)
{
    MonthDayNames names;
    for (int m = 1; m <= 12; ++m)
        names.Months[static_cast<size_t>(m - 1)] = locale.standaloneMonthName(m, QLocale::LongFormat);
    // Qt counts Monday = 1 .. Sunday = 7; the page counts Sunday = 1.
    for (int d = 1; d <= 7; ++d) {
        const int qtDay = d == 1 ? 7 : d - 1;
        names.Days[static_cast<size_t>(d - 1)] = locale.standaloneDayName(qtDay, QLocale::LongFormat);
    }
    return names;
}

} // namespace ql
