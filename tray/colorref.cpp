#include "colorref.h"

#include <QGuiApplication>
#include <QPalette>

namespace ql {

QColor ColorFromColorRef(int value, const QColor &fallback)
{
    if (value >= 0) {
        const auto v = static_cast<unsigned>(value);
        return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
    const QPalette palette = QGuiApplication::palette();
    switch (static_cast<unsigned>(value) & 0xFF) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    default:
        return fallback;
    }
}

int ColorRefFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace ql
