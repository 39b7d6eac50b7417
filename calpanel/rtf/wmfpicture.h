#pragma once

#include <QByteArray>
#include <QImage>

namespace ql {

// The bitmaps inside a Windows metafile (\wmetafile8). We draw no vector
// records: pictures pasted from other programs carry their pixels in DIB
// records, and that is all a cell needs to show.
class WmfPicture
{
public:
    // The picture the metafile's bitmap records paint, composed on white in
    // record order with their raster operations (so an icon's AND mask and
    // XOR image give the icon), at the pixel scale of the first bitmap.
    // A null image when the metafile holds no readable bitmap.
    static QImage extractBitmap(const QByteArray &data, qint64 maxPixels);
};

} // namespace ql
