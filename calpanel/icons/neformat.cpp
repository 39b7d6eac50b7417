#include "iconformats.h"

#include <QVector>

namespace ql {

namespace {

constexpr quint32 NeResourceTableOffset = 0x24; // in the NE header
constexpr quint32 RtIcon = 0x8003;
constexpr quint32 RtGroupIcon = 0x800E;
constexpr quint32 IntegerId = 0x8000;
constexpr quint64 TypeInfoSize = 8;
constexpr quint64 NameInfoSize = 12;
// With a larger unit every resource but one at offset 0 would lie past 4 GiB.
constexpr quint32 MaxAlignShift = 16;

} // namespace

// A 16-bit Windows executable (an .icl icon library is one that holds nothing
// but resources) starts with an MZ stub whose u32 at 0x3C points at the NE
// header. The NE header's u16 at +0x24 is the offset of the resource table,
// counted from the NE header:
//
//   u16 alignment shift: offsets and lengths below are in units of 1 << shift
//   TYPEINFO, repeated until a type id of 0:
//     +0 u16 type id (0x8000 | n for the integer type n, else a name offset)
//     +2 u16 count   +4 u32 reserved
//     count NAMEINFO records of 12 bytes:
//       +0 u16 offset (units)  +2 u16 length (units)  +4 u16 flags
//       +6 u16 id (0x8000 | n for the integer id n, else a name offset)
//       +8 u16 handle  +10 u16 usage (both zero in a file)
//   u16 0, then the names as length-prefixed strings
//
// Icons are RT_GROUP_ICON (0x800E) resources, listed in table order; their
// directories name RT_ICON (0x8003) resources by their integer id. Lengths are
// rounded up to the alignment unit, so the last resource may reach past the
// end of a file that was not padded: such a span is cut at the end of the file
// and the picture's own header decides whether enough of it is there.
QVector<IconGroup> ReadNeGroups(const ByteReader &file, quint32 neOffset)
{
    quint32 tableOffset = 0;
    if (!file.u16(quint64(neOffset) + NeResourceTableOffset, tableOffset) || tableOffset == 0)
        return {};
    const quint64 table = quint64(neOffset) + tableOffset;
    quint32 shift = 0;
    if (!file.u16(table, shift) || shift > MaxAlignShift)
        return {};

    QVector<ResourceSpan> groups;
    QHash<quint32, ResourceSpan> iconsById;
    quint64 pos = table + 2;
    int entriesSeen = 0;
    for (;;) {
        quint32 type = 0, count = 0;
        if (!file.u16(pos, type))
            return {}; // the table runs off the end of the file
        if (type == 0)
            break;
        if (!file.u16(pos + 2, count) || !file.contains(pos + TypeInfoSize, count * NameInfoSize))
            return {};
        entriesSeen += static_cast<int>(count);
        if (entriesSeen > MaxResourceEntries)
            return {};
        pos += TypeInfoSize;
        for (quint32 i = 0; i < count; ++i, pos += NameInfoSize) {
            if (type != RtIcon && type != RtGroupIcon)
                continue;
            quint32 offset = 0, length = 0, id = 0;
            file.u16(pos, offset); // inside the range checked above
            file.u16(pos + 2, length);
            file.u16(pos + 6, id);
            const ResourceSpan span{quint64(offset) << shift, quint64(length) << shift};
            if (type == RtGroupIcon) {
                if (groups.size() < MaxIconGroups)
                    groups.append(span);
            } else if ((id & IntegerId) && !iconsById.contains(id & ~IntegerId)) {
                iconsById.insert(id & ~IntegerId, span);
            }
        }
    }

    QVector<IconGroup> icons;
    for (const ResourceSpan &span : groups) {
        IconGroup group = ReadGroupDirectory(file, span, iconsById);
        if (!group.isEmpty())
            icons.append(group);
    }
    return icons;
}

} // namespace ql
