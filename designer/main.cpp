#include "calendarpanel.h"
#include "calendarpanelwidget.h"

#include <QApplication>
#include <QPalette>
#include <QScrollArea>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));

    ql::TCalendarPanel page;
    page.SetMagnification(70);
    page.ResetToDefaultStyle();

    QScrollArea scroll;
    scroll.setWindowTitle(QStringLiteral("Quillon"));
    QPalette pal = scroll.palette();
    pal.setColor(QPalette::Window, QColor(142, 142, 142));
    scroll.setPalette(pal);
    scroll.setBackgroundRole(QPalette::Window);
    auto *view = new ql::CalendarPanelWidget(page);
    scroll.setWidget(view);
    scroll.resize(860, 700);
    scroll.show();
    return app.exec();
}
