#include "inifile.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstdint>
#include <limits>
#include <vector>

namespace ql {

namespace {

// Only the first HeadLimit bytes of a line are looked at: enough for any key
// and a value of MaxValueLength characters in UTF-8. The rest of a longer line
// is skipped by reads and copied through untouched by writes, so a file with
// megabyte-long lines or no line breaks at all costs no more memory than this.
constexpr qint64 HeadLimit = 8192;
// Reads stop after this many bytes; no settings file comes near it, and a
// settings path pointing at something endless must not hang the program.
constexpr qint64 ReadLimit = 64 * 1024 * 1024;
// Blank lines at the end of the section being written are held back so that a
// new key lands after the section's last line rather than after its blank
// separator; past this much the new key simply goes after them.
constexpr qsizetype PendingLimit = 64 * 1024;

// Walks the physical lines of a file one head at a time.
class LineReader
{
public:
    // Reading stops, as if at the end of the file, after `limit` bytes.
    explicit LineReader(QIODevice &in, qint64 limit = std::numeric_limits<qint64>::max())
        : m_in(in), m_buffer(HeadLimit + 1, 0), m_limit(limit)
    {
    }

    // Reads the head of the next line: up to HeadLimit bytes, the line break
    // included when the whole line fitted. False at the end or on an error.
    bool next()
    {
        m_head.clear();
        if (!readChunk(m_head))
            return false;
        return true;
    }
    const QByteArray &head() const { return m_head; }
    bool complete() const { return m_complete; }
    bool failed() const { return m_failed; }
    qint64 consumed() const { return m_consumed; }

    // Reads the rest of an over-long line, handing each piece to sink.
    template <typename Sink> bool finish(Sink &&sink)
    {
        QByteArray chunk;
        while (!m_complete) {
            if (!readChunk(chunk))
                return !m_failed;
            sink(chunk);
        }
        return true;
    }
    bool skipRest()
    {
        return finish([](const QByteArray &) {});
    }

private:
    bool readChunk(QByteArray &chunk)
    {
        m_complete = true;
        if (m_in.atEnd() || m_consumed >= m_limit)
            return false;
        const qint64 n = m_in.readLine(m_buffer.data(), HeadLimit + 1);
        if (n <= 0) {
            m_failed = n < 0;
            return false;
        }
        chunk = QByteArray(m_buffer.data(), n);
        m_consumed += n;
        m_complete = chunk.endsWith('\n') || m_in.atEnd();
        return true;
    }

    QIODevice &m_in;
    std::vector<char> m_buffer;
    qint64 m_limit;
    QByteArray m_head;
    bool m_complete = true;
    bool m_failed = false;
    qint64 m_consumed = 0;
};

struct IniLine
{
    enum Kind
    {
        Blank,
        Comment,
        Section,
        Entry,
        Other
    };
    Kind kind = Other;
    QByteArray name;  // section name or key, trimmed
    QByteArray value; // entry value, trimmed
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmedBlanks(QByteArray text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// A head cut off inside a UTF-8 sequence would otherwise fail to decode as a
// whole and fall back to Latin-1.
void dropPartialUtf8Tail(QByteArray &text)
{
    qsizetype n = text.size();
    int continuation = 0;
    while (n > 0 && (static_cast<unsigned char>(text[n - 1]) & 0xC0) == 0x80 && continuation < 3) {
        --n;
        ++continuation;
    }
    if (n > 0 && static_cast<unsigned char>(text[n - 1]) >= 0xC0)
        text.truncate(n - 1);
}

IniLine parseLine(QByteArray text, bool complete, bool firstLine)
{
    if (firstLine && text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    if (!complete)
        dropPartialUtf8Tail(text);
    text = trimmedBlanks(text);

    IniLine line;
    if (text.isEmpty()) {
        line.kind = complete ? IniLine::Blank : IniLine::Other;
    } else if (text[0] == ';' || text[0] == '#') {
        line.kind = IniLine::Comment;
    } else if (text[0] == '[') {
        line.kind = IniLine::Section;
        const qsizetype close = text.indexOf(']');
        line.name = trimmedBlanks(text.mid(1, close < 0 ? -1 : close - 1));
    } else if (const qsizetype eq = text.indexOf('='); eq > 0) {
        line.kind = IniLine::Entry;
        line.name = trimmedBlanks(text.left(eq));
        line.value = trimmedBlanks(text.mid(eq + 1));
    }
    return line;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool sameName(const QByteArray &inFile, const QString &wanted)
{
    return decode(inFile).compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

QString valueText(const QByteArray &raw)
{
    QByteArray bytes = raw;
    if (bytes.size() >= 2 && (bytes.front() == '"' || bytes.front() == '\'') &&
        bytes.back() == bytes.front())
        bytes = bytes.mid(1, bytes.size() - 2);
    QString text = decode(bytes);
    if (text.size() > IniFile::MaxValueLength)
        text.truncate(IniFile::MaxValueLength);
    return text;
}

// Calls visit(line) for each line of the file until it returns false.
template <typename Visit> void scan(const QString &fileName, Visit &&visit)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    LineReader reader(file, ReadLimit);
    bool first = true;
    while (reader.next()) {
        if (!visit(parseLine(reader.head(), reader.complete(), first)))
            return;
        first = false;
        if (!reader.skipRest())
            return;
    }
}

// Finds the first matching key of the first matching section.
bool findValue(const QString &fileName, const QString &section, const QString &key,
               QByteArray &value)
{
    bool inSection = false;
    bool found = false;
    scan(fileName, [&](const IniLine &line) {
        if (line.kind == IniLine::Section) {
            if (inSection)
                return false;
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == IniLine::Entry && sameName(line.name, key)) {
            value = line.value;
            found = true;
            return false;
        }
        return true;
    });
    return found;
}

bool parseInteger(const QString &text, int &result)
{
    QStringView s(text);
    bool negative = false;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    int base = 10;
    if (s.startsWith(u'$')) {
        base = 16;
        s = s.mid(1);
    } else if (s.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return false;
    // Leading zeros are allowed; the value, not the digit count, is limited.
    std::uint64_t magnitude = 0;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (base == 16 && u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (base == 16 && u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        if (digit < 0)
            return false;
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }
    std::int64_t value = 0;
    if (base == 16) {
        // Hexadecimal is a bit pattern: $FFFFFFFF is the colour -1.
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    } else {
        value = static_cast<std::int64_t>(magnitude);
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return false;
    result = static_cast<int>(value);
    return true;
}

enum class Edit
{
    Set,
    DeleteKey,
    EraseSection
};

// Keeps track of what has been written so far: whether the output ends inside
// a line, and whether its last line was blank.
class Output
{
public:
    explicit Output(QSaveFile &file) : m_file(file) {}

    void write(const QByteArray &bytes, bool blankLine)
    {
        if (bytes.isEmpty())
            return;
        // A buffered QSaveFile tells of a full disk only through the count
        // written; committing after a short write would cut the file short.
        if (m_file.write(bytes) != bytes.size())
            m_failed = true;
        m_empty = false;
        m_open = !bytes.endsWith('\n');
        m_lastBlank = blankLine;
    }
    void endLine(const QByteArray &eol)
    {
        if (m_open)
            write(eol, m_lastBlank);
    }
    bool empty() const { return m_empty; }
    bool lastBlank() const { return m_lastBlank; }
    bool failed() const { return m_failed; }

private:
    QSaveFile &m_file;
    bool m_failed = false;
    bool m_empty = true;
    bool m_open = false;
    bool m_lastBlank = true;
};

[[noreturn]] void throwWriteError(const QString &path)
{
    throw Error(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
}

// Streams the file into its replacement, changing only the lines the edit is
// about. Writes `entry` (a complete "key=value" line without its break) for Set.
void rewrite(const QString &fileName, Edit edit, const QString &section, const QString &key,
             const QByteArray &entry)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QFile in(path);
    const bool exists = in.exists();
    if (!exists && edit != Edit::Set)
        return;
    // An existing file that cannot be read must not be replaced by a file
    // holding only the new key.
    if (exists && !in.open(QIODevice::ReadOnly))
        throwWriteError(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throwWriteError(path);
    Output out(file);

    QByteArray eol = "\n";
    bool eolKnown = false;
    bool inTarget = false; // inside the first section of the wanted name
    bool targetSeen = false;
    bool skipping = false; // inside a section being erased
    bool done = false;     // the key was set or deleted
    bool changed = false;
    QByteArray pending;

    auto putEntry = [&] {
        out.endLine(eol);
        out.write(entry + eol, false);
        done = true;
        changed = true;
    };

    LineReader reader(in);
    bool first = true;
    while (exists && reader.next()) {
        const QByteArray &head = reader.head();
        if (!eolKnown && reader.complete() && head.endsWith('\n')) {
            eol = head.endsWith("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
            eolKnown = true;
        }
        const IniLine line = parseLine(head, reader.complete(), first);
        first = false;
        const bool blank = line.kind == IniLine::Blank;

        if (line.kind == IniLine::Section) {
            if (inTarget) {
                if (edit == Edit::Set && !done)
                    putEntry();
                out.write(pending, true);
                pending.clear();
                inTarget = false;
            }
            const bool match = sameName(line.name, section);
            skipping = match && edit == Edit::EraseSection;
            if (skipping) {
                changed = true;
            } else if (match && !targetSeen) {
                inTarget = true;
                targetSeen = true;
            }
        }
        if (skipping) {
            if (!reader.skipRest())
                break;
            continue;
        }
        if (inTarget && !done && line.kind == IniLine::Entry && sameName(line.name, key)) {
            if (edit == Edit::Set) {
                out.write(pending, true);
                pending.clear();
                putEntry();
            } else {
                done = true;
                changed = true;
            }
            if (!reader.skipRest())
                break;
            continue;
        }
        if (inTarget && !done && blank && reader.complete() && pending.size() < PendingLimit) {
            pending += head;
            continue;
        }
        out.write(pending, true);
        pending.clear();
        out.write(head, blank);
        if (!reader.finish([&](const QByteArray &rest) { out.write(rest, blank); }))
            break;
    }
    if (reader.failed() || in.error() != QFileDevice::NoError)
        throwWriteError(path); // the QSaveFile is discarded, the old file stays

    if (edit == Edit::Set && !done) {
        if (!inTarget) {
            out.write(pending, true);
            pending.clear();
            out.endLine(eol);
            if (!out.empty() && !out.lastBlank())
                out.write(eol, true);
            out.write("[" + section.toUtf8() + "]" + eol, false);
        }
        putEntry();
    }
    out.write(pending, true);

    if (!changed)
        return; // nothing to do: the untouched temporary file is discarded
    if (out.failed() || !file.flush() || !file.commit())
        throwWriteError(path);
}

QByteArray entryLine(const QString &key, const QString &value)
{
    // A line break in a value would split it into lines of its own.
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    return key.trimmed().toUtf8() + '=' + oneLine.toUtf8();
}

} // namespace

IniFile::IniFile(const QString &fileName) : m_fileName(fileName) {}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    QByteArray value;
    if (!findValue(m_fileName, section, key, value))
        return defaultValue.left(MaxValueLength);
    return valueText(value);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    QByteArray value;
    int result = defaultValue;
    if (findValue(m_fileName, section, key, value) && parseInteger(valueText(value), result))
        return result;
    return defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const QString &section) const
{
    bool found = false;
    scan(m_fileName, [&](const IniLine &line) {
        found = line.kind == IniLine::Section && sameName(line.name, section);
        return !found;
    });
    return found;
}

QStringList IniFile::sectionKeys(const QString &section) const
{
    QStringList keys;
    bool inSection = false;
    scan(m_fileName, [&](const IniLine &line) {
        if (line.kind == IniLine::Section) {
            if (inSection)
                return false;
            inSection = sameName(line.name, section);
        } else if (inSection && line.kind == IniLine::Entry) {
            keys.append(decode(line.name));
        }
        return keys.size() < MaxSectionKeys;
    });
    return keys;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    rewrite(m_fileName, Edit::Set, section, key, entryLine(key, value));
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString &section)
{
    rewrite(m_fileName, Edit::EraseSection, section, QString(), QByteArray());
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    rewrite(m_fileName, Edit::DeleteKey, section, key, QByteArray());
}

} // namespace ql
