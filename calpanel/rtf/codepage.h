#pragma once

#include <QByteArray>
#include <QString>

namespace ql {

// The 8-bit code pages rich text declares with \ansicpg, \cpg and a font's
// \fcharset. Windows-1252 is built in (it is what \ansi means and what
// nearly every file uses); the others go through the C library's iconv.
class CodePage
{
public:
    static constexpr int Windows1252 = 1252;

    // The code page a font \fcharset value stands for; 0 when the charset
    // says nothing of its own (ANSI, default, symbol) so the document's code
    // page applies.
    static int fromCharset(int charset);

    // True when byte starts a two-byte character in code page cp (the East
    // Asian double-byte code pages); such a pair must be decoded together.
    static bool isLeadByte(int cp, unsigned char byte);

    // Decodes bytes written in code page cp. Unknown code pages and bytes
    // that do not decode fall back to Windows-1252, which maps every byte,
    // so nothing read is ever dropped silently.
    static QString decode(const QByteArray &bytes, int cp);

    // The Windows-1252 byte for c, or -1 when c has none.
    static int toWindows1252(char16_t c);
};

} // namespace ql
