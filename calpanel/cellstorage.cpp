#include "cellstorage.h"

#include "picturehandler.h"
#include "rtfreader.h"
#include "rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTextBlock>
#include <QTextDocument>

namespace ql {

namespace {

// Every cell document is laid out on this 96-dpi device, so font point sizes
// turn into the same pixel sizes on screen, on a printer and in a bitmap;
// the painter's scale then brings them to the device.
QPaintDevice *layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

void prepare(QTextDocument &doc)
{
    doc.setDocumentMargin(0);
    doc.setUndoRedoEnabled(false);
    doc.documentLayout()->setPaintDevice(layoutDevice());
    PictureHandler::install(doc);
}

// A document without a layout yet unless prepared: filling one that has a
// layout lays the text out again after every insertion.
std::unique_ptr<QTextDocument> newDocument(bool prepared = true)
{
    auto doc = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    doc->setDefaultFont(font);
    if (prepared)
        prepare(*doc);
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
    // clone() copies the text, the formats and the picture resources.
    std::unique_ptr<QTextDocument> copy(document.clone());
    prepare(*copy);
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

QByteArray CellStorage::toRtf() const
{
    return RtfWriter::write(*m_doc);
}

void CellStorage::fromRtf(const QByteArray &rtf)
{
    std::unique_ptr<QTextDocument> doc = newDocument(false);
    RtfReader::read(rtf, *doc);
    prepare(*doc);
    m_doc = std::move(doc);
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
    ctx.palette.setColor(QPalette::Text, Qt::black);
    m_doc->documentLayout()->draw(&p, ctx);
    p.restore();
}

} // namespace ql
