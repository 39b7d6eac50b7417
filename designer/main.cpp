// The designer program: one running copy, the main window, the message loop.
#include "buttonpictures.h"
#include "calendarmain.h"
#include "centerform.h"
#include "programfolders.h"
#include "propertiesdialogs.h"
#include "singleinstance.h"
#include "systemprinters.h"
#include "tooltipdelaystyle.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The application title; it also names the per-user data folder.
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setDesktopFileName(QStringLiteral("quillon"));

    ql::SingleInstance guard;
    if (!guard.start())
        return 0;

    QApplication::setWindowIcon(ql::ApplicationIcon());
    QApplication::setStyle(new ql::TooltipDelayStyle(1200));
    ql::SetSettingsFileBaseName(QStringLiteral("QL.ini"));
    ql::SetMainWindowClassName(QStringLiteral("TCalendarMain"));

    // The real properties dialog and About box in place of the stand-ins.
    ql::PropertiesDialogs dialogs;
    ql::SystemPrinters printers;
    ql::TCalendarMain window(dialogs, printers);
    QObject::connect(&guard, &ql::SingleInstance::activationRequested, &window,
                     [&window] { ql::SingleInstance::bringToFront(&window); });
    window.FormActivate();
    return app.exec();
}
