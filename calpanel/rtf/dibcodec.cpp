#include "dibcodec.h"

#include <QPainter>
#include <QtEndian>
#include <array>
#include <vector>

namespace ql {

namespace {

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;
constexpr int kMaxSide = 1 << 16;

quint16 u16(const uchar *p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const uchar *p) { return qFromLittleEndian<quint32>(p); }
qint32 i32(const uchar *p) { return qFromLittleEndian<qint32>(p); }

bool sizeAllowed(qint64 w, qint64 h, qint64 maxPixels)
{
    return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h <= maxPixels;
}

// A colour channel described by a bit mask, scaled to 0..255.
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(quint32 m) : mask(m)
    {
        if (!m)
            return;
        while (!(m & 1u)) {
            m >>= 1;
            ++shift;
        }
        while (m & 1u) {
            m >>= 1;
            ++bits;
        }
    }
    int value(quint32 pixel) const
    {
        if (!bits)
            return 0;
        const quint32 v = (pixel & mask) >> shift;
        const quint32 max = bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1);
        return static_cast<int>((quint64(v) * 255 + max / 2) / max);
    }
};

// Reads rows of uncompressed pixels of any supported depth into image.
// row(y) gives the start of source row y (image row order).
template<typename RowAt>
void unpackRows(QImage &image, int bits, const std::vector<QRgb> &palette, const Channel *masks,
                RowAt row)
{
    const int w = image.width();
    const int paletteSize = static_cast<int>(palette.size());
    auto fromPalette = [&](int i) { return i < paletteSize ? palette[static_cast<size_t>(i)] : qRgb(0, 0, 0); };
    for (int y = 0; y < image.height(); ++y) {
        const uchar *src = row(y);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (bits) {
            case 1: dst[x] = fromPalette((src[x >> 3] >> (7 - (x & 7))) & 1); break;
            case 4: dst[x] = fromPalette((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF); break;
            case 8: dst[x] = fromPalette(src[x]); break;
            case 16: {
                const quint32 p = u16(src + 2 * x);
                dst[x] = qRgb(masks[0].value(p), masks[1].value(p), masks[2].value(p));
                break;
            }
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 32: {
                const quint32 p = u32(src + 4 * x);
                dst[x] = qRgb(masks[0].value(p), masks[1].value(p), masks[2].value(p));
                break;
            }
            default: break;
            }
        }
    }
}

// Run-length packed 8- and 4-bit bitmaps (bottom-up). Runs that leave the
// bitmap are clipped; the data may end early, the rest stays palette index 0.
void unpackRle(QImage &image, bool fourBit, const uchar *p, qint64 n, const std::vector<QRgb> &palette)
{
    const int w = image.width();
    const int h = image.height();
    const QRgb background = palette.empty() ? qRgb(0, 0, 0) : palette[0];
    image.fill(background);
    auto put = [&](int x, int y, int index) {
        if (x >= 0 && x < w && y >= 0 && y < h) {
            const QRgb c = index < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(index)] : qRgb(0, 0, 0);
            reinterpret_cast<QRgb *>(image.scanLine(h - 1 - y))[x] = c;
        }
    };
    int x = 0;
    int y = 0;
    qint64 i = 0;
    while (i + 1 < n && y < h) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count && x < w; ++k, ++x)
                put(x, y, fourBit ? ((k & 1) ? value & 0xF : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= n)
                break;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {
            // Absolute run of value pixels, padded to a 16-bit boundary.
            const int bytes = fourBit ? (value + 1) / 2 : value;
            if (i + bytes > n)
                break;
            for (int k = 0; k < value; ++k, ++x) {
                const int b = p[i + (fourBit ? k / 2 : k)];
                put(x, y, fourBit ? ((k & 1) ? b & 0xF : b >> 4) : b);
            }
            i += bytes + (bytes & 1);
        }
    }
}

const std::array<QRgb, 16> kVga = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

} // namespace

QImage DibCodec::decodeDib(const QByteArray &data, qint64 maxPixels, qint64 *consumed)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qint64 n = data.size();
    if (n < 12)
        return QImage();
    const quint32 headerSize = u32(p);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = kBiRgb;
    qint64 colours = 0;
    int paletteEntrySize = 4;
    bool topDown = false;
    quint32 masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    qint64 pos = 0;
    if (headerSize == 12) {
        width = u16(p + 4);
        height = u16(p + 6);
        bits = u16(p + 10);
        paletteEntrySize = 3;
        pos = 12;
    } else if (headerSize >= 40 && headerSize <= 124 && headerSize <= n) {
        width = i32(p + 4);
        height = i32(p + 8);
        bits = u16(p + 14);
        compression = u32(p + 16);
        colours = u32(p + 32);
        if (height < 0) {
            topDown = true;
            height = -height;
        }
        pos = headerSize;
        if (compression == kBiBitfields) {
            const uchar *m = p + 40;
            if (headerSize == 40) {
                if (n < 52)
                    return QImage();
                pos += 12;
            }
            masks[0] = u32(m);
            masks[1] = u32(m + 4);
            masks[2] = u32(m + 8);
        } else if (bits == 16) {
            masks[0] = 0x7C00u;
            masks[1] = 0x03E0u;
            masks[2] = 0x001Fu;
        }
    } else {
        return QImage();
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return QImage();
    if (!sizeAllowed(width, height, maxPixels))
        return QImage();
    if (compression == kBiBitfields && bits != 16 && bits != 32)
        return QImage();
    if ((compression == kBiRle8 && bits != 8) || (compression == kBiRle4 && bits != 4))
        return QImage();
    if (compression > kBiBitfields || (topDown && compression != kBiRgb && compression != kBiBitfields))
        return QImage();

    // Colour table: 2^bits entries unless biClrUsed says fewer. Larger
    // counts than 2^bits cannot be indexed; the extra entries are skipped.
    if (bits <= 8 && (colours == 0 || colours > (qint64(1) << bits)))
        colours = colours == 0 ? (qint64(1) << bits) : colours;
    if (colours > 65536 || colours * paletteEntrySize > n - pos)
        return QImage();
    std::vector<QRgb> palette;
    if (bits <= 8) {
        const qint64 used = std::min<qint64>(colours, qint64(1) << bits);
        palette.reserve(static_cast<size_t>(used));
        for (qint64 i = 0; i < used; ++i) {
            const uchar *e = p + pos + i * paletteEntrySize;
            palette.push_back(qRgb(e[2], e[1], e[0]));
        }
    }
    pos += colours * paletteEntrySize;

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    if (compression == kBiRle8 || compression == kBiRle4) {
        unpackRle(image, compression == kBiRle4, p + pos, n - pos, palette);
        if (consumed)
            *consumed = n;
        return image;
    }
    const qint64 stride = ((width * bits + 31) / 32) * 4;
    if (stride * height > n - pos)
        return QImage();
    const Channel channels[3] = {Channel(masks[0]), Channel(masks[1]), Channel(masks[2])};
    const uchar *bitsStart = p + pos;
    unpackRows(image, bits, palette, channels, [&](int y) {
        const qint64 row = topDown ? y : height - 1 - y;
        return bitsStart + row * stride;
    });
    if (consumed)
        *consumed = pos + stride * height;
    return image;
}

QImage DibCodec::decodeDdb(const QByteArray &data, int width, int height, int bitsPerPixel, int planes,
                           int widthBytes, qint64 maxPixels)
{
    if (!sizeAllowed(width, height, maxPixels) || planes < 1 || planes > 8)
        return QImage();
    const bool planar = planes > 1;
    if (planar && bitsPerPixel != 1)
        return QImage();
    const int depth = planar ? planes : bitsPerPixel;
    if (!planar && depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
        return QImage();
    const qint64 minRow = (qint64(width) * bitsPerPixel + 7) / 8;
    const qint64 rowBytes = widthBytes > 0 ? widthBytes : ((qint64(width) * bitsPerPixel + 15) / 16) * 2;
    if (rowBytes < minRow || rowBytes * planes * height > data.size())
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    std::vector<QRgb> palette;
    if (depth == 1) {
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (depth <= 4) {
        palette.assign(kVga.begin(), kVga.end());
    } else if (depth <= 8) {
        for (int i = 0; i < 256; ++i)
            palette.push_back(qRgb(i, i, i));
    }
    if (planar) {
        // Plane k of row y holds bit k of each pixel's colour index.
        for (int y = 0; y < height; ++y) {
            auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                int index = 0;
                for (int k = 0; k < planes; ++k) {
                    const uchar b = p[(qint64(y) * planes + k) * rowBytes + (x >> 3)];
                    index |= ((b >> (7 - (x & 7))) & 1) << k;
                }
                dst[x] = index < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(index)]
                                                                  : qRgb(0, 0, 0);
            }
        }
        return image;
    }
    const Channel channels16[3] = {Channel(0x7C00u), Channel(0x03E0u), Channel(0x001Fu)};
    const Channel channels32[3] = {Channel(0x00FF0000u), Channel(0x0000FF00u), Channel(0x000000FFu)};
    unpackRows(image, depth, palette, depth == 16 ? channels16 : channels32,
               [&](int y) { return p + qint64(y) * rowBytes; });
    return image;
}

QByteArray DibCodec::encodeDib(const QImage &source)
{
    QImage image(source.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, source);
    }
    const int w = image.width();
    const int h = image.height();
    const qint64 stride = ((qint64(w) * 24 + 31) / 32) * 4;
    QByteArray out(40 + stride * h, '\0');
    auto *d = reinterpret_cast<uchar *>(out.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(w, d + 4);
    qToLittleEndian<qint32>(h, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(24, d + 14);
    qToLittleEndian<quint32>(kBiRgb, d + 16);
    qToLittleEndian<quint32>(static_cast<quint32>(stride * h), d + 20);
    // 96 pixels per inch, in pixels per metre.
    qToLittleEndian<qint32>(3780, d + 24);
    qToLittleEndian<qint32>(3780, d + 28);
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(h - 1 - y));
        uchar *row = d + 40 + y * stride;
        for (int x = 0; x < w; ++x) {
            row[3 * x] = static_cast<uchar>(qBlue(src[x]));
            row[3 * x + 1] = static_cast<uchar>(qGreen(src[x]));
            row[3 * x + 2] = static_cast<uchar>(qRed(src[x]));
        }
    }
    return out;
}

} // namespace ql
