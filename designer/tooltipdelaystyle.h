#pragma once

#include <QProxyStyle>

namespace ql {

// The platform style with the program's own tooltip delay: Qt reads the
// delay before a tooltip appears from the style, not from the application.
class TooltipDelayStyle : public QProxyStyle
{
public:
    explicit TooltipDelayStyle(int delayMs) : m_delayMs(delayMs) {}

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return m_delayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int m_delayMs;
};

} // namespace ql
