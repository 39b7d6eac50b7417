#pragma once

#include <QByteArray>

class QTextDocument;

namespace ql {

// Writes a QTextDocument as standard RTF, in the form older word processors
// read too:
//   {\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fnil\fcharset0 Arial;}...}
//   {\colortbl;\red255\green0\blue0;...}
//   \paperw12240\paperh15840\margl0\margr0\margt0\margb0
//   \pard\qc\plain\f0\fs24\b\cf1 text\par
//   \pard\ql ... {\pict\dibitmap0\picw32\pich32\picwgoal480\pichgoal480 hex}
//   }
// Font 0 is the document's default font. Each paragraph starts with \pard
// and its alignment; a run's full character format follows \plain whenever
// it changes. Paragraphs are separated by \par, so the last one has none and
// a document reads back with as many paragraphs as it had. Pictures are
// 24-bit DIBs (\dibitmap0) with their pixel size (\picw, \pich) and display
// size (\picwgoal, \pichgoal, twips). Text is ASCII; other Windows-1252
// characters are \'hh and everything else is \uN? (N a signed UTF-16 unit,
// characters beyond the BMP as two surrogates).
//
// An empty document is written like any other: header, tables and one
// paragraph with its character format and no text, e.g.
//   ...\pard\ql\plain\f0\fs24 }
// which reads back as one empty paragraph.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument &document);
};

} // namespace ql
