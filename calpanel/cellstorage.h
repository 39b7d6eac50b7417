#pragma once

#include <QByteArray>
#include <memory>

class QPainter;
class QRect;
class QTextDocument;

namespace ql {

// The rich text of one page cell: paragraphs with alignment, formatted runs
// and inline pictures, held in a QTextDocument. A storage can be copied,
// tested for emptiness, cleared and painted into any painter.
class CellStorage
{
public:
    CellStorage();
    ~CellStorage();
    CellStorage(const CellStorage &other);
    CellStorage &operator=(const CellStorage &other);

    // One empty paragraph with no text and no picture.
    bool isEmpty() const;
    // Replaces the whole text by a copy of other's (pictures included).
    void assign(const CellStorage &other);
    // Exchanges the texts of two storages without copying either.
    void swap(CellStorage &other) noexcept { m_doc.swap(other.m_doc); }
    void assign(const QTextDocument &document);
    void clear();

    QTextDocument &document();
    const QTextDocument &document() const;

    // The text as a complete RTF document (see RtfWriter).
    QByteArray toRtf() const;
    // Replaces the text by the RTF document rtf. Damaged rich text is read
    // as far as it goes; input that is not RTF at all throws ql::Error and
    // leaves the storage as it was.
    void fromRtf(const QByteArray &rtf);

    // Paints the text laid out to the width of area, starting with its first
    // line, clipped to area. scale is device pixels per text pixel: the page's
    // zoom on screen, the printer's resolution over the screen's when printing.
    // The text is laid out at 96 pixels per inch whatever the painter's
    // device: a 12-point run is 16 pixels high at scale 1.
    void paint(QPainter &p, const QRect &area, double scale) const;

private:
    std::unique_ptr<QTextDocument> m_doc;
};

} // namespace ql
