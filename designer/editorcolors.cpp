#include "editorcolors.h"

namespace ql {

const std::array<TColor, 16> kEditorColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

const std::array<const char *, 16> kEditorColorNames = {
    "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
    "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White",
};

int EditorColorIndex(TColor color)
{
    for (int i = static_cast<int>(kEditorColors.size()) - 1; i >= 0; --i) {
        if (kEditorColors[static_cast<size_t>(i)] == color)
            return i;
    }
    return 0;
}

} // namespace ql
