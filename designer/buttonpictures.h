#pragma once

#include <QIcon>

namespace ql {

// The small pictures of the toolbar and the button column, drawn rather
// than shipped so they stay crisp at any screen scale.
enum class ButtonPicture {
    Bold,
    Italic,
    Underline,
    AlignLeft,
    AlignRight,
    AlignCenter,
    Copy,
    Cut,
    Paste,
    SelectAll,
    ZoomIn,
    ZoomOut,
    Properties,
    Print,
};

QIcon PictureIcon(ButtonPicture picture);

// The program's icon: a calendar page (desktop/quillon.svg and its PNGs).
QIcon ApplicationIcon();

} // namespace ql
