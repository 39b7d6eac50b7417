#include "iconformats.h"

namespace ql {

// An .ico file holds one icon in several pictures (sizes and colour depths):
//
//   ICONDIR        +0 u16 reserved = 0   +2 u16 type = 1 (2 would be a cursor)
//                  +4 u16 count of pictures
//   ICONDIRENTRY   16 bytes each, from +6:
//                  +0 u8 width  +1 u8 height  +2 u8 colours  +3 u8 reserved
//                  +4 u16 planes  +6 u16 bit count
//                  +8 u32 bytes of the picture  +12 u32 offset of the picture
//   pictures       anywhere after the directory (see InspectIconImage)
//
// The system counts an .ico file as one icon, whatever number of pictures it
// has, so the whole file is one group. Pictures whose bytes are not all there
// are left out; a file left without pictures holds no icon.
QVector<IconGroup> ReadIcoGroups(const ByteReader &file)
{
    constexpr quint64 DirSize = 6;
    constexpr quint64 EntrySize = 16;
    quint32 reserved = 0, type = 0, count = 0;
    if (!file.u16(0, reserved) || !file.u16(2, type) || !file.u16(4, count) || reserved != 0 ||
        type != 1)
        return {};
    count = qMin<quint32>(count, MaxImagesPerGroup);
    IconGroup group;
    for (quint32 i = 0; i < count; ++i) {
        const quint64 entry = DirSize + EntrySize * i;
        quint32 length = 0, offset = 0;
        if (!file.u32(entry + 8, length) || !file.u32(entry + 12, offset))
            break;
        IconImage image;
        if (InspectIconImage(file, offset, length, image))
            group.append(image);
    }
    if (group.isEmpty())
        return {};
    return {group};
}

} // namespace ql
