#include "busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ql {

namespace {

int depth = 0;

} // namespace

void BusyCursorOn()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth;
}

void BusyCursorOff()
{
    if (depth == 0)
        return;
    --depth;
    QGuiApplication::restoreOverrideCursor();
}

int BusyCursorDepth()
{
    return depth;
}

} // namespace ql
