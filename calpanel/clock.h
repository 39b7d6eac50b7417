#pragma once

#include <QDate>

namespace ql {

// Today's date as the page sees it; tests pin it with SetCurrentDate.
QDate CurrentDate();
// An invalid date returns to the system clock.
void SetCurrentDate(const QDate &date);

} // namespace ql
