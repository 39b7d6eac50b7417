#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace ql {

class IconListBox;

// Lets a widget take icons dragged from the icon list. Drags of anything
// else are left to the widget. An icon drag is accepted (as a copy, never a
// move) where accepts says so, and refused elsewhere; a drop there calls
// dropped with the point (in the widget's coordinates) and the dragged row.
class IconDropTarget : public QObject
{
    Q_OBJECT

public:
    using Accepts = std::function<bool(const QPoint &pos)>;
    using Dropped = std::function<void(const QPoint &pos, int row)>;

    // Installs itself on target, which it makes accept drops; owned by target.
    IconDropTarget(QWidget &target, const IconListBox &list, Accepts accepts, Dropped dropped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const IconListBox &m_list;
    Accepts m_accepts;
    Dropped m_dropped;
};

} // namespace ql
