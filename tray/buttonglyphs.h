#pragma once

#include <QIcon>

namespace ql {

// The navigation buttons' triangles: black for a month step, white with a
// black outline for a year step.
enum class GlyphDirection { Left, Right };
QIcon TriangleGlyph(GlyphDirection direction, bool filledBlack);
// The red down arrow of the "Minimize" button.
QIcon MinimizeGlyph();

} // namespace ql
