#pragma once

#include <QPointF>
#include <QRectF>
#include <QTimer>
#include <QWidget>

namespace ql {

// Two eyes whose pupils follow the mouse pointer anywhere on the screen; a
// decoration of the About box with no function.
class TEyes : public QWidget
{
    Q_OBJECT

public:
    explicit TEyes(QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(44, 30); }

    // Where a pupil of that radius sits in an eye (an ellipse) when it looks
    // at the target: the target itself when the pupil fits there, otherwise
    // the farthest point toward the target at which the pupil stays inside.
    static QPointF pupilCentre(const QRectF &eye, double pupilRadius, const QPointF &target);

    // The two eyes' rectangles in widget coordinates.
    QRectF eyeRect(int which) const;
    double pupilRadius() const;
    // The pupils' centres as last painted, in widget coordinates.
    QPointF pupil(int which) const { return m_pupils[which]; }

    // Looks at a point given in global (screen) coordinates.
    void lookAt(const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer m_timer;
    QPoint m_lastMouse{-1, -1};
    QPointF m_pupils[2];
};

} // namespace ql
