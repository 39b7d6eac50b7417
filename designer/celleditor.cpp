#include "celleditor.h"

#include "picturehandler.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

namespace ql {

CellEditor::CellEditor(QWidget *parent) : QGraphicsView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(Qt::white);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                   | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFocusPolicy(Qt::StrongFocus);

    m_scene = new QGraphicsScene(this);
    setScene(m_scene);

    m_edit = new QTextEdit;
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setLineWrapMode(QTextEdit::WidgetWidth);
    // Tab moves between cells; it is never typed into the text.
    m_edit->setTabChangesFocus(true);
    m_edit->setAcceptDrops(false);
    m_edit->setAcceptRichText(true);
    QPalette pal = m_edit->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    m_edit->setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_edit->setFont(font);
    m_edit->installEventFilter(this);
    connect(m_edit, &QTextEdit::textChanged, this, &CellEditor::changed);

    m_proxy = m_scene->addWidget(m_edit);
    m_proxy->setPos(0, 0);
    hide();
}

void CellEditor::load(const QTextDocument &source, const QSize &size, int magnification)
{
    m_magnification = magnification > 0 ? magnification : 100;
    const double scale = m_magnification / 100.0;

    QTextDocument *doc = source.clone(this);
    doc->setDocumentMargin(0);
    doc->setUndoRedoEnabled(true);
    // Lay the copy out on the same device as the stored cell, so fonts resolve
    // to the same pixel sizes the page paints with.
    doc->documentLayout()->setPaintDevice(source.documentLayout()->paintDevice());
    PictureHandler::install(*doc);
    m_edit->setDocument(doc);
    delete m_document;
    m_document = doc;

    // The page lays a cell's text out one pixel wider than its free area;
    // the editor wraps at the same width and the view clips the extra pixel.
    const QSizeF textSize((size.width() + 1) / scale, (size.height() + 1) / scale);
    m_proxy->resize(std::ceil(textSize.width()), std::ceil(textSize.height()));
    resize(size);
    setTransform(QTransform::fromScale(scale, scale));
    m_scene->setSceneRect(0, 0, size.width() / scale, size.height() / scale);
    // Typing goes on after the text already in the cell.
    m_edit->moveCursor(QTextCursor::End);
}

bool CellEditor::hasEditorFocus() const
{
    if (!isVisible())
        return false;
    const QWidget *focus = window()->focusWidget();
    return focus == this || focus == m_edit || focus == m_edit->viewport();
}

void CellEditor::focusEditor()
{
    setFocus(Qt::OtherFocusReason);
    m_scene->setFocusItem(m_proxy);
    m_edit->setFocus(Qt::OtherFocusReason);
}

bool CellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        emit entered();
    return QGraphicsView::eventFilter(watched, event);
}

} // namespace ql
