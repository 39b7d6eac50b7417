#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace ql {

struct ScreenMetrics;

// Each program names its main window class once at start-up ("TCalendarMain",
// "TMainForm"); CenterForm centres that window on the screen and every other
// window over it.
void SetMainWindowClassName(const QString &className);
QString MainWindowClassName();

// Where a window of the given size goes: centred on the screen when it is the
// main window itself or the main window is maximised (or there is none),
// otherwise centred over the main window's rectangle. Halves truncate toward
// zero, so a window larger than the screen gets a negative offset rounded
// toward zero, not down.
QPoint CenteredPosition(const QSize &window, bool onScreen, const QSize &screen,
                        const QRect &mainWindow);

// Moves the window (frame included) to its centred position; a window with a
// maximise button also gets the system menu.
void CenterForm(QWidget *window);
void CenterForm(QWidget *window, const ScreenMetrics &screen);

} // namespace ql
