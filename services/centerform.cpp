#include "centerform.h"

#include "windowplacement.h"

#include <QApplication>
#include <QWidget>

namespace ql {

namespace {

QString &mainClass()
{
    static QString name;
    return name;
}

bool isMainWindowClass(const QWidget *window)
{
    return !mainClass().isEmpty() &&
           WindowClassName(window).compare(mainClass(), Qt::CaseInsensitive) == 0;
}

QWidget *findMainWindow(const QWidget *except)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w != except && isMainWindowClass(w))
            return w;
    }
    return nullptr;
}

} // namespace

void SetMainWindowClassName(const QString &className)
{
    mainClass() = className;
}

QString MainWindowClassName()
{
    return mainClass();
}

QPoint CenteredPosition(const QSize &window, bool onScreen, const QSize &screen,
                        const QRect &mainWindow)
{
    // C++ integer division truncates toward zero, which is the rule here.
    if (onScreen)
        return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
    return {mainWindow.left() + (mainWindow.width() - window.width()) / 2,
            mainWindow.top() + (mainWindow.height() - window.height()) / 2};
}

void CenterForm(QWidget *window)
{
    CenterForm(window, PrimaryScreenMetrics());
}

void CenterForm(QWidget *window, const ScreenMetrics &screen)
{
    const QWidget *main = isMainWindowClass(window) ? nullptr : findMainWindow(window);
    const bool onScreen = main == nullptr || main->isMaximized();
    const QRect mainRect = main ? main->frameGeometry() : QRect();
    window->move(CenteredPosition(window->frameGeometry().size(), onScreen,
                                  QSize(screen.Width, screen.Height), mainRect));

    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowMaximizeButtonHint) && !flags.testFlag(Qt::WindowSystemMenuHint)) {
        // Changing the flags of a shown window hides it.
        const bool visible = window->isVisible();
        window->setWindowFlags(flags | Qt::WindowSystemMenuHint);
        if (visible)
            window->show();
    }
}

} // namespace ql
