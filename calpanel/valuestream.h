#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace ql {

// The typed value stream of calendar files and style sheets. Every value
// starts with a one-byte tag; numbers are little-endian two's complement:
//
//   00 end of list            01 start of list
//   02 int8   (1 byte)        03 int16 (2 bytes)       04 int32 (4 bytes)
//   06 string (1-byte length L, then L bytes)
//   08 false                  09 true
//   0A binary (4-byte length N, then N bytes)
//   0C long string (4-byte length L, then L bytes)
//
// Integers take the smallest of 02/03/04 that holds them; strings take 06 up
// to 255 bytes and 0C beyond. Strings are Windows-1252; a string that
// Windows-1252 cannot hold is written as UTF-8 behind a byte-order mark so
// that nothing typed is lost.
enum ValueTag : std::uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaString = 0x06,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaLString = 0x0C,
};

class ValueWriter
{
public:
    void writeListStart() { m_data.append(char(vaList)); }
    void writeListEnd() { m_data.append(char(vaNull)); }
    void writeInteger(std::int32_t value);
    void writeString(const QString &value);
    void writeBoolean(bool value) { m_data.append(char(value ? vaTrue : vaFalse)); }
    void writeBinary(const QByteArray &data);
    // An untagged length byte and up to 255 bytes.
    void writeShortName(const QByteArray &name);
    void writeRaw(const QByteArray &bytes) { m_data.append(bytes); }

    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

// Reads a value stream, checking every tag and every length against what is
// left. Anything that does not fit throws ql::Error. Byte arrays it returns
// share the input's memory: they are valid while the input is.
class ValueReader
{
public:
    explicit ValueReader(const QByteArray &data) : m_data(data) {}

    void readListStart();
    void readListEnd();
    std::int32_t readInteger();
    QString readString();
    // True only for the byte 09; any other byte reads as false and only that
    // byte is consumed.
    bool readBoolean();
    QByteArray readBinary();
    QByteArray readShortName();
    QByteArray readRaw(int count);
    std::uint8_t peekByte() const;
    bool atEnd() const { return m_pos >= m_data.size(); }
    qsizetype position() const { return m_pos; }

private:
    std::uint8_t byte();
    std::uint32_t le(int bytes);
    void need(qsizetype count) const;

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

} // namespace ql
