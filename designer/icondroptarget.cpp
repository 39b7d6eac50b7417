#include "icondroptarget.h"

#include "iconlistbox.h"

#include <QDropEvent>
#include <QWidget>

namespace ql {

IconDropTarget::IconDropTarget(QWidget &target, const IconListBox &list, Accepts accepts,
                               Dropped dropped)
    : QObject(&target), m_list(list), m_accepts(std::move(accepts)), m_dropped(std::move(dropped))
{
    target.setAcceptDrops(true);
    target.installEventFilter(this);
}

bool IconDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const int row = m_list.draggedRow(drop->mimeData());
        if (row < 0)
            return QObject::eventFilter(watched, event);
        const QPoint pos = drop->position().toPoint();
        if (!m_accepts(pos)) {
            drop->ignore();
            return true;
        }
        // A move would tell the list to give the icon up.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop)
            m_dropped(pos, row);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace ql
