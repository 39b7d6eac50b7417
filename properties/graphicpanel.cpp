#include "graphicpanel.h"

#include <QMouseEvent>

namespace ql {

TGraphicPanel::TGraphicPanel(const QString &caption, int tag, QWidget *parent)
    : QLabel(caption, parent), m_tag(tag)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    SetColor(QColor(0xC0, 0xC0, 0xC0));
}

void TGraphicPanel::SetColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void TGraphicPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(event);
}

void TGraphicPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (click)
        emit Clicked(m_tag);
    QLabel::mouseReleaseEvent(event);
}

} // namespace ql
