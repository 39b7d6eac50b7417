#include "wmfpicture.h"

#include "dibcodec.h"

#include <QPainter>
#include <QtEndian>
#include <vector>

namespace ql {

namespace {

// A metafile is an optional 22-byte placeable header (key 0x9AC6CDD7), an
// 18-byte METAHEADER (type, header size in words = 9, version, size in words,
// object count, largest record, 0) and then records:
//   u32 size in 16-bit words (header included), u16 function, parameters.
// The bitmap records and their parameters before the packed DIB:
//   META_DIBBITBLT     0x0940  rop u32, ySrc, xSrc, height, width, yDst, xDst
//   META_DIBSTRETCHBLT 0x0B41  rop u32, srcH, srcW, ySrc, xSrc, dstH, dstW, yDst, xDst
//   META_STRETCHDIB    0x0F43  rop u32, usage u16, srcH, srcW, ySrc, xSrc,
//                              dstH, dstW, yDst, xDst
// (all i16 unless marked). META_EOF 0x0000 ends the list.
constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
constexpr quint16 kDibBitBlt = 0x0940;
constexpr quint16 kDibStretchBlt = 0x0B41;
constexpr quint16 kStretchDib = 0x0F43;
constexpr quint32 kSrcCopy = 0x00CC0020u;
constexpr quint32 kSrcAnd = 0x008800C6u;
constexpr quint32 kSrcInvert = 0x00660046u;
constexpr quint32 kSrcPaint = 0x00EE0086u;
constexpr int kMaxBitmaps = 64;

struct Blit
{
    QImage image;
    quint32 rop = kSrcCopy;
    QRect source;  // in bitmap pixels
    QRect target;  // in logical units, width and height may be negative
};

qint16 s16(const uchar *p) { return qFromLittleEndian<qint16>(p); }

QPainter::CompositionMode modeFor(quint32 rop)
{
    switch (rop) {
    case kSrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case kSrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case kSrcPaint: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_Source;
    }
}

} // namespace

QImage WmfPicture::extractBitmap(const QByteArray &data, qint64 maxPixels)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qint64 n = data.size();
    qint64 pos = 0;
    if (n >= 22 && qFromLittleEndian<quint32>(p) == kPlaceableKey)
        pos = 22;
    if (n - pos < 18)
        return QImage();
    const qint64 headerWords = qFromLittleEndian<quint16>(p + pos + 2);
    pos += std::max<qint64>(headerWords, 9) * 2;

    std::vector<Blit> blits;
    qint64 pixelsLeft = maxPixels;
    while (pos + 6 <= n && static_cast<int>(blits.size()) < kMaxBitmaps) {
        const qint64 words = qFromLittleEndian<quint32>(p + pos);
        const quint16 function = qFromLittleEndian<quint16>(p + pos + 4);
        if (function == 0 || words < 3)
            break;
        // A record that claims more than is left is read as far as it goes.
        const qint64 end = std::min(n, pos + words * 2);
        const uchar *r = p + pos + 6;
        const qint64 size = end - pos - 6;
        Blit blit;
        qint64 dibOffset = -1;
        if (function == kStretchDib && size >= 22) {
            blit.rop = qFromLittleEndian<quint32>(r);
            blit.source = QRect(s16(r + 12), s16(r + 10), s16(r + 8), s16(r + 6));
            blit.target = QRect(s16(r + 20), s16(r + 18), s16(r + 16), s16(r + 14));
            dibOffset = 22;
        } else if (function == kDibStretchBlt && size >= 20) {
            blit.rop = qFromLittleEndian<quint32>(r);
            blit.source = QRect(s16(r + 10), s16(r + 8), s16(r + 6), s16(r + 4));
            blit.target = QRect(s16(r + 18), s16(r + 16), s16(r + 14), s16(r + 12));
            dibOffset = 20;
        } else if (function == kDibBitBlt && size >= 16) {
            blit.rop = qFromLittleEndian<quint32>(r);
            blit.source = QRect(s16(r + 6), s16(r + 4), s16(r + 10), s16(r + 8));
            blit.target = QRect(s16(r + 14), s16(r + 12), s16(r + 10), s16(r + 8));
            dibOffset = 16;
        }
        if (dibOffset >= 0 && size - dibOffset >= 12) {
            const QByteArray dib = QByteArray::fromRawData(reinterpret_cast<const char *>(r + dibOffset),
                                                           static_cast<qsizetype>(size - dibOffset));
            blit.image = DibCodec::decodeDib(dib, pixelsLeft);
            if (!blit.image.isNull()) {
                blit.image.detach();  // dib only borrows the metafile's bytes
                pixelsLeft -= qint64(blit.image.width()) * blit.image.height();
                blits.push_back(std::move(blit));
            }
        }
        pos += std::max<qint64>(words * 2, 6);
    }
    if (blits.empty())
        return QImage();
    if (blits.size() == 1)
        return blits.front().image;

    // Several bitmaps: lay them out in logical units, at the pixel density of
    // the first one, and replay their raster operations on white.
    QRect bounds;
    for (const Blit &b : blits)
        bounds |= b.target.normalized();
    const Blit &first = blits.front();
    const QRect firstTarget = first.target.normalized();
    if (bounds.isEmpty() || firstTarget.isEmpty())
        return first.image;
    const double sx = double(first.image.width()) / firstTarget.width();
    const double sy = double(first.image.height()) / firstTarget.height();
    const qint64 cw = qint64(bounds.width() * sx + 0.5);
    const qint64 ch = qint64(bounds.height() * sy + 0.5);
    if (cw <= 0 || ch <= 0 || cw > 65536 || ch > 65536 || cw * ch > pixelsLeft)
        return first.image;
    QImage canvas(static_cast<int>(cw), static_cast<int>(ch), QImage::Format_RGB32);
    if (canvas.isNull())
        return first.image;
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.scale(sx, sy);
    painter.translate(-bounds.topLeft());
    for (const Blit &b : blits) {
        const QRect t = b.target.normalized();
        QRect s = b.source.normalized();
        if (s.isEmpty())
            s = b.image.rect();
        // Bitmap rows are bottom-up in the DIB, so a source rectangle's y
        // counts from the bottom of the bitmap.
        s.moveTop(b.image.height() - s.bottom() - 1);
        QImage part = b.image.copy(s);
        part = part.mirrored(b.target.width() < 0, b.target.height() < 0);
        painter.setCompositionMode(modeFor(b.rop));
        painter.drawImage(QRectF(t), part);
    }
    painter.end();
    return canvas;
}

} // namespace ql
