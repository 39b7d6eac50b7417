#include "marginsteps.h"

namespace ql {

const QStringList &MarginInchEntries()
{
    static const QStringList entries{
        QString::fromUtf16(u"\u00bc Inch"),  QString::fromUtf16(u"\u00bd Inch"),
        QString::fromUtf16(u"\u00be Inch"),  QStringLiteral("1 Inch"),
        QString::fromUtf16(u"1\u00bc Inch"), QString::fromUtf16(u"1\u00bd Inch"),
    };
    return entries;
}

const QStringList &MarginMillimetreEntries()
{
    static const QStringList entries{
        QStringLiteral("6 mm"),  QStringLiteral("13 mm"), QStringLiteral("19 mm"),
        QStringLiteral("25 mm"), QStringLiteral("32 mm"), QStringLiteral("38 mm"),
    };
    return entries;
}

float MarginStepValue(int index)
{
    if (index < 0 || index >= kMarginStepCount)
        return -1.0f;
    return 0.25f * static_cast<float>(index + 1);
}

int MarginStepIndex(float inches)
{
    // The steps are exact binary fractions, so comparing against them is exact.
    for (int i = kMarginStepCount - 1; i > 0; --i) {
        if (inches >= MarginStepValue(i))
            return i;
    }
    return 0;
}

} // namespace ql
