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

    // The page's look changed without the page knowing (a cell's contents were
    // written back): compose it again at the next paint.
    void invalidatePage();
    // Composes the page now if it changed, so the cell rectangles that hit
    // testing reads are those of the current layout and magnification.
    void ensureComposed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TCalendarPanel &m_page;
    QImage m_image;
    bool m_dirty = true;
    bool m_pressed = false;
};

} // namespace ql
