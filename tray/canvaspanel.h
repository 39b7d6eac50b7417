#pragma once

#include <QFrame>

#include <functional>

namespace ql {

// A panel with a sunken border whose inside is painted entirely by its
// owner: it draws no background or caption of its own. Coordinates handed
// to the owner are relative to the inside (the client area), where the grid
// starts at (0, 0).
class TCanvasPanel : public QFrame
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(QPainter &painter, const QSize &clientSize)>;

    explicit TCanvasPanel(QWidget *parent = nullptr);

    void setPaintHandler(PaintHandler handler) { m_paintHandler = std::move(handler); }
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QSize clientSize() const { return contentsRect().size(); }

signals:
    // A left click (press and release inside), in client coordinates.
    void clicked(const QPoint &clientPosition);
    // After each paint of the inside.
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PaintHandler m_paintHandler;
    QColor m_color = Qt::white;
    bool m_pressed = false;
};

} // namespace ql
