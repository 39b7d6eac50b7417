#pragma once

#include "caltypes.h"

#include <QPoint>

class QPainter;

namespace ql {

// The few canvas operations the page drawing needs, with the page's pixel
// conventions: fills cover Left <= x < Right and Top <= y < Bottom; a line from
// A to B covers A and every pixel up to B but not B; lines are one device pixel
// of solid black; text is single-line, transparent, in the font's colour.
// They work on any device: the screen bitmap, a printer or a PDF writer.

// A new painter's state for page drawing: no antialiasing of lines and fills.
void PreparePainter(QPainter &p);

void FillSolid(QPainter &p, const TRect &r, TColor color);
void DrawLine(QPainter &p, QPoint from, QPoint to);

// Face name, size in points (for the device's own pixels per inch), style and
// colour, set in that order.
void SetCanvasFont(QPainter &p, const QString &name, int size, TFontStyles style, TColor color);
// Pixel height of a line of text in the current font.
int TextHeight(const QPainter &p, const QString &text);

enum class TextAlign { CenterCenter, RightTop, CenterBottom, CenterTop };
// Single-line text inside r (clipped to it) with one of the four alignments.
void DrawTextIn(QPainter &p, const TRect &r, const QString &text, TextAlign align);

// Lines of a rectangle's sides as a border style selects them.
void DrawBorderLines(QPainter &p, const TRect &r, TCalBorderStyle style);

// Round(a * b / c) as the platform's integer scaling does it (halves away from
// zero); used for point-to-pixel font sizes.
int MulDiv(int a, int b, int c);

} // namespace ql
