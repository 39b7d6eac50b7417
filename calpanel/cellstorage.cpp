#include "cellstorage.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRect>
#include <QTextBlock>
#include <QTextDocument>

namespace ql {

namespace {

std::unique_ptr<QTextDocument> newDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentMargin(0);
    doc->setUndoRedoEnabled(false);
    return doc;
}

} // namespace

CellStorage::CellStorage() : m_doc(newDocument()) {}

CellStorage::~CellStorage() = default;

CellStorage::CellStorage(const CellStorage &other) : m_doc(newDocument())
{
    assign(other);
}

CellStorage &CellStorage::operator=(const CellStorage &other)
{
    if (this != &other)
        assign(other);
    return *this;
}

bool CellStorage::isEmpty() const
{
    // Any character at all, a picture included (an object replacement
    // character), makes the cell non-empty; so does a second paragraph.
    return m_doc->blockCount() <= 1 && m_doc->firstBlock().length() <= 1;
}

void CellStorage::assign(const CellStorage &other)
{
    assign(*other.m_doc);
}

void CellStorage::assign(const QTextDocument &document)
{
    if (&document == m_doc.get())
        return;
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDocumentMargin(0);
    copy->setUndoRedoEnabled(false);
    m_doc = std::move(copy);
}

void CellStorage::clear()
{
    m_doc = newDocument();
}

QTextDocument &CellStorage::document()
{
    return *m_doc;
}

const QTextDocument &CellStorage::document() const
{
    return *m_doc;
}

void CellStorage::paint(QPainter &p, const QRect &area, double scale) const
{
    if (area.width() <= 0 || area.height() <= 0 || scale <= 0 || isEmpty())
        return;
    m_doc->setTextWidth(area.width() / scale);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.translate(area.topLeft());
    p.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = QRectF(0, 0, area.width() / scale, area.height() / scale);
    m_doc->documentLayout()->draw(&p, ctx);
    p.restore();
}

} // namespace ql
