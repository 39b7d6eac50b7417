#pragma once

#include <QColor>

namespace ql {

// Colours in the settings file are 32-bit values with red in the low byte
// ($0000FF is red, $C0C0C0 light grey). Negative values name the old
// system's colours ($8000000F, button face); the few a settings file is
// likely to carry map to the desktop palette, the others give the fallback.
QColor ColorFromColorRef(int value, const QColor &fallback);
int ColorRefFromColor(const QColor &color);

} // namespace ql
