#pragma once

#include <QtGlobal>

#include <cstdint>

namespace ql {

// A read-only window on bytes that answers every little-endian read with a
// bounds check. Offsets are 64-bit so that sums of two 32-bit values read from
// a file cannot wrap around; a read past the end yields false and leaves the
// value untouched, so a reader can test and read in one step.
class ByteReader
{
public:
    ByteReader() = default;
    ByteReader(const uchar *data, qint64 size) : m_data(data), m_size(data ? size : 0) {}

    qint64 size() const { return m_size; }
    const uchar *data() const { return m_data; }

    // True when [offset, offset + length) lies inside the bytes.
    bool contains(quint64 offset, quint64 length) const
    {
        const auto size = static_cast<quint64>(m_size);
        return offset <= size && length <= size - offset;
    }

    // The bytes from offset on, at most length of them (fewer at the end).
    ByteReader slice(quint64 offset, quint64 length) const
    {
        if (!contains(offset, 0))
            return {};
        const quint64 left = static_cast<quint64>(m_size) - offset;
        return ByteReader(m_data + offset, static_cast<qint64>(qMin(left, length)));
    }

    bool u8(quint64 offset, quint32 &value) const
    {
        if (!contains(offset, 1))
            return false;
        value = m_data[offset];
        return true;
    }
    bool u16(quint64 offset, quint32 &value) const
    {
        if (!contains(offset, 2))
            return false;
        value = quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8;
        return true;
    }
    bool u32(quint64 offset, quint32 &value) const
    {
        if (!contains(offset, 4))
            return false;
        value = quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8 |
                quint32(m_data[offset + 2]) << 16 | quint32(m_data[offset + 3]) << 24;
        return true;
    }
    bool i32(quint64 offset, qint32 &value) const
    {
        quint32 raw = 0;
        if (!u32(offset, raw))
            return false;
        value = static_cast<qint32>(raw);
        return true;
    }
    bool u32be(quint64 offset, quint32 &value) const
    {
        if (!contains(offset, 4))
            return false;
        value = quint32(m_data[offset]) << 24 | quint32(m_data[offset + 1]) << 16 |
                quint32(m_data[offset + 2]) << 8 | quint32(m_data[offset + 3]);
        return true;
    }
    // True when the bytes at offset are exactly those of text (length bytes).
    bool matches(quint64 offset, const char *text, quint64 length) const
    {
        if (!contains(offset, length))
            return false;
        for (quint64 i = 0; i < length; ++i) {
            if (m_data[offset + i] != static_cast<uchar>(text[i]))
                return false;
        }
        return true;
    }

private:
    const uchar *m_data = nullptr;
    qint64 m_size = 0;
};

} // namespace ql
