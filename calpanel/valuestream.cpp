#include "valuestream.h"

#include "codepage.h"
#include "error.h"

namespace ql {

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

QByteArray encodeText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const int b = CodePage::toWindows1252(ch.unicode());
        if (b < 0)
            return QByteArray(kUtf8Bom) + text.toUtf8();
        out.append(char(b));
    }
    return out;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.mid(3));
    return CodePage::decode(bytes, CodePage::Windows1252);
}

void appendLe(QByteArray &out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

[[noreturn]] void fail(const char *what)
{
    throw Error(QString::fromLatin1(what));
}

} // namespace

void ValueWriter::writeInteger(std::int32_t v)
{
    if (v >= -128 && v <= 127) {
        m_data.append(char(vaInt8));
        appendLe(m_data, static_cast<std::uint32_t>(v), 1);
    } else if (v >= -32768 && v <= 32767) {
        m_data.append(char(vaInt16));
        appendLe(m_data, static_cast<std::uint32_t>(v), 2);
    } else {
        m_data.append(char(vaInt32));
        appendLe(m_data, static_cast<std::uint32_t>(v), 4);
    }
}

void ValueWriter::writeString(const QString &value)
{
    const QByteArray bytes = encodeText(value);
    if (bytes.size() <= 255) {
        m_data.append(char(vaString));
        m_data.append(char(bytes.size()));
    } else {
        m_data.append(char(vaLString));
        appendLe(m_data, static_cast<std::uint32_t>(bytes.size()), 4);
    }
    m_data.append(bytes);
}

void ValueWriter::writeBinary(const QByteArray &data)
{
    m_data.append(char(vaBinary));
    appendLe(m_data, static_cast<std::uint32_t>(data.size()), 4);
    m_data.append(data);
}

void ValueWriter::writeShortName(const QByteArray &name)
{
    const QByteArray n = name.left(255);
    m_data.append(char(n.size()));
    m_data.append(n);
}

void ValueReader::need(qsizetype count) const
{
    if (count < 0 || m_data.size() - m_pos < count)
        fail("The file ends too early.");
}

std::uint8_t ValueReader::byte()
{
    need(1);
    return static_cast<std::uint8_t>(m_data[m_pos++]);
}

std::uint8_t ValueReader::peekByte() const
{
    need(1);
    return static_cast<std::uint8_t>(m_data[m_pos]);
}

std::uint32_t ValueReader::le(int bytes)
{
    need(bytes);
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= std::uint32_t(static_cast<std::uint8_t>(m_data[m_pos + i])) << (8 * i);
    m_pos += bytes;
    return v;
}

void ValueReader::readListStart()
{
    if (byte() != vaList)
        fail("A list was expected.");
}

void ValueReader::readListEnd()
{
    if (byte() != vaNull)
        fail("The end of a list was expected.");
}

std::int32_t ValueReader::readInteger()
{
    switch (byte()) {
    case vaInt8:
        return static_cast<std::int8_t>(le(1));
    case vaInt16:
        return static_cast<std::int16_t>(le(2));
    case vaInt32:
        return static_cast<std::int32_t>(le(4));
    default:
        fail("A number was expected.");
    }
}

QString ValueReader::readString()
{
    qsizetype length = 0;
    switch (byte()) {
    case vaString:
        length = le(1);
        break;
    case vaLString:
        length = le(4);
        break;
    default:
        fail("A text was expected.");
    }
    return decodeText(readRaw(static_cast<int>(std::min<qsizetype>(length, m_data.size() + 1))));
}

bool ValueReader::readBoolean()
{
    return byte() == vaTrue;
}

QByteArray ValueReader::readBinary()
{
    if (byte() != vaBinary)
        fail("Binary data was expected.");
    const std::uint32_t length = le(4);
    need(static_cast<qsizetype>(length));
    return readRaw(static_cast<int>(length));
}

QByteArray ValueReader::readShortName()
{
    return readRaw(byte());
}

QByteArray ValueReader::readRaw(int count)
{
    need(count);
    // A view into the input, not a copy: the reader's input outlives what it
    // hands out while a file is being read, and cell texts can be large.
    const QByteArray out = QByteArray::fromRawData(m_data.constData() + m_pos, count);
    m_pos += count;
    return out;
}

} // namespace ql
