#include "canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace ql {

void PreparePainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setBackgroundMode(Qt::TransparentMode);
}

void FillSolid(QPainter &p, const TRect &r, TColor color)
{
    // An empty or inverted rectangle fills nothing.
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    p.fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), ToQColor(color));
}

void DrawLine(QPainter &p, QPoint from, QPoint to)
{
    // Every line on a page is horizontal or vertical; draw those as 1-pixel
    // fills so the end point stays uncovered on every device.
    if (from.y() == to.y()) {
        if (from.x() == to.x())
            return;
        const int x0 = from.x() < to.x() ? from.x() : to.x() + 1;
        const int x1 = from.x() < to.x() ? to.x() : from.x() + 1;
        p.fillRect(QRect(x0, from.y(), x1 - x0, 1), Qt::black);
    } else if (from.x() == to.x()) {
        const int y0 = from.y() < to.y() ? from.y() : to.y() + 1;
        const int y1 = from.y() < to.y() ? to.y() : from.y() + 1;
        p.fillRect(QRect(from.x(), y0, 1, y1 - y0), Qt::black);
    } else {
        p.save();
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(from, to);
        p.restore();
    }
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long num = static_cast<long long>(a) * b;
    const long long q = (std::llabs(num) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(((num < 0) != (c < 0)) ? -q : q);
}

void SetCanvasFont(QPainter &p, const QString &name, int size, TFontStyles style, TColor color)
{
    QFont f(name.left(255));
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    // A size that scales down to nothing still draws with the smallest font.
    f.setPixelSize(std::max(1, MulDiv(size, dpi, 72)));
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    f.setStrikeOut(style & fsStrikeOut);
    p.setFont(f);
    p.setPen(QPen(ToQColor(color), 0));
}

int TextHeight(const QPainter &p, const QString &text)
{
    Q_UNUSED(text); // a single line is as high as its font
    return p.fontMetrics().height();
}

void DrawTextIn(QPainter &p, const TRect &r, const QString &text, TextAlign align)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top || text.isEmpty())
        return;
    int flags = Qt::TextSingleLine;
    switch (align) {
    case TextAlign::CenterCenter:
        flags |= Qt::AlignHCenter | Qt::AlignVCenter;
        break;
    case TextAlign::RightTop:
        flags |= Qt::AlignRight | Qt::AlignTop;
        break;
    case TextAlign::CenterBottom:
        flags |= Qt::AlignHCenter | Qt::AlignBottom;
        break;
    case TextAlign::CenterTop:
        flags |= Qt::AlignHCenter | Qt::AlignTop;
        break;
    }
    p.drawText(r.toQRect(), flags, text);
}

void DrawBorderLines(QPainter &p, const TRect &r, TCalBorderStyle style)
{
    const QPoint tl(r.Left, r.Top), tr(r.Right, r.Top), br(r.Right, r.Bottom), bl(r.Left, r.Bottom);
    switch (style) {
    case cbNone:
        break;
    case cbAll:
        DrawLine(p, tl, tr);
        DrawLine(p, tr, br);
        DrawLine(p, br, bl);
        DrawLine(p, bl, tl);
        break;
    case cbTop:
        DrawLine(p, tl, tr);
        break;
    case cbBottom:
        DrawLine(p, bl, br);
        break;
    case cbTopBottom:
        DrawLine(p, tl, tr);
        DrawLine(p, bl, br);
        break;
    }
}

} // namespace ql
