#include "rtfreader.h"

#include "codepage.h"
#include "dibcodec.h"
#include "error.h"
#include "rtfcharformat.h"
#include "wmfpicture.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <vector>

namespace ql {

namespace {

// Control words are compared against long chains of names for every word
// read; a length check first, with the length known when compiling, keeps
// that cheap.
template <size_t N>
bool is(const QByteArray &word, const char (&name)[N])
{
    return word.size() == static_cast<qsizetype>(N - 1) && std::memcmp(word.constData(), name, N - 1) == 0;
}

// RTF in brief: text with control words (\name, an optional signed number,
// an optional space that belongs to the word), control symbols (\ + one
// non-letter; \'hh is a byte in the current code page) and groups in braces
// that scope character and paragraph properties. A group that starts with a
// destination word (\fonttbl, \colortbl, \pict, ...) holds data for that
// destination instead of text; {\* ...} marks a destination a reader may skip
// when it does not know it. \uN is a UTF-16 unit, followed by \ucN fallback
// characters that readers of \u must drop. \binN is followed by N raw bytes.

enum class Dest { Text, Skip, FontTable, ColorTable, Picture };

enum class PictKind { None, Dib, Ddb, Wmf, Png, Jpeg, Unsupported };

// A run's format; font -1 stands for the document's default (\deff) font.
struct CharState : RtfCharFormat
{
    CharState() { font = -1; }
};

struct Group
{
    Dest dest = Dest::Text;
    CharState chr;
    Qt::Alignment align = Qt::AlignLeft;
    int uc = 1;
    bool starred = false;  // the group began with \*
    bool first = true;     // no control word seen yet in this group
};

struct FontEntry
{
    QString name;
    int charsetCodePage = 0;  // from \fcharset; 0: the document's
    int cpg = 0;              // \cpg, which wins over \fcharset

    int codePage() const { return cpg ? cpg : charsetCodePage; }
};

struct Picture
{
    PictKind kind = PictKind::None;
    qint64 picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int bitsPixel = 1, planes = 1, widthBytes = 0;
    QByteArray data;
    int highNibble = -1;
};

// Destinations skipped even without \*: document and style information,
// headers and footers, notes, index entries, field instructions, and the
// picture that is only there for readers that do not know Word's shapes.
bool isSkippedDestination(const QByteArray &w)
{
    static const char *const names[] = {
        "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "annotation", "fldinst", "xe", "tc", "txe", "rxe",
        "comment", "title", "subject", "author", "operator", "keywords", "doccomm", "creatim",
        "revtim", "printim", "buptim", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
        "aftncn", "nonshppict", "template", "private", "listtable", "listoverridetable",
        "rsidtbl", "revtbl", "filetbl", "latentstyles", "datastore", "themedata",
        "colorschememapping", "xmlnstbl", "objdata", "objclass", "objname", "pgdsctbl",
        "generator", "userprops", "background", "shpinst", "fonttbl_alt",
    };
    for (const char *n : names) {
        if (w == n)
            return true;
    }
    return false;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr qint64 kMaxPlaceholderPixels = qint64(1) << 20;

QString uniquePictureName()
{
    static quint64 counter = 0;
    return QStringLiteral("ql-picture-%1").arg(++counter);
}

class Parser
{
public:
    Parser(const QByteArray &rtf, QTextDocument &doc)
        : m_in(rtf.constData()), m_size(rtf.size()), m_doc(doc), m_cursor(&doc)
    {
        m_cursor.movePosition(QTextCursor::End);
    }

    void run();

private:
    Group &top() { return m_groups.back(); }
    Dest dest() const { return m_groups.empty() ? Dest::Skip : m_groups.back().dest; }

    void openGroup();
    void closeGroup();
    void controlWord(const QByteArray &word, bool hasParam, qint64 param);
    void controlSymbol(char c);
    void binary(qint64 length);
    void plainText();
    void textChar(char c);

    void appendText(const QString &s);
    void appendByte(unsigned char b);
    void flushBytes();
    void flushText();
    int codePage() const;
    QTextCharFormat charFormat(const CharState &s) const;
    void paragraph();
    void commitFont();
    void finishPicture();
    QImage decodePicture(QSize &displaySize);
    void finish();

    const char *m_in;
    qint64 m_size;
    qint64 m_pos = 0;
    QTextDocument &m_doc;
    QTextCursor m_cursor;
    std::vector<Group> m_groups;

    int m_docCodePage = CodePage::Windows1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontIndex = -1;
    FontEntry m_font;
    bool m_fontPending = false;
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    Picture m_pict;
    qint64 m_pixelsLeft = RtfReader::kMaxPicturePixels;

    int m_skipChars = 0;  // \uc fallback characters still to drop
    QByteArray m_bytes;   // \'hh bytes awaiting decoding
    int m_bytesCodePage = 0;
    bool m_needTrail = false;

    QString m_text;  // text awaiting insertion in m_textState
    CharState m_textState;
    Qt::Alignment m_lastAlign = Qt::AlignLeft;
    bool m_done = false;
};

void Parser::run()
{
    // Word processors accept leading white space (and a byte-order mark)
    // before the opening brace; anything else is not rich text.
    while (m_pos < m_size && (m_in[m_pos] == ' ' || m_in[m_pos] == '\r' || m_in[m_pos] == '\n'
                              || m_in[m_pos] == '\t'))
        ++m_pos;
    if (m_size - m_pos >= 3 && std::memcmp(m_in + m_pos, "\xEF\xBB\xBF", 3) == 0)
        m_pos += 3;
    if (m_size - m_pos < 5 || std::memcmp(m_in + m_pos, "{\\rtf", 5) != 0)
        throw Error(QStringLiteral("The cell text is not in rich text format (RTF)."));

    while (m_pos < m_size && !m_done) {
        const char c = m_in[m_pos];
        if (c != '\\' && !m_bytes.isEmpty() && !(m_needTrail && c != '{' && c != '}' && c != '\r' && c != '\n'))
            flushBytes();
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\': {
            ++m_pos;
            if (m_pos >= m_size)
                break;
            const char n = m_in[m_pos];
            if (isLetter(n)) {
                const qint64 start = m_pos;
                while (m_pos < m_size && isLetter(m_in[m_pos]))
                    ++m_pos;
                // RTF words are at most 32 letters; longer ones match nothing.
                const QByteArray word(m_in + start, static_cast<qsizetype>(std::min<qint64>(m_pos - start, 33)));
                bool hasParam = false;
                qint64 param = 0;
                bool negative = false;
                if (m_pos + 1 < m_size && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
                    negative = true;
                    ++m_pos;
                }
                while (m_pos < m_size && isDigit(m_in[m_pos])) {
                    hasParam = true;
                    // Saturate: \fs99999999999 is a very large size, not a wrapped one.
                    param = std::min<qint64>(param * 10 + (m_in[m_pos] - '0'), qint64(1) << 32);
                    ++m_pos;
                }
                if (negative)
                    param = -param;
                if (m_pos < m_size && m_in[m_pos] == ' ')
                    ++m_pos;
                if (word != "bin" && word != "u" && !m_bytes.isEmpty())
                    flushBytes();
                controlWord(word, hasParam, param);
            } else {
                ++m_pos;
                if (n != '\'' && !m_bytes.isEmpty())
                    flushBytes();
                controlSymbol(n);
            }
            break;
        }
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            plainText();
            break;
        }
    }
    finish();
}

void Parser::openGroup()
{
    m_skipChars = 0;
    if (static_cast<int>(m_groups.size()) >= RtfReader::kMaxDepth)
        throw Error(QStringLiteral("The cell text is nested too deeply to be read."));
    Group g = m_groups.empty() ? Group() : m_groups.back();
    g.starred = false;
    g.first = true;
    m_groups.push_back(g);
}

void Parser::closeGroup()
{
    m_skipChars = 0;
    if (m_groups.empty())
        return;
    const Dest closing = m_groups.back().dest;
    if (closing == Dest::FontTable && m_fontPending && !m_font.name.trimmed().isEmpty())
        commitFont();
    m_groups.pop_back();
    if (closing == Dest::Picture && dest() != Dest::Picture)
        finishPicture();
    if (m_groups.empty())
        m_done = true;  // whatever follows the document's closing brace is not read
}

void Parser::binary(qint64 length)
{
    // \binN: N raw bytes follow. A length past the end takes what is left.
    const qint64 n = std::clamp<qint64>(length, 0, m_size - m_pos);
    if (dest() == Dest::Picture)
        m_pict.data = QByteArray(m_in + m_pos, static_cast<qsizetype>(n));
    m_pos += n;
}

void Parser::plainText()
{
    const Dest d = dest();
    if (d == Dest::Picture) {
        // Hex digits; white space and stray characters between them are
        // ignored, an odd digit at the end is dropped. The run is measured
        // first so the picture's bytes are allocated once.
        qint64 end = m_pos;
        while (end < m_size && m_in[end] != '\\' && m_in[end] != '{' && m_in[end] != '}')
            ++end;
        m_pict.data.reserve(m_pict.data.size() + static_cast<qsizetype>((end - m_pos) / 2 + 1));
        while (m_pos < end) {
            const char c = m_in[m_pos];
            const int v = hexValue(c);
            if (v >= 0) {
                if (m_pict.highNibble < 0) {
                    m_pict.highNibble = v;
                } else {
                    m_pict.data.append(static_cast<char>((m_pict.highNibble << 4) | v));
                    m_pict.highNibble = -1;
                }
            }
            ++m_pos;
        }
        return;
    }
    if (d == Dest::Skip) {
        while (m_pos < m_size && m_in[m_pos] != '\\' && m_in[m_pos] != '{' && m_in[m_pos] != '}')
            ++m_pos;
        return;
    }
    if (d == Dest::Text && m_skipChars == 0 && !m_needTrail) {
        // Fast path: a run of ASCII text.
        const qint64 start = m_pos;
        while (m_pos < m_size) {
            const auto c = static_cast<unsigned char>(m_in[m_pos]);
            if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c < 0x20 || c >= 0x80)
                break;
            ++m_pos;
        }
        if (m_pos > start) {
            appendText(QString::fromLatin1(m_in + start, static_cast<qsizetype>(m_pos - start)));
            return;
        }
    }
    textChar(m_in[m_pos++]);
}

void Parser::textChar(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    if (m_needTrail || c >= 0x80) {
        // 8-bit text and the trail bytes of double-byte characters are in
        // the code page, like \'hh.
        appendByte(c);
        return;
    }
    if (c == ';' && dest() == Dest::FontTable) {
        commitFont();
        return;
    }
    if (c == ';' && dest() == Dest::ColorTable) {
        if (m_red < 0 && m_green < 0 && m_blue < 0)
            m_colors.push_back(QColor());  // the "auto" colour
        else
            m_colors.push_back(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
        m_red = m_green = m_blue = -1;
        return;
    }
    if (c == '\t') {
        appendText(QStringLiteral("\t"));
        return;
    }
    if (c < 0x20)
        return;
    appendText(QString(QChar(c)));
}

int Parser::codePage() const
{
    if (dest() == Dest::FontTable)
        return m_font.codePage() ? m_font.codePage() : m_docCodePage;
    if (m_groups.empty())
        return m_docCodePage;
    const int index = m_groups.back().chr.font < 0 ? m_defaultFont : m_groups.back().chr.font;
    const auto it = m_fonts.constFind(index);
    if (it != m_fonts.constEnd() && it->codePage())
        return it->codePage();
    return m_docCodePage;
}

void Parser::appendByte(unsigned char b)
{
    const int cp = codePage();
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(static_cast<char>(b));
    m_needTrail = m_needTrail ? false : CodePage::isLeadByte(cp, b);
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QByteArray bytes = m_bytes;
    m_bytes.clear();
    m_needTrail = false;
    appendText(CodePage::decode(bytes, m_bytesCodePage));
}

void Parser::appendText(const QString &text)
{
    // Control characters are not text in RTF, however they are spelt (\u3,
    // \'03), and an object replacement character stands for a picture only
    // where the reader put one.
    auto notText = [](QChar ch) {
        return (ch.unicode() < 0x20 && ch != QLatin1Char('\t')) || ch == QChar::ObjectReplacementCharacter;
    };
    QString s = text;
    if (std::any_of(s.cbegin(), s.cend(), notText))
        s.removeIf(notText);
    switch (dest()) {
    case Dest::Text: {
        const Group &g = m_groups.back();
        if (!m_text.isEmpty() && g.chr != m_textState)
            flushText();
        m_textState = g.chr;
        m_text += s;
        m_lastAlign = g.align;
        break;
    }
    case Dest::FontTable:
        m_font.name += s;
        m_fontPending = true;
        break;
    default:
        break;
    }
}

QTextCharFormat Parser::charFormat(const CharState &s) const
{
    QTextCharFormat f;
    const auto it = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
    if (it != m_fonts.constEnd() && !it->name.isEmpty())
        f.setFontFamilies({it->name});
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.color > 0 && s.color < static_cast<int>(m_colors.size()) && m_colors[static_cast<size_t>(s.color)].isValid())
        f.setForeground(m_colors[static_cast<size_t>(s.color)]);
    return f;
}

void Parser::flushText()
{
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat(m_textState));
    m_text.clear();
}

void Parser::paragraph()
{
    flushText();
    const Group &g = m_groups.back();
    QTextBlockFormat bf;
    bf.setAlignment(g.align);
    m_cursor.setBlockFormat(bf);
    const QTextCharFormat cf = charFormat(g.chr);
    m_cursor.setBlockCharFormat(cf);
    m_cursor.insertBlock(bf, cf);
    m_lastAlign = g.align;
}

void Parser::commitFont()
{
    if (m_fontIndex >= 0 || m_fontPending) {
        FontEntry e = m_font;
        e.name = e.name.trimmed();
        if (m_fontIndex >= 0 && !e.name.isEmpty())
            m_fonts.insert(m_fontIndex, e);
    }
    m_font.name.clear();
    m_fontPending = false;
}

void Parser::controlSymbol(char c)
{
    if (c == '\'') {
        const int hi = m_pos < m_size ? hexValue(m_in[m_pos]) : -1;
        const int lo = m_pos + 1 < m_size ? hexValue(m_in[m_pos + 1]) : -1;
        if (hi < 0 || lo < 0)
            return;  // a broken escape is dropped; what follows reads as text
        m_pos += 2;
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (dest() == Dest::Text || dest() == Dest::FontTable)
            appendByte(static_cast<unsigned char>((hi << 4) | lo));
        return;
    }
    if (c == '*') {
        if (!m_groups.empty())
            top().starred = true;
        return;
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    if (!m_groups.empty())
        top().first = false;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textChar(c);
        break;
    case '~': appendText(QString(QChar(0x00A0))); break;
    case '_': appendText(QString(QChar(0x2011))); break;
    case '-': appendText(QString(QChar(0x00AD))); break;
    case '\r':
    case '\n':
        if (dest() == Dest::Text)
            paragraph();
        break;
    case '\t': appendText(QStringLiteral("\t")); break;
    default: break;  // \: \| and unknown symbols
    }
}

void Parser::controlWord(const QByteArray &w, bool hasParam, qint64 param)
{
    if (is(w, "bin")) {
        binary(hasParam ? param : 0);
        return;
    }
    if (m_groups.empty())
        return;
    Group &g = top();
    if (m_skipChars > 0 && !is(w, "uc")) {
        --m_skipChars;
        return;
    }
    const bool first = g.first;
    g.first = false;
    if (g.dest == Dest::Skip)
        return;
    if (g.starred && first) {
        // {\*\word: a destination we may skip. Word's shape pictures are
        // the ones we read; everything else of this kind is skipped.
        if (is(w, "shppict"))
            return;
        g.dest = Dest::Skip;
        return;
    }
    const int p = static_cast<int>(std::clamp<qint64>(param, -(qint64(1) << 31) + 1, (qint64(1) << 31) - 1));
    const bool on = !hasParam || param != 0;

    // Destinations.
    if (is(w, "fonttbl")) {
        g.dest = Dest::FontTable;
        m_fontIndex = -1;
        m_font = FontEntry();
        m_fontPending = false;
        return;
    }
    if (is(w, "colortbl")) {
        g.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        return;
    }
    if (is(w, "pict")) {
        if (g.dest != Dest::Text) {
            g.dest = Dest::Skip;
            return;
        }
        flushText();
        g.dest = Dest::Picture;
        m_pict = Picture();
        return;
    }
    if (isSkippedDestination(w)) {
        g.dest = Dest::Skip;
        return;
    }

    // Document-wide words.
    if (is(w, "ansicpg")) {
        if (p > 0 && p < 100000)
            m_docCodePage = p;
        return;
    }
    if (is(w, "mac")) {
        m_docCodePage = 10000;
        return;
    }
    if (is(w, "pc")) {
        m_docCodePage = 437;
        return;
    }
    if (is(w, "pca")) {
        m_docCodePage = 850;
        return;
    }
    if (is(w, "deff")) {
        m_defaultFont = p;
        return;
    }
    if (is(w, "uc")) {
        g.uc = std::clamp(p, 0, 16);
        return;
    }
    if (is(w, "u")) {
        if (!hasParam)
            return;
        // Signed 16-bit by the standard; larger values are taken as a code
        // point, which some writers produce.
        qint64 v = param < 0 ? param + 65536 : param;
        QString s;
        if (v > 0 && v <= 0xFFFF)
            s = QString(QChar(char16_t(v)));
        else if (v > 0xFFFF && v <= 0x10FFFF) {
            const char32_t cp = static_cast<char32_t>(v);
            s = QString::fromUcs4(&cp, 1);
        }
        else if (v != 0)
            s = QString(QChar(QChar::ReplacementCharacter));
        if (!m_bytes.isEmpty())
            flushBytes();
        if (!s.isEmpty())
            appendText(s);
        m_skipChars = g.uc;
        return;
    }

    switch (g.dest) {
    case Dest::FontTable:
        if (is(w, "f")) {
            commitFont();
            m_fontIndex = p;
            m_font = FontEntry();
        } else if (is(w, "fcharset")) {
            m_font.charsetCodePage = CodePage::fromCharset(p);
        } else if (is(w, "cpg")) {
            if (p > 0 && p < 100000)
                m_font.cpg = p;
        }
        return;
    case Dest::ColorTable:
        if (is(w, "red"))
            m_red = std::clamp(p, 0, 255);
        else if (is(w, "green"))
            m_green = std::clamp(p, 0, 255);
        else if (is(w, "blue"))
            m_blue = std::clamp(p, 0, 255);
        return;
    case Dest::Picture: {
        Picture &pic = m_pict;
        const qint64 v = std::clamp<qint64>(param, -(qint64(1) << 31), qint64(1) << 31);
        if (is(w, "dibitmap"))
            pic.kind = PictKind::Dib;
        else if (is(w, "wbitmap"))
            pic.kind = PictKind::Ddb;
        else if (is(w, "wmetafile"))
            pic.kind = PictKind::Wmf;
        else if (is(w, "pngblip"))
            pic.kind = PictKind::Png;
        else if (is(w, "jpegblip"))
            pic.kind = PictKind::Jpeg;
        else if (is(w, "emfblip") || is(w, "macpict") || is(w, "pmmetafile"))
            pic.kind = PictKind::Unsupported;
        else if (is(w, "picw"))
            pic.picw = v;
        else if (is(w, "pich"))
            pic.pich = v;
        else if (is(w, "picwgoal"))
            pic.goalw = v;
        else if (is(w, "pichgoal"))
            pic.goalh = v;
        else if (is(w, "picscalex"))
            pic.scalex = v;
        else if (is(w, "picscaley"))
            pic.scaley = v;
        else if (is(w, "wbmbitspixel"))
            pic.bitsPixel = std::clamp(p, 0, 64);
        else if (is(w, "wbmplanes"))
            pic.planes = std::clamp(p, 0, 64);
        else if (is(w, "wbmwidthbytes"))
            pic.widthBytes = std::clamp(p, 0, 1 << 24);
        return;
    }
    case Dest::Skip:
        return;
    case Dest::Text:
        break;
    }

    // Text destination: paragraphs, special characters, formatting.
    CharState &c = g.chr;
    if (is(w, "par") || is(w, "sect") || is(w, "page") || is(w, "row"))
        paragraph();
    else if (is(w, "line"))
        appendText(QString(QChar(QChar::LineSeparator)));
    else if (is(w, "tab") || is(w, "cell"))
        appendText(QStringLiteral("\t"));
    else if (is(w, "emdash"))
        appendText(QString(QChar(0x2014)));
    else if (is(w, "endash"))
        appendText(QString(QChar(0x2013)));
    else if (is(w, "bullet"))
        appendText(QString(QChar(0x2022)));
    else if (is(w, "lquote"))
        appendText(QString(QChar(0x2018)));
    else if (is(w, "rquote"))
        appendText(QString(QChar(0x2019)));
    else if (is(w, "ldblquote"))
        appendText(QString(QChar(0x201C)));
    else if (is(w, "rdblquote"))
        appendText(QString(QChar(0x201D)));
    else if (is(w, "emspace"))
        appendText(QString(QChar(0x2003)));
    else if (is(w, "enspace"))
        appendText(QString(QChar(0x2002)));
    else if (is(w, "qmspace"))
        appendText(QString(QChar(0x2005)));
    else if (is(w, "plain"))
        c = CharState();
    else if (is(w, "pard"))
        g.align = Qt::AlignLeft;
    else if (is(w, "ql"))
        g.align = Qt::AlignLeft;
    else if (is(w, "qc"))
        g.align = Qt::AlignHCenter;
    else if (is(w, "qr"))
        g.align = Qt::AlignRight;
    else if (is(w, "qj") || is(w, "qd"))
        g.align = Qt::AlignJustify;
    else if (is(w, "b"))
        c.bold = on;
    else if (is(w, "i"))
        c.italic = on;
    else if (is(w, "ul") || is(w, "uld") || is(w, "uldb") || is(w, "ulw") || is(w, "uldash") || is(w, "ulth")
             || is(w, "ulwave") || is(w, "uldashd") || is(w, "uldashdd") || is(w, "ulhair"))
        c.underline = on;
    else if (is(w, "ulnone"))
        c.underline = false;
    else if (is(w, "strike") || is(w, "striked"))
        c.strike = on;
    else if (is(w, "f"))
        c.font = p;
    else if (is(w, "fs"))
        // Half points; Word's largest size is 1638 points.
        c.halfPoints = (!hasParam || p <= 0) ? 24 : std::min(p, 3276);
    else if (is(w, "cf"))
        c.color = std::max(p, 0);
}

QImage Parser::decodePicture(QSize &display)
{
    Picture &pic = m_pict;
    QImage image;
    switch (pic.kind) {
    case PictKind::Dib:
        image = DibCodec::decodeDib(pic.data, m_pixelsLeft);
        break;
    case PictKind::Ddb:
        if (pic.picw > 0 && pic.pich > 0 && pic.picw <= 65536 && pic.pich <= 65536)
            image = DibCodec::decodeDdb(pic.data, static_cast<int>(pic.picw), static_cast<int>(pic.pich),
                                        pic.bitsPixel, pic.planes, pic.widthBytes, m_pixelsLeft);
        break;
    case PictKind::Wmf:
        image = WmfPicture::extractBitmap(pic.data, m_pixelsLeft);
        break;
    case PictKind::Png:
    case PictKind::Jpeg: {
        QBuffer buffer(&pic.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, pic.kind == PictKind::Png ? "png" : "jpeg");
        reader.setAutoTransform(false);
        const QSize size = reader.size();
        if (size.isValid() && size.width() > 0 && size.height() > 0 && size.width() <= 65536
            && size.height() <= 65536 && qint64(size.width()) * size.height() <= m_pixelsLeft)
            image = reader.read();
        break;
    }
    case PictKind::None:
    case PictKind::Unsupported:
        break;
    }

    // The size the picture takes: its goal size in twips (15 to a 96-dpi
    // pixel) when given, otherwise its natural size (\picw and \pich are
    // pixels for bitmaps and hundredths of a millimetre for metafiles),
    // scaled by \picscalex and \picscaley percent.
    double w = 0;
    double h = 0;
    if (pic.goalw > 0)
        w = pic.goalw / 15.0;
    else if (!image.isNull())
        w = image.width();
    else if (pic.picw > 0)
        w = pic.kind == PictKind::Wmf ? pic.picw * 96.0 / 2540.0 : double(pic.picw);
    if (pic.goalh > 0)
        h = pic.goalh / 15.0;
    else if (!image.isNull())
        h = image.height();
    else if (pic.pich > 0)
        h = pic.kind == PictKind::Wmf ? pic.pich * 96.0 / 2540.0 : double(pic.pich);
    const double sx = pic.scalex > 0 && pic.scalex <= 100000 ? pic.scalex / 100.0 : 1.0;
    const double sy = pic.scaley > 0 && pic.scaley <= 100000 ? pic.scaley / 100.0 : 1.0;
    constexpr double kMaxSide = 16384;
    display = QSize(static_cast<int>(std::clamp(w * sx + 0.5, 0.0, kMaxSide)),
                    static_cast<int>(std::clamp(h * sy + 0.5, 0.0, kMaxSide)));
    return image;
}

void Parser::finishPicture()
{
    QSize display;
    QImage image = decodePicture(display);
    m_pict = Picture();
    if (image.isNull()) {
        // A picture we cannot show (a metafile of vector records only, a
        // damaged bitmap, a format we do not read) keeps its place as a
        // white image of its size; beyond a megapixel one white pixel shown
        // at that size does the same without the memory.
        if (display.width() <= 0 || display.height() <= 0)
            return;
        const qint64 pixels = qint64(display.width()) * display.height();
        const bool full = pixels <= kMaxPlaceholderPixels && pixels <= m_pixelsLeft;
        image = QImage(full ? display : QSize(1, 1), QImage::Format_RGB32);
        if (image.isNull())
            return;
        image.fill(Qt::white);
    }
    if (display.width() <= 0 || display.height() <= 0)
        display = image.size().boundedTo(QSize(16384, 16384));
    m_pixelsLeft -= qint64(image.width()) * image.height();

    const QString name = uniquePictureName();
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat f;
    f.setName(name);
    f.setWidth(display.width());
    f.setHeight(display.height());
    m_cursor.insertImage(f);
    if (!m_groups.empty())
        m_lastAlign = m_groups.back().align;
}

void Parser::finish()
{
    // A truncated document: close what is open, so that a picture whose
    // group was cut still gets its chance.
    flushBytes();
    while (!m_groups.empty())
        closeGroup();
    flushText();
    QTextBlockFormat bf;
    bf.setAlignment(m_lastAlign);
    m_cursor.setBlockFormat(bf);
}

} // namespace

void RtfReader::read(const QByteArray &rtf, QTextDocument &document)
{
    Parser(rtf, document).run();
}

} // namespace ql
