#include "clock.h"

namespace ql {

namespace {
QDate g_pinned;
}

QDate CurrentDate()
{
    return g_pinned.isValid() ? g_pinned : QDate::currentDate();
}

void SetCurrentDate(const QDate &date)
{
    g_pinned = date;
}

} // namespace ql
