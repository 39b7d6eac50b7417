#pragma once

#include "bytereader.h"

#include <QByteArray>
#include <QHash>
#include <QVector>

// The pieces shared by the readers of the three kinds of icon file (.ico
// files, 16-bit NE icon libraries and 32/64-bit PE programs). Each reader
// turns a file into a list of icon groups; IconFile puts them behind one
// interface.
namespace ql {

// What the readers accept at most, whatever a file claims, so that a broken or
// hostile file costs little memory and time.
constexpr int MaxIconGroups = 4096;        // icons listed from one file
constexpr int MaxImagesPerGroup = 64;      // pictures looked at in one icon
constexpr int MaxResourceEntries = 65536;  // resource entries looked at in one file
constexpr quint32 MaxIconImageBytes = 1u << 20; // bytes of one picture
constexpr int MaxIconDimension = 256;      // the widest and tallest picture

// One picture of an icon: where its bytes lie in the file and what its header
// says. Only pictures whose bytes all lie inside the file and whose header the
// ICO decoder can take are ever recorded.
struct IconImage
{
    quint32 offset = 0; // in the file
    quint32 length = 0; // the bytes the picture occupies, header included
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool png = false;

    bool operator==(const IconImage &o) const
    {
        return offset == o.offset && length == o.length && width == o.width &&
               height == o.height && bitCount == o.bitCount && png == o.png;
    }
};

// The pictures of one icon, in the order of its directory; never empty.
using IconGroup = QVector<IconImage>;

// A resource's bytes in the file.
struct ResourceSpan
{
    quint64 offset = 0;
    quint64 length = 0;

    bool operator==(const ResourceSpan &o) const { return offset == o.offset && length == o.length; }
};

// Checks the picture stored at [offset, offset + length) of the file: a DIB
// (BITMAPINFOHEADER, colour table, XOR bitmap, AND mask) or a PNG stream.
// Fills image and returns true when it is sound.
bool InspectIconImage(const ByteReader &file, quint64 offset, quint64 length, IconImage &image);

// Reads a group icon resource (GRPICONDIR) whose entries name RT_ICON
// resources by id; iconsById maps those ids to the resources' bytes.
IconGroup ReadGroupDirectory(const ByteReader &file, const ResourceSpan &group,
                             const QHash<quint32, ResourceSpan> &iconsById);

// The icon groups of each kind of file; an empty list when the file is not of
// that kind or is malformed.
QVector<IconGroup> ReadIcoGroups(const ByteReader &file);
QVector<IconGroup> ReadNeGroups(const ByteReader &file, quint32 neOffset);
QVector<IconGroup> ReadPeGroups(const ByteReader &file, quint32 peOffset);

// Writes the given pictures of the file as a stand-alone .ico file, with
// directory entries made from the pictures' own headers.
QByteArray BuildIcoFile(const ByteReader &file, const IconGroup &images);

} // namespace ql
