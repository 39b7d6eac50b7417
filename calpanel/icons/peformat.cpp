#include "iconformats.h"

#include <QVector>

namespace ql {

namespace {

// The parts of a PE file (32-bit PE32 or 64-bit PE32+ program or DLL) that
// lead to its icons. The u32 at 0x3C of the MZ stub points at "PE\0\0",
// followed by:
//
//   COFF header (20 bytes)   +2 u16 number of sections
//                            +16 u16 size of the optional header
//   optional header          +0 u16 magic: 0x10B (PE32) or 0x20B (PE32+)
//                            data directories (8 bytes each: u32 RVA, u32 size)
//                            from +96 (PE32) or +112 (PE32+), their number at
//                            +92 or +108; entry 2 is the resource directory
//   section table            40 bytes per section, right after the optional
//                            header: +8 u32 virtual size, +12 u32 virtual
//                            address, +16 u32 size of raw data, +20 u32 file
//                            offset of raw data
//
// The resource tree lives in a section, addressed by RVA (relative virtual
// address). Its directories have three levels, type -> name -> language:
//
//   IMAGE_RESOURCE_DIRECTORY  16 bytes: +12 u16 named entries, +14 u16 id entries
//   entries                   8 bytes each, named ones first:
//                             +0 u32 name or id (high bit: name offset)
//                             +4 u32 offset (high bit: a subdirectory, else a
//                             data entry), relative to the tree's start
//   IMAGE_RESOURCE_DATA_ENTRY +0 u32 RVA of the data, +4 u32 size
//
// Icons are the resources of type 14 (RT_GROUP_ICON) in directory order; their
// directories name type 3 (RT_ICON) resources by integer id. Only three levels
// are ever walked, so a subdirectory that points back up cannot loop.
constexpr quint32 RtIcon = 3;
constexpr quint32 RtGroupIcon = 14;
constexpr quint32 HighBit = 0x80000000u;
constexpr quint64 CoffHeaderSize = 20;
constexpr quint64 SectionHeaderSize = 40;
constexpr quint32 MaxSections = 96; // the loader's own limit
constexpr quint32 ResourceDirectoryIndex = 2;

struct Section
{
    quint64 virtualAddress = 0;
    quint64 virtualSize = 0;
    quint64 rawOffset = 0;
    quint64 rawSize = 0;
};

class PeReader
{
public:
    PeReader(const ByteReader &file) : m_file(file) {}

    bool readHeaders(quint32 peOffset);
    QVector<IconGroup> readIcons();

private:
    // The file bytes of [rva, rva + length), cut at the end of their section.
    bool mapRva(quint64 rva, quint64 length, ResourceSpan &span) const;
    // The entries of the directory at offset (relative to the tree): their
    // count, and where they start, or false when they are not all there.
    bool directory(quint64 offset, quint32 &count, quint64 &entries);
    // The bytes of the first language of a resource whose entry points at
    // the subdirectory at offset.
    bool firstLanguage(quint32 entryOffset, ResourceSpan &span);

    const ByteReader &m_file;
    QVector<Section> m_sections;
    ByteReader m_tree;
    int m_entriesSeen = 0;
};

bool PeReader::readHeaders(quint32 peOffset)
{
    const quint64 coff = quint64(peOffset) + 4;
    quint32 sectionCount = 0, optionalSize = 0, magic = 0;
    if (!m_file.u16(coff + 2, sectionCount) || !m_file.u16(coff + 16, optionalSize))
        return false;
    const quint64 optional = coff + CoffHeaderSize;
    if (!m_file.u16(optional, magic))
        return false;
    quint64 directoryCountAt = 0;
    if (magic == 0x10B)
        directoryCountAt = 92;
    else if (magic == 0x20B)
        directoryCountAt = 108;
    else
        return false;
    quint32 directoryCount = 0, treeRva = 0, treeSize = 0;
    const quint64 resourceEntry = directoryCountAt + 4 + 8 * ResourceDirectoryIndex;
    if (!m_file.u32(optional + directoryCountAt, directoryCount) ||
        directoryCount <= ResourceDirectoryIndex || resourceEntry + 8 > optionalSize ||
        !m_file.u32(optional + resourceEntry, treeRva) ||
        !m_file.u32(optional + resourceEntry + 4, treeSize) || treeRva == 0 || treeSize == 0)
        return false;

    const quint64 table = optional + optionalSize;
    if (sectionCount > MaxSections || !m_file.contains(table, sectionCount * SectionHeaderSize))
        return false;
    for (quint32 i = 0; i < sectionCount; ++i) {
        const quint64 at = table + SectionHeaderSize * i;
        quint32 virtualSize = 0, virtualAddress = 0, rawSize = 0, rawOffset = 0;
        m_file.u32(at + 8, virtualSize); // inside the range checked above
        m_file.u32(at + 12, virtualAddress);
        m_file.u32(at + 16, rawSize);
        m_file.u32(at + 20, rawOffset);
        m_sections.append({virtualAddress, virtualSize, rawOffset, rawSize});
    }

    // The tree may be larger than the directory entry says (some linkers write
    // only the directories' size), so it reaches to the end of its section.
    ResourceSpan tree;
    if (!mapRva(treeRva, ~quint64(0), tree))
        return false;
    m_tree = m_file.slice(tree.offset, tree.length);
    return true;
}

bool PeReader::mapRva(quint64 rva, quint64 length, ResourceSpan &span) const
{
    for (const Section &s : m_sections) {
        const quint64 extent = qMax(s.virtualSize, s.rawSize);
        if (rva < s.virtualAddress || rva - s.virtualAddress >= extent)
            continue;
        const quint64 into = rva - s.virtualAddress;
        // Bytes past the raw data exist only in memory (zero-filled).
        if (into >= s.rawSize || !m_file.contains(s.rawOffset + into, 1))
            return false;
        const quint64 rawLeft = s.rawSize - into;
        const quint64 fileLeft = static_cast<quint64>(m_file.size()) - (s.rawOffset + into);
        span = {s.rawOffset + into, qMin(length, qMin(rawLeft, fileLeft))};
        return true;
    }
    return false;
}

bool PeReader::directory(quint64 offset, quint32 &count, quint64 &entries)
{
    quint32 named = 0, ids = 0;
    if (!m_tree.u16(offset + 12, named) || !m_tree.u16(offset + 14, ids))
        return false;
    count = named + ids;
    entries = offset + 16;
    m_entriesSeen += static_cast<int>(count);
    return m_entriesSeen <= MaxResourceEntries && m_tree.contains(entries, 8 * quint64(count));
}

bool PeReader::firstLanguage(quint32 entryOffset, ResourceSpan &span)
{
    if (!(entryOffset & HighBit))
        return false; // a resource's entry must lead to its languages
    quint32 count = 0;
    quint64 entries = 0;
    if (!directory(entryOffset & ~HighBit, count, entries))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        quint32 target = 0, rva = 0, size = 0;
        m_tree.u32(entries + 8 * i + 4, target);
        if (target & HighBit)
            continue; // a fourth level: not a resource's data
        if (!m_tree.u32(target, rva) || !m_tree.u32(quint64(target) + 4, size))
            return false;
        return size > 0 && mapRva(rva, size, span);
    }
    return false;
}

QVector<IconGroup> PeReader::readIcons()
{
    quint32 typeCount = 0;
    quint64 types = 0;
    if (!directory(0, typeCount, types))
        return {};
    quint32 groupDir = 0, iconDir = 0; // subdirectory offsets, high bit set
    for (quint32 i = 0; i < typeCount; ++i) {
        quint32 id = 0, target = 0;
        m_tree.u32(types + 8 * i, id);
        m_tree.u32(types + 8 * i + 4, target);
        if (!(target & HighBit))
            continue;
        if (id == RtGroupIcon && !groupDir)
            groupDir = target;
        else if (id == RtIcon && !iconDir)
            iconDir = target;
    }
    if (!groupDir || !iconDir)
        return {};

    QHash<quint32, ResourceSpan> iconsById;
    quint32 count = 0;
    quint64 entries = 0;
    if (!directory(iconDir & ~HighBit, count, entries))
        return {};
    for (quint32 i = 0; i < count; ++i) {
        quint32 id = 0, target = 0;
        m_tree.u32(entries + 8 * i, id);
        m_tree.u32(entries + 8 * i + 4, target);
        ResourceSpan span;
        if (!(id & HighBit) && !iconsById.contains(id) && firstLanguage(target, span))
            iconsById.insert(id, span);
    }

    if (!directory(groupDir & ~HighBit, count, entries))
        return {};
    QVector<IconGroup> icons;
    for (quint32 i = 0; i < count && icons.size() < MaxIconGroups; ++i) {
        quint32 target = 0;
        m_tree.u32(entries + 8 * i + 4, target);
        ResourceSpan span;
        if (!firstLanguage(target, span))
            continue;
        IconGroup group = ReadGroupDirectory(m_file, span, iconsById);
        if (!group.isEmpty())
            icons.append(group);
    }
    return icons;
}

} // namespace

QVector<IconGroup> ReadPeGroups(const ByteReader &file, quint32 peOffset)
{
    PeReader reader(file);
    if (!reader.readHeaders(peOffset))
        return {};
    return reader.readIcons();
}

} // namespace ql
