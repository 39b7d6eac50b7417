#include "buttonglyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace ql {

namespace {

QPixmap glyph(int size, const QPolygonF &shape, const QColor &fillColor)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, size / 16.0));
    painter.setBrush(fillColor);
    painter.drawPolygon(shape);
    return pixmap;
}

QPolygonF scaled(const QPolygonF &unitShape, int size)
{
    QPolygonF shape;
    for (const QPointF &p : unitShape)
        shape << p * size;
    return shape;
}

} // namespace

QIcon TriangleGlyph(GlyphDirection direction, bool filledBlack)
{
    const QPolygonF left{{0.72, 0.18}, {0.72, 0.82}, {0.22, 0.5}};
    const QPolygonF right{{0.28, 0.18}, {0.28, 0.82}, {0.78, 0.5}};
    QIcon icon;
    for (const int size : {16, 32}) {
        icon.addPixmap(glyph(size, scaled(direction == GlyphDirection::Left ? left : right, size),
                             filledBlack ? Qt::black : Qt::white));
    }
    return icon;
}

QIcon MinimizeGlyph()
{
    const QPolygonF arrow{{0.35, 0.1}, {0.65, 0.1}, {0.65, 0.5}, {0.85, 0.5},
                          {0.5, 0.9},  {0.15, 0.5}, {0.35, 0.5}};
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(glyph(size, scaled(arrow, size), Qt::red));
    return icon;
}

} // namespace ql
