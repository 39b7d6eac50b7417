#pragma once

#include <QPoint>
#include <QRect>

namespace ql {

// A rectangle the way the grid arithmetic works with it: (Left, Top, Right,
// Bottom) with Right and Bottom exclusive, so a width is Right - Left.
struct GridRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const GridRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    bool operator!=(const GridRect &o) const { return !(*this == o); }

    bool contains(const QPoint &p) const
    {
        return Left <= p.x() && p.x() < Right && Top <= p.y() && p.y() < Bottom;
    }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

} // namespace ql
