#include "eyes.h"

#include <QCursor>
#include <QPainter>

#include <cmath>

namespace ql {

TEyes::TEyes(QWidget *parent) : QWidget(parent)
{
    // Polling is the only way to see the pointer outside our own windows;
    // it runs only while the eyes are shown.
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, [this] { lookAt(QCursor::pos()); });
}

QPointF TEyes::pupilCentre(const QRectF &eye, double pupilRadius, const QPointF &target)
{
    const QPointF centre = eye.center();
    const double rx = eye.width() / 2 - pupilRadius;
    const double ry = eye.height() / 2 - pupilRadius;
    if (rx <= 0 || ry <= 0)
        return centre;
    const QPointF d = target - centre;
    // Inside the shrunken ellipse when (dx/rx)^2 + (dy/ry)^2 <= 1.
    const double reach = std::sqrt((d.x() / rx) * (d.x() / rx) + (d.y() / ry) * (d.y() / ry));
    if (reach <= 1)
        return target;
    return centre + d / reach;
}

QRectF TEyes::eyeRect(int which) const
{
    const double w = width() / 2.0;
    return QRectF(which * w + 1, 1, w - 2, height() - 2);
}

double TEyes::pupilRadius() const
{
    return std::min(width() / 2.0, double(height())) / 7.0;
}

void TEyes::lookAt(const QPoint &globalPosition)
{
    if (globalPosition == m_lastMouse)
        return;
    m_lastMouse = globalPosition;
    const QPointF local = mapFromGlobal(globalPosition);
    for (int i = 0; i < 2; ++i)
        m_pupils[i] = pupilCentre(eyeRect(i), pupilRadius(), local);
    update();
}

void TEyes::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = pupilRadius();
    for (int i = 0; i < 2; ++i) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eyeRect(i).adjusted(0.75, 0.75, -0.75, -0.75));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const QPointF p = m_pupils[i].isNull() ? eyeRect(i).center() : m_pupils[i];
        painter.drawEllipse(p, r, r);
    }
}

void TEyes::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_lastMouse = QPoint(-1, -1);
    lookAt(QCursor::pos());
    m_timer.start();
}

void TEyes::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

} // namespace ql
