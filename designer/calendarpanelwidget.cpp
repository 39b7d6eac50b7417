#include "calendarpanelwidget.h"

#include "calendarpanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace ql {

CalendarPanelWidget::CalendarPanelWidget(TCalendarPanel &page, QWidget *parent)
    : QWidget(parent), m_page(page)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setFixedSize(m_page.ControlSize());
    connect(&m_page, &TCalendarPanel::Invalidated, this, [this] {
        m_dirty = true;
        update();
    });
    connect(&m_page, &TCalendarPanel::SizeChanged, this, [this](QSize size) {
        setFixedSize(size);
        m_dirty = true;
        // The resized page is shown at once, not at the next idle moment.
        repaint();
    });
}

void CalendarPanelWidget::paintEvent(QPaintEvent *)
{
    if (m_dirty || m_image.size() != m_page.ControlSize()) {
        m_image = m_page.PaintImage();
        m_dirty = false;
    }
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void CalendarPanelWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_page.Click(event->position().toPoint().x(), event->position().toPoint().y());
    QWidget::mouseReleaseEvent(event);
}

bool CalendarPanelWidget::focusNextPrevChild(bool)
{
    // The page wants every key, Tab included.
    return false;
}

} // namespace ql
