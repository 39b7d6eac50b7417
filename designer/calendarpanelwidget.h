#pragma once

#include <QImage>
#include <QWidget>

namespace ql {

class TCalendarPanel;

// The on-screen page: shows a TCalendarPanel at its magnification and passes
// clicks to it. The page is composed off-screen and copied in one block, so
// the widget is opaque and never erased first.
class CalendarPanelWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarPanelWidget(TCalendarPanel &page, QWidget *parent = nullptr);

    TCalendarPanel &page() { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TCalendarPanel &m_page;
    QImage m_image;
    bool m_dirty = true;
};

} // namespace ql
