#pragma once

#include <QImage>

class QTextCursor;

namespace ql {

// What an icon dropped into a cell becomes: a new bitmap of the icon's size,
// white, with the icon drawn at (0, 0), so its transparent parts are white.
// A null icon gives a null picture.
QImage IconDropPicture(const QImage &icon);

// The size in twips of `pixels` screen pixels at pixelsPerInch, rounded to the
// nearest twip: 480 for a 32-pixel icon at 96 pixels per inch.
int PixelsToTwips(int pixels, int pixelsPerInch);

// Inserts picture at cursor as an inline picture of the cursor's document. It
// gets no size of its own, so it takes its pixel size at the screen's
// pixelsPerInch: width x 1440 / pixelsPerInch by height x 1440 / pixelsPerInch
// twips. The document keeps its own copy of the picture as an image resource,
// which is how the cell's text stores, draws, prints and saves pictures.
void InsertIconPicture(QTextCursor &cursor, const QImage &picture, int pixelsPerInch);

} // namespace ql
