#include "iconformats.h"

namespace ql {

namespace {

// One picture of an icon, stored the same way in .ico files and in RT_ICON
// resources, is either a PNG stream or a headerless DIB:
//
//   BITMAPINFOHEADER (40 bytes, little-endian)
//     +0  u32 biSize = 40      +4  i32 biWidth        +8  i32 biHeight (twice the
//     +12 u16 biPlanes         +14 u16 biBitCount         picture's height: XOR + AND)
//     +16 u32 biCompression = 0 (BI_RGB)  +20 u32 biSizeImage  +24,+28 resolution
//     +32 u32 biClrUsed (0 = all 2^bits)   +36 u32 biClrImportant
//   colour table    biClrUsed (or 2^bits) RGBQUADs, for 1, 4 and 8 bits per pixel
//   XOR bitmap      height rows of width * bits, each padded to 4 bytes, bottom-up
//   AND mask        height rows of width * 1 bit, each padded to 4 bytes
//
// 32-bit pictures carry their own alpha and the decoder ignores their AND
// mask, so for them the mask may be missing.
constexpr quint32 DibHeaderSize = 40;
constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr quint64 PngSignatureSize = 8;

quint64 RowBytes(quint64 width, quint64 bits)
{
    return (width * bits + 31) / 32 * 4;
}

bool InspectPng(const ByteReader &bytes, IconImage &image)
{
    // Signature, then the IHDR chunk: u32 length, "IHDR", u32 width, u32 height.
    quint32 width = 0;
    quint32 height = 0;
    if (!bytes.matches(12, "IHDR", 4) || !bytes.u32be(16, width) || !bytes.u32be(20, height))
        return false;
    if (width < 1 || width > MaxIconDimension || height < 1 || height > MaxIconDimension)
        return false;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.bitCount = 32;
    image.png = true;
    image.length = static_cast<quint32>(bytes.size());
    return true;
}

bool InspectDib(const ByteReader &bytes, IconImage &image)
{
    quint32 headerSize = 0, planes = 0, bits = 0, compression = 0, colorsUsed = 0;
    qint32 width = 0, doubleHeight = 0;
    if (!bytes.u32(0, headerSize) || !bytes.i32(4, width) || !bytes.i32(8, doubleHeight) ||
        !bytes.u16(12, planes) || !bytes.u16(14, bits) || !bytes.u32(16, compression) ||
        !bytes.u32(32, colorsUsed))
        return false;
    if (headerSize != DibHeaderSize || compression != 0 || planes > 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    if (width < 1 || width > MaxIconDimension || doubleHeight < 2 ||
        doubleHeight > 2 * MaxIconDimension || doubleHeight % 2 != 0)
        return false;
    const quint64 height = static_cast<quint64>(doubleHeight) / 2;
    quint64 colors = 0;
    if (bits <= 8) {
        const quint64 full = quint64(1) << bits;
        // A two-colour picture with a one-colour table would not decode as a
        // bitmap mask; no real icon has one.
        if (colorsUsed > full || (bits == 1 && colorsUsed == 1))
            return false;
        colors = colorsUsed ? colorsUsed : full;
    }
    const quint64 xorEnd =
        DibHeaderSize + colors * 4 + RowBytes(static_cast<quint64>(width), bits) * height;
    const quint64 maskEnd = xorEnd + RowBytes(static_cast<quint64>(width), 1) * height;
    const quint64 needed = bits == 32 ? xorEnd : maskEnd;
    if (!bytes.contains(0, needed))
        return false;
    image.width = width;
    image.height = static_cast<int>(height);
    image.bitCount = static_cast<int>(bits);
    image.png = false;
    image.length = static_cast<quint32>(qMin<quint64>(maskEnd, static_cast<quint64>(bytes.size())));
    return true;
}

void PutU16(QByteArray &out, quint32 value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void PutU32(QByteArray &out, quint32 value)
{
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

} // namespace

bool InspectIconImage(const ByteReader &file, quint64 offset, quint64 length, IconImage &image)
{
    if (length == 0 || !file.contains(offset, 1))
        return false;
    const ByteReader bytes = file.slice(offset, qMin<quint64>(length, MaxIconImageBytes));
    const bool ok = bytes.matches(0, PngSignature, PngSignatureSize)
                        // A PNG longer than the cap cannot be cut short safely.
                        ? length <= MaxIconImageBytes && InspectPng(bytes, image)
                        : InspectDib(bytes, image);
    if (ok)
        image.offset = static_cast<quint32>(offset);
    return ok;
}

// A group icon resource (RT_GROUP_ICON) is a directory of the icon's pictures,
// the same in NE and PE files:
//
//   GRPICONDIR       u16 reserved = 0, u16 type = 1 (icon), u16 count
//   count entries    14 bytes each: u8 width, u8 height, u8 colours, u8 reserved,
//                    u16 planes, u16 bit count, u32 bytes, u16 id of the RT_ICON
//
// The sizes in the entries are only hints; each picture's own header is what
// counts, so they are not read.
IconGroup ReadGroupDirectory(const ByteReader &file, const ResourceSpan &group,
                             const QHash<quint32, ResourceSpan> &iconsById)
{
    IconGroup images;
    if (!file.contains(group.offset, 1))
        return images;
    const ByteReader dir = file.slice(group.offset, group.length);
    quint32 type = 0, count = 0;
    if (!dir.u16(2, type) || !dir.u16(4, count) || type != 1)
        return images;
    count = qMin<quint32>(count, MaxImagesPerGroup);
    for (quint32 i = 0; i < count; ++i) {
        quint32 id = 0;
        if (!dir.u16(6 + 14 * quint64(i) + 12, id))
            break;
        const auto it = iconsById.constFind(id);
        IconImage image;
        if (it != iconsById.constEnd() && InspectIconImage(file, it->offset, it->length, image))
            images.append(image);
    }
    return images;
}

QByteArray BuildIcoFile(const ByteReader &file, const IconGroup &images)
{
    // ICONDIR (6 bytes) and one 16-byte ICONDIRENTRY per picture, then the
    // pictures. The entries are made from the pictures' headers, since the
    // decoder sizes its image after the entry.
    constexpr quint32 DirSize = 6;
    constexpr quint32 EntrySize = 16;
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<quint32>(images.size()));
    quint32 offset = DirSize + EntrySize * static_cast<quint32>(images.size());
    for (const IconImage &image : images) {
        const quint32 colors = image.bitCount < 8 ? 1u << image.bitCount : 0;
        out.append(static_cast<char>(image.width & 0xff)); // 256 is written as 0
        out.append(static_cast<char>(image.height & 0xff));
        out.append(static_cast<char>(colors));
        out.append('\0');
        PutU16(out, 1);
        PutU16(out, static_cast<quint32>(image.bitCount));
        PutU32(out, image.length);
        PutU32(out, offset);
        offset += image.length;
    }
    for (const IconImage &image : images) {
        // Recorded pictures lie inside the file (InspectIconImage saw to it).
        const ByteReader bytes = file.slice(image.offset, image.length);
        out.append(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    }
    return out;
}

} // namespace ql
