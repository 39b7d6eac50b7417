#pragma once

#include <QByteArray>
#include <QImage>

namespace ql {

// Windows bitmaps as rich text embeds them: device-independent bitmaps
// (\dibitmap, and inside metafiles) and device-dependent ones (\wbitmap).
// Decoders return a null image for anything they cannot read; callers decide
// what a missing picture becomes.
class DibCodec
{
public:
    // A packed DIB, laid out as
    //   header     BITMAPINFOHEADER (40 bytes; the 52/56/108/124-byte
    //              successors are read as it) or BITMAPCOREHEADER (12)
    //   masks      3 x u32 after a 40-byte header with BI_BITFIELDS
    //   palette    biClrUsed (or 2^bits) RGBQUAD, RGBTRIPLE for core
    //   bits       rows padded to 4 bytes, bottom row first unless the
    //              height is negative; BI_RLE8/BI_RLE4 run-length packed
    // Every size is checked against the bytes present, and no image larger
    // than maxPixels is made. consumed, when given, receives the number of
    // bytes the bitmap occupies.
    static QImage decodeDib(const QByteArray &data, qint64 maxPixels, qint64 *consumed = nullptr);

    // A device-dependent bitmap: rows of widthBytes bytes, top row first,
    // planes x bitsPerPixel bits a pixel with planes stored row by row, and
    // no palette (1 bit is black and white, 4 bits the 16 VGA colours,
    // 8 bits a grey ramp). widthBytes 0 means the word-aligned minimum.
    static QImage decodeDdb(const QByteArray &data, int width, int height, int bitsPerPixel,
                            int planes, int widthBytes, qint64 maxPixels);

    // A packed 24-bit bottom-up DIB (BITMAPINFOHEADER and bits), the form
    // every reader of rich text accepts. Transparent pixels are laid on white.
    static QByteArray encodeDib(const QImage &image);
};

} // namespace ql
