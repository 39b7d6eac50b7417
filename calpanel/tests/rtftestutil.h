#pragma once

// Small writers for the pictures and documents the RTF tests read: packed
// DIBs, device-dependent bitmap bits, Windows metafiles, and a summary of a
// document's runs that compares well in failure messages.

#include "picturehandler.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QtEndian>
#include <ostream>
#include <vector>

// Readable strings in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace rtftest {

inline void put16(QByteArray &b, int v)
{
    char d[2];
    qToLittleEndian<quint16>(static_cast<quint16>(v), d);
    b.append(d, 2);
}

inline void put32(QByteArray &b, qint64 v)
{
    char d[4];
    qToLittleEndian<quint32>(static_cast<quint32>(v), d);
    b.append(d, 4);
}

// A packed DIB of img at 1, 4, 8 (palette = the image's colour table, which
// the caller builds), 24 or 32 bits, bottom-up unless topDown.
inline QByteArray dib(const QImage &img, int bits, bool topDown = false)
{
    const QImage src = bits <= 8 ? img : img.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> table = bits <= 8 ? img.colorTable() : QList<QRgb>();
    const int stride = ((img.width() * bits + 31) / 32) * 4;
    QByteArray b;
    put32(b, 40);
    put32(b, img.width());
    put32(b, topDown ? -img.height() : img.height());
    put16(b, 1);
    put16(b, bits);
    put32(b, 0);
    put32(b, stride * img.height());
    put32(b, 3780);
    put32(b, 3780);
    put32(b, table.size());
    put32(b, 0);
    for (QRgb c : table) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }
    for (int row = 0; row < img.height(); ++row) {
        const int y = topDown ? row : img.height() - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < img.width(); ++x) {
            if (bits <= 8) {
                const int index = src.pixelIndex(x, y);
                const int bitPos = x * bits;
                line[bitPos / 8] = static_cast<char>(line[bitPos / 8] | (index << (8 - bits - bitPos % 8)));
            } else {
                const QRgb c = src.pixel(x, y);
                const int o = x * (bits / 8);
                line[o] = static_cast<char>(qBlue(c));
                line[o + 1] = static_cast<char>(qGreen(c));
                line[o + 2] = static_cast<char>(qRed(c));
            }
        }
        b.append(line);
    }
    return b;
}

// A metafile: header, then the given records, then META_EOF.
inline QByteArray wmf(const std::vector<QByteArray> &records)
{
    QByteArray body;
    for (const QByteArray &r : records)
        body += r;
    QByteArray b;
    put16(b, 1);   // memory metafile
    put16(b, 9);   // header words
    put16(b, 0x300);
    put32(b, (18 + body.size() + 6) / 2);
    put16(b, 0);
    put32(b, 3);
    put16(b, 0);
    b += body;
    put32(b, 3);
    put16(b, 0);
    return b;
}

inline QByteArray wmfRecord(int function, const QByteArray &params)
{
    QByteArray r;
    put32(r, (6 + params.size() + 1) / 2);
    put16(r, function);
    r += params;
    if (r.size() % 2)
        r.append('\0');
    return r;
}

// META_STRETCHDIB drawing the whole DIB into (x, y, w, h) with rop.
inline QByteArray stretchDib(const QByteArray &dibBytes, int srcW, int srcH, int x, int y, int w, int h,
                             quint32 rop = 0x00CC0020u)
{
    QByteArray p;
    put32(p, rop);
    put16(p, 0);  // DIB_RGB_COLORS
    put16(p, srcH);
    put16(p, srcW);
    put16(p, 0);
    put16(p, 0);
    put16(p, h);
    put16(p, w);
    put16(p, y);
    put16(p, x);
    return wmfRecord(0x0F43, p + dibBytes);
}

// META_DIBSTRETCHBLT with the same geometry.
inline QByteArray dibStretchBlt(const QByteArray &dibBytes, int srcW, int srcH, int x, int y, int w, int h)
{
    QByteArray p;
    put32(p, 0x00CC0020u);
    put16(p, srcH);
    put16(p, srcW);
    put16(p, 0);
    put16(p, 0);
    put16(p, h);
    put16(p, w);
    put16(p, y);
    put16(p, x);
    return wmfRecord(0x0B41, p + dibBytes);
}

inline QByteArray encoded(const QImage &img, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return data;
}

// A picture group around data given as bytes (hex-encoded here).
inline QByteArray pict(const QByteArray &words, const QByteArray &data)
{
    return "{\\pict" + words + "\n" + data.toHex() + "}";
}

inline QByteArray doc(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}" + body + "}";
}

// A 4 x 3 picture with a different colour at every pixel, so that turned,
// mirrored or shifted rows show.
inline QImage testImage()
{
    QImage img(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, qRgb(40 + 60 * x, 50 + 80 * y, (x * 37 + y * 91) % 256));
    return img;
}

// The same picture as 8-bit indexed (12 palette entries).
inline QImage testImageIndexed()
{
    const QImage rgb = testImage();
    QImage img(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            table.append(rgb.pixel(x, y));
        }
    img.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            img.setPixel(x, y, static_cast<uint>(y * rgb.width() + x));
    return img;
}

// One run of a document, as far as a cell cares.
struct Run
{
    QString text;
    QString family;
    double points = 0;
    bool bold = false, italic = false, underline = false, strike = false;
    QRgb color = 0;  // 0: none
    bool picture = false;
    QSize pictureSize;
    int block = 0;
    Qt::Alignment align = Qt::AlignLeft;

    bool operator==(const Run &o) const
    {
        return text == o.text && family == o.family && points == o.points && bold == o.bold
            && italic == o.italic && underline == o.underline && strike == o.strike && color == o.color
            && picture == o.picture && pictureSize == o.pictureSize && block == o.block && align == o.align;
    }
};

inline void PrintTo(const Run &r, std::ostream *os)
{
    *os << "{block " << r.block << " align " << int(r.align) << " '" << r.text.toStdString() << "' "
        << r.family.toStdString() << " " << r.points << "pt" << (r.bold ? " b" : "") << (r.italic ? " i" : "")
        << (r.underline ? " u" : "") << (r.strike ? " s" : "") << " color " << std::hex << r.color << std::dec
        << (r.picture ? " picture " : "") << (r.picture ? r.pictureSize.width() : 0) << "x"
        << (r.picture ? r.pictureSize.height() : 0) << "}";
}

inline std::vector<Run> runs(const QTextDocument &d)
{
    std::vector<Run> out;
    int blockNo = 0;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next(), ++blockNo) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            Run r;
            r.block = blockNo;
            r.align = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
            if (!r.align)
                r.align = Qt::AlignLeft;  // no alignment set reads as left
            if (cf.isImageFormat()) {
                r.picture = true;
                r.pictureSize = ql::PictureHandler::displaySize(d, cf.toImageFormat()).toSize();
            } else {
                r.text = f.text();
                const QStringList fam = cf.fontFamilies().toStringList();
                r.family = fam.isEmpty() ? QString() : fam.first();
                r.points = cf.fontPointSize();
                r.bold = cf.fontWeight() > QFont::Medium;
                r.italic = cf.fontItalic();
                r.underline = cf.fontUnderline();
                r.strike = cf.fontStrikeOut();
                if (cf.hasProperty(QTextFormat::ForegroundBrush))
                    r.color = cf.foreground().color().rgb() & 0xFFFFFF;
            }
            out.push_back(r);
        }
    }
    return out;
}

// The text with paragraphs as \n and everything else as it is (unlike
// toPlainText, which also turns line breaks and no-break spaces into ASCII).
inline QString text(const QTextDocument &d)
{
    return d.toRawText().replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
}

// The images of a document's pictures, in order.
inline std::vector<QImage> pictures(const QTextDocument &d)
{
    std::vector<QImage> out;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                out.push_back(ql::PictureHandler::image(d, it.fragment().charFormat().toImageFormat()));
    return out;
}

} // namespace rtftest
