#include "iconfile.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <tuple>

namespace ql {

namespace {

// A file that cannot be mapped into memory is read instead, up to this size.
constexpr qint64 MaxReadBytes = 64 << 20;
constexpr quint64 NewHeaderPointer = 0x3C; // u32 in the MZ stub

// The path as given when it exists, else the entry of its folder whose name
// matches regardless of case, if there is one.
QString ResolveCase(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.exists())
        return path;
    const QDir dir = info.absoluteDir();
    if (!dir.exists())
        return path;
    const QString name = info.fileName();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return path;
}

// The order in which an icon's pictures are tried for a wanted size: the
// exact size first, then the nearest larger one (shrinking keeps detail),
// then the nearest smaller one; among equal sizes the most colours first.
QVector<IconImage> PreferredOrder(IconGroup images, int size)
{
    const auto rank = [size](const IconImage &image) {
        const int side = qMax(image.width, image.height);
        const int kind = side == size ? 0 : side > size ? 1 : 2;
        return std::make_tuple(kind, qAbs(side - size), -image.bitCount);
    };
    std::stable_sort(images.begin(), images.end(),
                     [&rank](const IconImage &a, const IconImage &b) { return rank(a) < rank(b); });
    return images;
}

// Qt's ICO decoder takes the transparency of 24- and 32-bit pictures from
// their pixels alone, but the system paints a 24-bit picture, and a 32-bit
// one whose alpha channel is all zero, through its AND mask. The mask follows
// the XOR bitmap: one bit per pixel (1 = transparent), rows padded to four
// bytes and stored bottom-up.
void ApplyAndMask(QImage &image, const ByteReader &file, const IconImage &picture)
{
    if (picture.png || picture.bitCount < 24 || image.size() != QSize(picture.width, picture.height))
        return;
    image.convertTo(QImage::Format_ARGB32);
    if (picture.bitCount == 32) {
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    return; // a real alpha channel
            }
        }
    }
    const quint64 width = static_cast<quint64>(picture.width);
    const quint64 height = static_cast<quint64>(picture.height);
    const quint64 bytesPerPixel = static_cast<quint64>(picture.bitCount) / 8;
    const quint64 xorStride = (width * bytesPerPixel * 8 + 31) / 32 * 4;
    const quint64 maskStride = (width + 31) / 32 * 4;
    const ByteReader pixels = file.slice(quint64(picture.offset) + 40, xorStride * height);
    const ByteReader mask = file.slice(quint64(picture.offset) + 40 + xorStride * height,
                                       maskStride * height);
    if (!pixels.contains(0, xorStride * height) || !mask.contains(0, maskStride * height))
        return; // a 32-bit picture may come without its mask
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const quint64 row = height - 1 - static_cast<quint64>(y);
        const uchar *bgr = pixels.data() + row * xorStride;
        const uchar *bits = mask.data() + row * maskStride;
        for (int x = 0; x < image.width(); ++x) {
            // The decoder premultiplied the zero alpha away, so the colour is
            // taken from the file again.
            const uchar *p = bgr + static_cast<quint64>(x) * bytesPerPixel;
            const bool transparent = bits[x / 8] & (0x80 >> (x % 8));
            line[x] = transparent ? 0 : qRgb(p[2], p[1], p[0]);
        }
    }
}

} // namespace

IconFile::IconFile() = default;

IconFile::IconFile(const QString &fileName) : m_fileName(fileName)
{
    const QString path = ResolveCase(fileName);
    if (!QFileInfo(path).isFile())
        return;
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return;
    m_readable = true;
    const qint64 size = file->size();
    if (size <= 0)
        return;
    if (uchar *mapped = file->map(0, size)) {
        m_data = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size);
        m_file = std::move(file);
    } else if (size <= MaxReadBytes) {
        m_data = file->read(size);
    }
    readIcons();
}

IconFile IconFile::fromData(const QByteArray &data)
{
    IconFile icons;
    icons.m_readable = true;
    icons.m_data = data;
    icons.readIcons();
    return icons;
}

void IconFile::readIcons()
{
    const ByteReader file(reinterpret_cast<const uchar *>(m_data.constData()), m_data.size());
    quint32 newHeader = 0;
    if (!file.matches(0, "MZ", 2)) {
        m_icons = ReadIcoGroups(file);
    } else if (file.u32(NewHeaderPointer, newHeader)) {
        if (file.matches(newHeader, "NE", 2))
            m_icons = ReadNeGroups(file, newHeader);
        else if (file.matches(newHeader, "PE\0\0", 4))
            m_icons = ReadPeGroups(file, newHeader);
    }
}

int IconFile::count() const
{
    return m_readable ? static_cast<int>(m_icons.size()) : -1;
}

void IconFile::checkIndex(int index) const
{
    if (index < 0 || index >= m_icons.size()) {
        throw Error(QStringLiteral("There is no icon %1 in %2")
                        .arg(index)
                        .arg(m_fileName.isEmpty() ? QStringLiteral("this icon file") : m_fileName));
    }
}

QImage IconFile::icon(int index, int size) const
{
    checkIndex(index);
    if (size < 1 || size > MaxRequestedSize)
        throw Error(QStringLiteral("An icon cannot be drawn at %1 pixels").arg(size));
    const ByteReader file(reinterpret_cast<const uchar *>(m_data.constData()), m_data.size());
    for (const IconImage &image : PreferredOrder(m_icons[index], size)) {
        // The decoder gets a one-picture .ico file, so it decodes exactly
        // the picture chosen here.
        QImage decoded = QImage::fromData(BuildIcoFile(file, {image}), "ICO");
        if (decoded.isNull())
            continue;
        ApplyAndMask(decoded, file, image);
        decoded.convertTo(QImage::Format_ARGB32_Premultiplied);
        if (decoded.width() != size || decoded.height() != size)
            decoded = decoded.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return decoded;
    }
    throw Error(QStringLiteral("Unable to read icon %1 of %2").arg(index).arg(m_fileName));
}

QByteArray IconFile::iconData(int index) const
{
    checkIndex(index);
    const ByteReader file(reinterpret_cast<const uchar *>(m_data.constData()), m_data.size());
    return BuildIcoFile(file, m_icons[index]);
}

} // namespace ql
