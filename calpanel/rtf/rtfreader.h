#pragma once

#include <QByteArray>

class QTextDocument;

namespace ql {

// Reads rich text (RTF 1.x) into a QTextDocument: paragraphs with alignment,
// runs with font, size, bold, italic, underline, strike-out and colour, and
// pictures as inline images. Everything else a word processor writes
// (style sheets, document information, lists, fields' instructions, unknown
// \* destinations) is skipped, as RTF asks of readers that do not know it.
//
// The input is never trusted: groups nest at most kMaxDepth deep, numbers
// saturate, \bin and picture data are checked against what is left, and
// the pictures of one document make at most kMaxPicturePixels pixels.
// Damage that still leaves text (a truncated file, unbalanced braces, odd
// hex, a picture that does not decode) is read the lenient way word
// processors read it; only input that is not RTF at all or nests beyond
// the limit throws ql::Error.
class RtfReader
{
public:
    static constexpr int kMaxDepth = 512;
    static constexpr qint64 kMaxPicturePixels = qint64(64) * 1024 * 1024;

    // Appends the contents of rtf to document, which is normally empty.
    static void read(const QByteArray &rtf, QTextDocument &document);
};

} // namespace ql
