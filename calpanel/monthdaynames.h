#pragma once

#include <QLocale>
#include <QString>
#include <array>

namespace ql {

// The 12 month names (index 1 = January) and 7 day names (index 1 = Sunday)
// a page carries. Held 0-based; use the accessors for the 1-based indexes.
struct MonthDayNames
{
    std::array<QString, 12> Months;
    std::array<QString, 7> Days;

    const QString &month(int index) const { return Months[static_cast<size_t>(index - 1)]; }
    const QString &day(int index) const { return Days[static_cast<size_t>(index - 1)]; }

    bool operator==(const MonthDayNames &o) const { return Months == o.Months && Days == o.Days; }
    bool operator!=(const MonthDayNames &o) const { return !(*this == o); }
};

// The long month and day names of a locale.
MonthDayNames LocaleMonthDayNames(const QLocale &locale = QLocale());

} // namespace ql
