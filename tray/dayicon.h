#pragma once

#include <QIcon>
#include <QImage>

namespace ql {

// The tray icon's picture of a day of the month: a white calendar page with
// a black border, two binding marks at the top and the day number in black.
// Drawn on the pixel grid with a 3 x 5 pixel digit font scaled by whole
// pixels, so it is sharp at every size, and a size twice as large is exactly
// the smaller picture with every pixel doubled. Outside the page the image is
// transparent.
QImage DayPageImage(int day, int size);
// The picture at the sizes trays ask for, 16 to 64 pixels.
QIcon DayPageIcon(int day);

} // namespace ql
