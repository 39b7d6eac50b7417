// The icon-file reader: .ico files, NE icon libraries and PE programs written
// by the small writers below, broken variants of them, committed broken files
// and the libraries that ship with the designer.
#include "error.h"
#include "iconfile.h"
#include "iconlibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <functional>
#include <iterator>
#include <gtest/gtest.h>

namespace {

using ql::IconFile;

// ---- Writers ---------------------------------------------------------------

// One picture of a test icon: a square of one colour whose top quarter is
// transparent (through the AND mask, or the alpha channel for 32 bits).
struct Picture
{
    int size = 32;
    int bits = 32;
    QRgb color = qRgb(0, 0, 255);
    bool png = false;
    bool maskOnly = false; // 32 bits with an all-zero alpha channel
};
using Group = QVector<Picture>;

void Append16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}
void Append32(QByteArray &out, quint32 v)
{
    Append16(out, v & 0xffff);
    Append16(out, v >> 16);
}
void Put16(QByteArray &out, qsizetype at, quint32 v)
{
    if (out.size() < at + 2)
        out.resize(at + 2, '\0');
    out[at] = char(v & 0xff);
    out[at + 1] = char((v >> 8) & 0xff);
}
void Put32(QByteArray &out, qsizetype at, quint32 v)
{
    Put16(out, at, v & 0xffff);
    Put16(out, at + 2, v >> 16);
}
quint32 Get32(const QByteArray &in, qsizetype at)
{
    return quint32(uchar(in[at])) | quint32(uchar(in[at + 1])) << 8 |
           quint32(uchar(in[at + 2])) << 16 | quint32(uchar(in[at + 3])) << 24;
}
qsizetype AlignUp(qsizetype value, qsizetype unit)
{
    return (value + unit - 1) / unit * unit;
}

int TransparentRows(int size)
{
    return qMax(1, size / 4);
}

QByteArray Png(const Picture &p)
{
    QImage image(p.size, p.size, QImage::Format_ARGB32);
    image.fill(p.color);
    for (int y = 0; y < TransparentRows(p.size); ++y) {
        for (int x = 0; x < p.size; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// BITMAPINFOHEADER, colour table, XOR bitmap and AND mask, rows bottom-up.
QByteArray Dib(const Picture &p)
{
    if (p.png)
        return Png(p);
    QByteArray out;
    Append32(out, 40);
    Append32(out, quint32(p.size));
    Append32(out, quint32(2 * p.size));
    Append16(out, 1);
    Append16(out, quint32(p.bits));
    Append32(out, 0); // BI_RGB
    Append32(out, 0);
    Append32(out, 0);
    Append32(out, 0);
    Append32(out, 0); // all 2^bits colours
    Append32(out, 0);
    if (p.bits <= 8) {
        // Index 0 is black, index 1 the picture's colour, the rest grey.
        for (int i = 0; i < (1 << p.bits); ++i) {
            const QRgb c = i == 0 ? qRgb(0, 0, 0) : i == 1 ? p.color : qRgb(128, 128, 128);
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
            out.append('\0');
        }
    }
    const int xorStride = (p.size * p.bits + 31) / 32 * 4;
    const int andStride = (p.size + 31) / 32 * 4;
    for (int row = 0; row < p.size; ++row) { // row 0 is the bottom one
        const bool top = p.size - 1 - row < TransparentRows(p.size);
        QByteArray line(xorStride, '\0');
        for (int x = 0; x < p.size; ++x) {
            switch (p.bits) {
            case 1: line[x / 8] = char(uchar(line[x / 8]) | (0x80 >> (x % 8))); break;
            case 4: line[x / 2] = char(uchar(line[x / 2]) | (x % 2 ? 0x01 : 0x10)); break;
            case 8: line[x] = 1; break;
            case 24:
            case 32: {
                const int at = x * p.bits / 8;
                line[at] = char(qBlue(p.color));
                line[at + 1] = char(qGreen(p.color));
                line[at + 2] = char(qRed(p.color));
                if (p.bits == 32)
                    line[at + 3] = char(top || p.maskOnly ? 0 : 255);
                break;
            }
            }
        }
        out.append(line);
    }
    for (int row = 0; row < p.size; ++row) {
        const bool top = p.size - 1 - row < TransparentRows(p.size);
        out.append(QByteArray(andStride, top ? '\xff' : '\0'));
    }
    return out;
}

QByteArray MakeIco(const Group &pictures)
{
    QByteArray out;
    Append16(out, 0);
    Append16(out, 1);
    Append16(out, quint32(pictures.size()));
    QByteArray data;
    quint32 offset = 6 + 16 * quint32(pictures.size());
    for (const Picture &p : pictures) {
        const QByteArray bytes = Dib(p);
        out.append(char(p.size & 0xff));
        out.append(char(p.size & 0xff));
        out.append(char(p.bits < 8 ? 1 << p.bits : 0));
        out.append('\0');
        Append16(out, 1);
        Append16(out, quint32(p.bits));
        Append32(out, quint32(bytes.size()));
        Append32(out, offset);
        offset += quint32(bytes.size());
        data.append(bytes);
    }
    return out + data;
}

// A group icon directory naming icon resources firstId, firstId + 1, ...
QByteArray GroupDirectory(const Group &pictures, int firstId)
{
    QByteArray out;
    Append16(out, 0);
    Append16(out, 1);
    Append16(out, quint32(pictures.size()));
    for (int i = 0; i < pictures.size(); ++i) {
        const Picture &p = pictures[i];
        out.append(char(p.size & 0xff));
        out.append(char(p.size & 0xff));
        out.append(char(p.bits < 8 ? 1 << p.bits : 0));
        out.append('\0');
        Append16(out, 1);
        Append16(out, quint32(p.bits));
        Append32(out, quint32(Dib(p).size()));
        Append16(out, quint32(firstId + i));
    }
    return out;
}

// Icon resources (ids 1, 2, ...) and group resources of a set of icons.
struct Resources
{
    QVector<QByteArray> icons;
    QVector<QByteArray> groups;
};
Resources MakeResources(const QVector<Group> &groups)
{
    Resources r;
    for (const Group &g : groups) {
        r.groups.append(GroupDirectory(g, int(r.icons.size()) + 1));
        for (const Picture &p : g)
            r.icons.append(Dib(p));
    }
    return r;
}

// NE layout used by the tests: MZ stub with e_lfanew = 0x40, NE header at
// 0x40, resource table at 0x80: u16 shift, RT_ICON TYPEINFO at 0x82 with its
// NAMEINFOs from 0x8A, then the RT_GROUP_ICON TYPEINFO, then a zero type.
constexpr int NeHeader = 0x40;
constexpr int NeTable = 0x80;
constexpr int NeFirstType = 0x82;
constexpr int NeFirstName = 0x8A;

QByteArray MakeNe(const QVector<Group> &groups, int shift = 4)
{
    const Resources r = MakeResources(groups);
    QByteArray out(NeTable, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    Put32(out, 0x3C, NeHeader);
    out[NeHeader] = 'N';
    out[NeHeader + 1] = 'E';
    Put16(out, NeHeader + 0x24, NeTable - NeHeader);
    const qsizetype tableSize = 2 + 8 + 12 * r.icons.size() + 8 + 12 * r.groups.size() + 2 + 1;
    const qsizetype unit = qsizetype(1) << shift;
    qsizetype dataAt = AlignUp(NeTable + tableSize, unit);

    QByteArray table;
    QByteArray data;
    Append16(table, quint32(shift));
    const auto addType = [&](quint32 type, const QVector<QByteArray> &resources) {
        Append16(table, type);
        Append16(table, quint32(resources.size()));
        Append32(table, 0);
        for (int i = 0; i < resources.size(); ++i) {
            const qsizetype length = AlignUp(resources[i].size(), unit);
            Append16(table, quint32(dataAt >> shift));
            Append16(table, quint32(length >> shift));
            Append16(table, 0x30); // moveable, pure
            Append16(table, 0x8000u | quint32(i + 1));
            Append16(table, 0);
            Append16(table, 0);
            data.append(resources[i]);
            data.append(QByteArray(length - resources[i].size(), '\0'));
            dataAt += length;
        }
    };
    addType(0x8003, r.icons);
    addType(0x800E, r.groups);
    Append16(table, 0);
    table.append('\0');
    out.append(table);
    out.append(QByteArray(AlignUp(out.size(), unit) - out.size(), '\0'));
    return out + data;
}

// PE layout used by the tests: e_lfanew = 0x40, COFF header at 0x44, optional
// header at 0x58, one section ".rsrc" at RVA 0x1000 and file offset 0x400
// holding the resource tree: the root directory (types 3 and 14, entries at
// 0x410 and 0x418), one directory per type, one language directory per
// resource, the data entries and the data.
constexpr int PeHeader = 0x40;
constexpr int PeOptional = 0x58;
constexpr int PeTree = 0x400;
constexpr quint32 PeTreeRva = 0x1000;

QByteArray MakePe(const QVector<Group> &groups, bool pe64 = false)
{
    const Resources r = MakeResources(groups);
    const quint32 optionalSize = pe64 ? 240 : 224;
    QByteArray out(PeTree, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    Put32(out, 0x3C, PeHeader);
    out.replace(PeHeader, 4, QByteArray("PE\0\0", 4));
    Put16(out, PeHeader + 4, pe64 ? 0x8664 : 0x14C);
    Put16(out, PeHeader + 6, 1);
    Put16(out, PeHeader + 20, optionalSize);
    Put16(out, PeOptional, pe64 ? 0x20B : 0x10B);
    const int directories = PeOptional + (pe64 ? 108 : 92);
    Put32(out, directories, 16);

    // Tree layout, offsets relative to its start.
    const quint32 nIcons = quint32(r.icons.size());
    const quint32 nGroups = quint32(r.groups.size());
    const quint32 iconDir = 32;
    const quint32 groupDir = iconDir + 16 + 8 * nIcons;
    const quint32 languageDirs = groupDir + 16 + 8 * nGroups;
    const quint32 dataEntries = languageDirs + 24 * (nIcons + nGroups);
    quint32 dataAt = dataEntries + 16 * (nIcons + nGroups);

    QByteArray tree(dataAt, '\0');
    QByteArray data;
    Put16(tree, 14, 2);
    Put32(tree, 16, 3);
    Put32(tree, 20, 0x80000000u | iconDir);
    Put32(tree, 24, 14);
    Put32(tree, 28, 0x80000000u | groupDir);
    quint32 resource = 0;
    const auto addType = [&](quint32 dir, const QVector<QByteArray> &resources) {
        Put16(tree, dir + 14, quint32(resources.size()));
        for (quint32 i = 0; i < quint32(resources.size()); ++i, ++resource) {
            const quint32 language = languageDirs + 24 * resource;
            const quint32 entry = dataEntries + 16 * resource;
            Put32(tree, dir + 16 + 8 * i, i + 1);
            Put32(tree, dir + 16 + 8 * i + 4, 0x80000000u | language);
            Put16(tree, language + 14, 1);
            Put32(tree, language + 16, 1033);
            Put32(tree, language + 20, entry);
            Put32(tree, entry, PeTreeRva + dataAt + quint32(data.size()));
            Put32(tree, entry + 4, quint32(resources[int(i)].size()));
            data.append(resources[int(i)]);
            data.append(QByteArray(AlignUp(data.size(), 4) - data.size(), '\0'));
        }
    };
    addType(iconDir, r.icons);
    addType(groupDir, r.groups);
    tree.append(data);

    Put32(out, directories + 4 + 16, PeTreeRva);
    Put32(out, directories + 4 + 20, quint32(dataEntries));
    const int section = PeOptional + int(optionalSize);
    out.replace(section, 6, QByteArray(".rsrc\0", 6));
    Put32(out, section + 8, quint32(tree.size()));
    Put32(out, section + 12, PeTreeRva);
    Put32(out, section + 16, quint32(tree.size()));
    Put32(out, section + 20, PeTree);
    return out + tree;
}

// ---- Checks -----------------------------------------------------------------

// The icon was decoded from a picture of this colour: opaque in its lower
// part, transparent at the top.
void ExpectPicture(const QImage &image, int size, QRgb color)
{
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(image.hasAlphaChannel());
    const QRgb middle = image.pixel(size / 2, size * 3 / 4);
    EXPECT_EQ(qAlpha(middle), 255);
    EXPECT_NEAR(qRed(middle), qRed(color), 2);
    EXPECT_NEAR(qGreen(middle), qGreen(color), 2);
    EXPECT_NEAR(qBlue(middle), qBlue(color), 2);
    EXPECT_EQ(qAlpha(image.pixel(size / 2, 0)), 0);
}

// Opening a broken file gives at most the expected icons, and asking for any
// of them either works or throws the reader's error; neither crashes.
void ExpectHandled(const IconFile &file)
{
    for (int i = 0; i < file.count(); ++i) {
        try {
            const QImage image = file.icon(i);
            EXPECT_EQ(image.size(), QSize(32, 32));
        } catch (const ql::Error &) {
        }
    }
}

const QRgb Red = qRgb(220, 0, 0);
const QRgb Green = qRgb(0, 200, 0);
const QRgb Blue = qRgb(0, 0, 230);
const QRgb Yellow = qRgb(240, 220, 0);

// ---- Reading the three kinds of file ----------------------------------------

TEST(IconFileTest, IcoDecoderIsAvailable)
{
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("ico"));
}

// Each kind of file with two icons (NE and PE) or one icon of several
// pictures (.ico: the system counts an .ico file as one icon).
TEST(IconFileTest, ReadsEachKindOfFile)
{
    const Group first = {{16, 4, Red}, {32, 8, Green}};
    const Group second = {{32, 32, Blue}, {16, 32, Yellow}};
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QVector<QRgb> colors; // of each icon at 32x32
    };
    const Case cases[] = {
        {"ico", MakeIco(first + second), {Blue}},
        {"ne shift 4", MakeNe({first, second}, 4), {Green, Blue}},
        {"ne shift 9", MakeNe({first, second}, 9), {Green, Blue}},
        {"ne shift 0", MakeNe({first, second}, 0), {Green, Blue}},
        {"pe32", MakePe({first, second}), {Green, Blue}},
        {"pe32+", MakePe({first, second}, true), {Green, Blue}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // From memory and from a file on disk alike.
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        for (const IconFile &file : {IconFile::fromData(c.bytes), IconFile(path)}) {
            ASSERT_EQ(file.count(), c.colors.size());
            for (int i = 0; i < c.colors.size(); ++i) {
                SCOPED_TRACE(i);
                ExpectPicture(file.icon(i), 32, c.colors[i]);
            }
        }
    }
}

TEST(IconFileTest, DecodesEveryColourDepthAndPng)
{
    for (const Picture &p : {Picture{32, 1, Red}, Picture{32, 4, Green}, Picture{32, 8, Blue},
                             Picture{32, 24, Yellow}, Picture{32, 32, Red},
                             Picture{32, 32, Green, true}, Picture{48, 4, Blue},
                             Picture{256, 32, Yellow}, Picture{256, 32, Red, true},
                             Picture{32, 32, Green, false, true}}) {
        SCOPED_TRACE(testing::Message() << p.size << "x" << p.size << "x" << p.bits
                                        << (p.png ? " png" : "") << (p.maskOnly ? " mask" : ""));
        // 1-bit pictures show their colour table's second entry, white or not.
        const IconFile file = IconFile::fromData(MakeNe({{p}}));
        ASSERT_EQ(file.count(), 1);
        ExpectPicture(file.icon(0, p.size), p.size, p.color);
        ExpectPicture(file.icon(0), 32, p.color);
    }
}

// The picture drawn for a wanted size: the exact size with the most colours,
// else the nearest larger, else the nearest smaller, scaled to the size.
TEST(IconFileTest, PicksThePictureThatFitsTheSize)
{
    const Group group = {{16, 8, Red}, {32, 4, Green}, {32, 32, Blue}, {48, 32, Yellow}};
    const IconFile file = IconFile::fromData(MakePe({group}));
    ASSERT_EQ(file.count(), 1);
    const struct
    {
        int size;
        QRgb color;
    } cases[] = {{16, Red}, {32, Blue}, {24, Blue}, {40, Yellow}, {48, Yellow}, {64, Yellow},
                 {8, Red}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        const QImage image = file.icon(0, c.size);
        ASSERT_EQ(image.size(), QSize(c.size, c.size));
        const QRgb middle = image.pixel(c.size / 2, c.size - 1);
        EXPECT_EQ(qAlpha(middle), 255);
        EXPECT_NEAR(qRed(middle), qRed(c.color), 2);
        EXPECT_NEAR(qGreen(middle), qGreen(c.color), 2);
        EXPECT_NEAR(qBlue(middle), qBlue(c.color), 2);
    }
}

// A picture the decoder refuses is passed over for the next best one.
TEST(IconFileTest, FallsBackWhenAPictureDoesNotDecode)
{
    QByteArray bytes = MakeIco({{32, 32, Blue, true}, {16, 8, Red}});
    // Keep the PNG's signature and IHDR chunk (33 bytes), break the rest.
    const quint32 pngLength = Get32(bytes, 6 + 8);
    const quint32 pngAt = Get32(bytes, 6 + 12);
    for (quint32 i = 33; i < pngLength; ++i)
        bytes[pngAt + i] = char(0xA5);
    const IconFile file = IconFile::fromData(bytes);
    ASSERT_EQ(file.count(), 1);
    ExpectPicture(file.icon(0), 32, Red);
}

TEST(IconFileTest, IconDataIsAnIcoFileWithAllPictures)
{
    const IconFile file = IconFile::fromData(MakeNe({{{16, 4, Red}}, {{16, 8, Red}, {32, 32, Blue}}}));
    ASSERT_EQ(file.count(), 2);
    QByteArray data = file.iconData(1);
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    EXPECT_EQ(reader.imageCount(), 2);
    const IconFile again = IconFile::fromData(file.iconData(1));
    ASSERT_EQ(again.count(), 1);
    ExpectPicture(again.icon(0), 32, Blue);
}

// ---- Counts of missing, empty and foreign files ----------------------------

TEST(IconFileTest, CountsMissingEmptyAndForeignFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    QDir(dir.path()).mkdir(QStringLiteral("folder.icl"));
    const struct
    {
        const char *name;
        QString path;
        int count;
    } cases[] = {
        {"missing", dir.filePath(QStringLiteral("missing.icl")), -1},
        {"no name", QString(), -1},
        {"folder", dir.filePath(QStringLiteral("folder.icl")), -1},
        {"empty", write(QStringLiteral("empty.icl"), QByteArray()), 0},
        {"text", write(QStringLiteral("notes.txt"), "No icons here.\r\n"), 0},
        {"mz only", write(QStringLiteral("tiny.exe"), "MZ"), 0},
        {"ne without icons", write(QStringLiteral("none.icl"), MakeNe({})), 0},
        {"pe without icons", write(QStringLiteral("none.dll"), MakePe({})), 0},
        {"cursor", write(QStringLiteral("arrow.cur"), [] {
             QByteArray b = MakeIco({{32, 4, Red}});
             Put16(b, 2, 2);
             return b;
         }()), 0},
        // Names compare without regard to case, as the menu's "Misc1.icl" does.
        {"other case", [&] {
             write(QStringLiteral("misc1.icl"), MakeNe({{{32, 4, Red}}}));
             return dir.filePath(QStringLiteral("Misc1.ICL"));
         }(), 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const IconFile file(c.path);
        EXPECT_EQ(file.count(), c.count);
        EXPECT_EQ(file.fileName(), c.path);
    }
    EXPECT_EQ(IconFile().count(), -1);
    EXPECT_EQ(IconFile::fromData(QByteArray()).count(), 0);
}

TEST(IconFileTest, RejectsBadIndexesAndSizes)
{
    const IconFile file = IconFile::fromData(MakeNe({{{32, 4, Red}}}));
    ASSERT_EQ(file.count(), 1);
    const struct
    {
        int index;
        int size;
    } cases[] = {{-1, 32}, {1, 32}, {0, 0}, {0, -5}, {0, IconFile::MaxRequestedSize + 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " at " << c.size);
        EXPECT_THROW(file.icon(c.index, c.size), ql::Error);
    }
    EXPECT_THROW(file.iconData(1), ql::Error);
    EXPECT_THROW(IconFile().icon(0), ql::Error);
    EXPECT_NO_THROW(file.icon(0, IconFile::MaxRequestedSize));
}

// ---- Malformed files --------------------------------------------------------

struct Broken
{
    const char *name;
    std::function<QByteArray()> make;
    int count; // what is still listed
};

void RunBroken(const Broken *cases, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(cases[i].name);
        const IconFile file = IconFile::fromData(cases[i].make());
        EXPECT_EQ(file.count(), cases[i].count);
        ExpectHandled(file);
    }
}

// Offsets of the single picture of MakeIco({picture}).
constexpr int IcoLength = 6 + 8;
constexpr int IcoOffset = 6 + 12;
constexpr int IcoPicture = 22;

QByteArray Ico()
{
    return MakeIco({{32, 4, Red}});
}
QByteArray Ico(const std::function<void(QByteArray &)> &change)
{
    QByteArray b = Ico();
    change(b);
    return b;
}

TEST(IconFileTest, MalformedIcoFiles)
{
    const Broken cases[] = {
        {"sound", [] { return Ico(); }, 1},
        {"truncated directory", [] { return Ico().left(5); }, 0},
        {"truncated entry", [] { return Ico().left(20); }, 0},
        {"truncated picture", [] { return Ico().left(IcoPicture + 100); }, 0},
        {"huge count", [] { return Ico([](QByteArray &b) { Put16(b, 4, 0xFFFF); }); }, 1},
        {"zero count", [] { return Ico([](QByteArray &b) { Put16(b, 4, 0); }); }, 0},
        {"offset past the end", [] { return Ico([](QByteArray &b) { Put32(b, IcoOffset, 0xFFFFFFF0u); }); }, 0},
        {"zero length", [] { return Ico([](QByteArray &b) { Put32(b, IcoLength, 0); }); }, 0},
        {"length short of the picture", [] { return Ico([](QByteArray &b) { Put32(b, IcoLength, 100); }); }, 0},
        {"huge length", [] { return Ico([](QByteArray &b) { Put32(b, IcoLength, 0xFFFFFFFFu); }); }, 1},
        {"picture is the directory", [] { return Ico([](QByteArray &b) { Put32(b, IcoOffset, 0); }); }, 0},
        {"huge width", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture + 4, 0x7FFFFFFF); }); }, 0},
        {"negative height", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture + 8, 0xFFFFFFC0u); }); }, 0},
        {"odd height", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture + 8, 63); }); }, 0},
        {"header size", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture, 12); }); }, 0},
        {"16 bits", [] { return Ico([](QByteArray &b) { Put16(b, IcoPicture + 14, 16); }); }, 0},
        {"compressed", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture + 16, 2); }); }, 0},
        {"too many colours", [] { return Ico([](QByteArray &b) { Put32(b, IcoPicture + 32, 17); }); }, 0},
        {"png too wide", [] {
             QByteArray b = MakeIco({{32, 32, Red, true}});
             Put32(b, IcoPicture + 16, 0x00100000); // big-endian width 4096
             return b;
         }, 0},
        {"png cut after its signature", [] { return MakeIco({{32, 32, Red, true}}).left(IcoPicture + 10); }, 0},
    };
    RunBroken(cases, std::size(cases));
}

QByteArray Ne(const std::function<void(QByteArray &)> &change)
{
    QByteArray b = MakeNe({{{32, 4, Red}}, {{32, 8, Green}}});
    change(b);
    return b;
}

// With two icons: RT_ICON NAMEINFOs at 0x8A and 0x96, the RT_GROUP_ICON
// TYPEINFO at 0xA2 and its NAMEINFOs at 0xAA and 0xB6.
constexpr int NeGroupType = NeFirstName + 2 * 12;
constexpr int NeFirstGroup = NeGroupType + 8;

TEST(IconFileTest, MalformedNeFiles)
{
    const Broken cases[] = {
        {"sound", [] { return Ne([](QByteArray &) {}); }, 2},
        {"cut in the MZ stub", [] { return Ne([](QByteArray &b) { b.truncate(0x3E); }); }, 0},
        {"new header past the end", [] { return Ne([](QByteArray &b) { Put32(b, 0x3C, 0x7FFFFFF0); }); }, 0},
        {"not NE", [] { return Ne([](QByteArray &b) { b[NeHeader] = 'X'; }); }, 0},
        {"LE executable", [] { return Ne([](QByteArray &b) { b[NeHeader] = 'L'; b[NeHeader + 1] = 'E'; }); }, 0},
        {"no resource table", [] { return Ne([](QByteArray &b) { Put16(b, NeHeader + 0x24, 0); }); }, 0},
        {"resource table past the end", [] { return Ne([](QByteArray &b) { Put16(b, NeHeader + 0x24, 0xFFF0); }); }, 0},
        {"huge alignment shift", [] { return Ne([](QByteArray &b) { Put16(b, NeTable, 40); }); }, 0},
        {"cut in the table", [] { return Ne([](QByteArray &b) { b.truncate(NeFirstGroup + 4); }); }, 0},
        {"no terminating type", [] { return Ne([](QByteArray &b) { b.truncate(NeFirstGroup + 24); }); }, 0},
        {"huge resource count", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstType + 2, 0xFFFF); }); }, 0},
        {"group past the end", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstGroup, 0xFFFF); }); }, 1},
        {"zero-length groups", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstGroup + 2, 0); Put16(b, NeFirstGroup + 14, 0); }); }, 0},
        {"zero-length icon", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstName + 2, 0); }); }, 1},
        {"icon past the end", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstName + 12, 0xFFFF); }); }, 1},
        {"icons are the table", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstName, NeTable >> 4); Put16(b, NeFirstName + 12, NeTable >> 4); }); }, 0},
        {"group names a missing icon", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstName + 6, 0x8009); }); }, 1},
        {"icon with a named id", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstName + 18, 0x0040); }); }, 1},
        {"types swapped", [] { return Ne([](QByteArray &b) { Put16(b, NeFirstType, 0x800E); Put16(b, NeGroupType, 0x8003); }); }, 0},
    };
    RunBroken(cases, std::size(cases));
}

QByteArray Pe(const std::function<void(QByteArray &)> &change)
{
    QByteArray b = MakePe({{{32, 4, Red}}, {{32, 8, Green}}});
    change(b);
    return b;
}

// With two icons and PE32 headers: the section header at 0x138; in the tree
// the root's entries at 0x410 (type 3) and 0x418 (type 14), the RT_ICON
// directory at 0x420, the RT_GROUP_ICON directory at 0x440, the language
// directories from 0x460 and the data entries from 0x4C0.
constexpr int PeSection = PeOptional + 224;
constexpr int PeIconDir = PeTree + 32;
constexpr int PeGroupDir = PeTree + 64;
constexpr int PeLanguages = PeTree + 96;
constexpr int PeDataEntries = PeTree + 192;

TEST(IconFileTest, MalformedPeFiles)
{
    const Broken cases[] = {
        {"sound", [] { return Pe([](QByteArray &) {}); }, 2},
        {"cut in the headers", [] { return Pe([](QByteArray &b) { b.truncate(PeOptional + 50); }); }, 0},
        {"cut in the section table", [] { return Pe([](QByteArray &b) { b.truncate(PeSection + 20); }); }, 0},
        {"cut in the tree", [] { return Pe([](QByteArray &b) { b.truncate(PeIconDir + 20); }); }, 0},
        {"unknown optional header", [] { return Pe([](QByteArray &b) { Put16(b, PeOptional, 0x107); }); }, 0},
        {"two data directories", [] { return Pe([](QByteArray &b) { Put32(b, PeOptional + 92, 2); }); }, 0},
        {"optional header too small", [] { return Pe([](QByteArray &b) { Put16(b, PeHeader + 20, 100); }); }, 0},
        {"huge section count", [] { return Pe([](QByteArray &b) { Put16(b, PeHeader + 6, 0xFFFF); }); }, 0},
        {"no sections", [] { return Pe([](QByteArray &b) { Put16(b, PeHeader + 6, 0); }); }, 0},
        {"section past the end", [] { return Pe([](QByteArray &b) { Put32(b, PeSection + 20, 0xFFFFFF00u); }); }, 0},
        {"huge raw size", [] { return Pe([](QByteArray &b) { Put32(b, PeSection + 16, 0xFFFFFFFFu); Put32(b, PeSection + 8, 0xFFFFFFFFu); }); }, 2},
        {"tree outside every section", [] { return Pe([](QByteArray &b) { Put32(b, PeOptional + 96 + 16, 0x90000); }); }, 0},
        {"huge type count", [] { return Pe([](QByteArray &b) { Put16(b, PeTree + 14, 0xFFFF); }); }, 0},
        {"type entry points at data", [] { return Pe([](QByteArray &b) { Put32(b, PeTree + 0x1C, 0x38); }); }, 0},
        {"group directory is the root", [] { return Pe([](QByteArray &b) { Put32(b, PeTree + 0x1C, 0x80000000u); }); }, 0},
        {"language directory loops to itself", [] { return Pe([](QByteArray &b) { Put32(b, PeLanguages + 20, 0x80000000u | (PeLanguages - PeTree)); }); }, 1},
        {"language directory is the root", [] { return Pe([](QByteArray &b) { Put32(b, PeGroupDir + 20, 0x80000000u); }); }, 1},
        {"data entry past the end", [] { return Pe([](QByteArray &b) { Put32(b, PeLanguages + 20, 0x7FFFFFF0); }); }, 1},
        {"data RVA past the end", [] { return Pe([](QByteArray &b) { Put32(b, PeDataEntries, 0x7FFFFFF0); }); }, 1},
        {"zero-length data", [] { return Pe([](QByteArray &b) { Put32(b, PeDataEntries + 4, 0); }); }, 1},
        {"huge data length", [] { return Pe([](QByteArray &b) { Put32(b, PeDataEntries + 4, 0xFFFFFFFFu); }); }, 2},
        {"huge directory count in a group", [] {
             return Pe([](QByteArray &b) {
                 const quint32 rva = Get32(b, PeDataEntries + 2 * 16);
                 Put16(b, int(rva - PeTreeRva) + PeTree + 4, 0xFFFF);
             });
         }, 2},
    };
    RunBroken(cases, std::size(cases));
}

// Files kept from fuzzing and other broken files: none may crash the reader.
TEST(IconFileTest, CommittedBrokenFiles)
{
    const QDir dir(QStringLiteral(QL_ICON_ERRORS_DIR));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const IconFile file(dir.filePath(name));
        EXPECT_GE(file.count(), 0);
        ExpectHandled(file);
    }
}

// ---- The shipped libraries --------------------------------------------------

TEST(IconFileTest, ShippedLibrariesHoldDecodableIcons)
{
    const QDir folder(ql::IconLibraryFolder());
    ASSERT_EQ(ql::ShippedIconLibraries().size(), 5);
    for (const ql::IconLibrary &library : ql::ShippedIconLibraries()) {
        SCOPED_TRACE(library.fileName.toStdString());
        const IconFile file(folder.filePath(library.fileName));
        EXPECT_GE(file.count(), 30);
        EXPECT_LE(file.count(), 60);
        for (int i = 0; i < file.count(); ++i) {
            SCOPED_TRACE(i);
            const QImage image = file.icon(i);
            ASSERT_EQ(image.size(), QSize(32, 32));
            // Each icon has a transparent background and a visible picture.
            int transparent = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x)
                    transparent += qAlpha(image.pixel(x, y)) == 0;
            }
            EXPECT_GT(transparent, 0);
            EXPECT_LT(transparent, 32 * 32 - 64);
            EXPECT_EQ(file.icon(i, 16).size(), QSize(16, 16));
        }
    }
}

} // namespace
