#pragma once

#include "caltypes.h"

#include <array>

namespace ql {

// The sixteen colours the cell editor offers for text, in the order of the
// classic colour table: index 0 black ... index 15 white ($00BBGGRR).
extern const std::array<TColor, 16> kEditorColors;
// The names shown in the toolbar's colour list.
extern const std::array<const char *, 16> kEditorColorNames;

// The default editor font's colour as the editor applies it: the highest
// table index whose colour equals color, or index 0 when none does.
int EditorColorIndex(TColor color);

} // namespace ql
