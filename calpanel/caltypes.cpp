#include "caltypes.h"

namespace ql {

namespace {
const char *const kLayoutNames[kLayoutCount] = {
    "loFullCalendar",      "LOFullCalendarLS", "loFCMinisInTitle", "loFCMinisInTitleLS",
    "loFC6Before6After",   "loFC6Before6AfterLS", "loFC12After",   "loFC12AfterLS",
    "lopMC6Month",         "lopMC6MonthLS",    "loMC12Month",      "loMC12MonthLS",
    "loMC24Month",         "loMC24MonthLS",    "loMC48Month",      "loMC48MonthLS",
    "loMC60Month",         "loMC60MonthLS",    "loWeek",           "lo2Week",
    "loDay10",             "loDay15",
};
} // namespace

QString LayoutName(int layout)
{
    if (layout < 0 || layout >= kLayoutCount)
        return {};
    return QString::fromLatin1(kLayoutNames[layout]);
}

int LayoutFromName(const QString &name)
{
    for (int i = 0; i < kLayoutCount; ++i) {
        if (name.compare(QLatin1String(kLayoutNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TColor ColorFromRgb(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

TColor ColorFromQColor(const QColor &c)
{
    return ColorFromRgb(c.red(), c.green(), c.blue());
}

QColor ToQColor(TColor c)
{
    if (c < 0) {
        // The classic desktop scheme's system colours, by index.
        switch (static_cast<std::uint32_t>(c) & 0xFFu) {
        case 5: // window
        case 14: // highlight text
            return QColor(255, 255, 255);
        case 15: // button face
        case 4: // menu
            return QColor(192, 192, 192);
        case 16: // button shadow
        case 17: // grey text
            return QColor(128, 128, 128);
        case 13: // highlight
        case 2: // active caption
            return QColor(0, 0, 128);
        case 1: // desktop
            return QColor(0, 128, 128);
        default: // window text, menu text, caption text, button text ...
            return QColor(0, 0, 0);
        }
    }
    const auto v = static_cast<std::uint32_t>(c);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

} // namespace ql
