#include "calendarpanelwidget.h"

#include "calendarpanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace ql {

CalendarPanelWidget::CalendarPanelWidget(TCalendarPanel &page, QWidget *parent)
    : QWidget(parent), m_page(page)
{
    setObjectName(QStringLiteral("CalendarPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setFixedSize(m_page.ControlSize());
    connect(&m_page, &TCalendarPanel::Invalidated, this, &CalendarPanelWidget::invalidatePage);
    connect(&m_page, &TCalendarPanel::SizeChanged, this, [this](QSize size) {
        setFixedSize(size);
        m_dirty = true;
        // The resized page is shown at once, not at the next idle moment.
        if (isVisible())
            repaint();
    });
}

void CalendarPanelWidget::invalidatePage()
{
    m_dirty = true;
    update();
}

void CalendarPanelWidget::ensureComposed()
{
    if (m_dirty || m_image.size() != m_page.ControlSize()) {
        m_image = m_page.PaintImage();
        m_dirty = false;
    }
}

void CalendarPanelWidget::paintEvent(QPaintEvent *)
{
    ensureComposed();
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void CalendarPanelWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void CalendarPanelWidget::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button both on the page.
    const QPoint pos = event->position().toPoint();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(pos);
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (click) {
        // Cells are found in the last drawing; a page changed since then
        // (cleared cells, new layout) is drawn first so the click finds the
        // cell the user sees.
        ensureComposed();
        m_page.Click(pos.x(), pos.y());
    }
    QWidget::mouseReleaseEvent(event);
}

bool CalendarPanelWidget::focusNextPrevChild(bool)
{
    // The page wants every key, Tab included.
    return false;
}

} // namespace ql
