#include "canvaspanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace ql {

TCanvasPanel::TCanvasPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // Everything inside is painted on each paint, so Qt need not clear it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasPanel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TCanvasPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    if (m_paintHandler)
        m_paintHandler(painter, inside.size());
    else
        painter.fillRect(QRect(QPoint(0, 0), inside.size()), m_color);
    painter.end();
    emit painted();
}

void TCanvasPanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void TCanvasPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(event->position().toPoint() - contentsRect().topLeft());
    QFrame::mouseReleaseEvent(event);
}

} // namespace ql
