// osprel: the tray month calendar. Wires the services and the main window
// together; everything else lives in the tray library.
#include "canvaspanel.h"
#include "centerform.h"
#include "helpviewer.h"
#include "mainform.h"
#include "programfolders.h"
#include "singleinstance.h"
#include "startoptions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("osprel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("osprel"));
    // Hiding into the tray leaves no window shown, and a message box closed
    // then must not end the program: only closing the main window does.
    app.setQuitOnLastWindowClosed(false);

    const ql::StartOptions options =
        ql::ParseStartOptions(app.arguments().mid(1), ql::ProcessEnvironment);
    for (const QString &argument : options.UnknownArguments)
        std::fprintf(stderr, "osprel: ignoring \"%s\"; the only option is --minimized\n",
                     qPrintable(argument));

    if (!options.DataFolder.isEmpty())
        ql::SetProgramFolders(ql::ProgramFolders(options.DataFolder, options.DataFolder));
    ql::SetSettingsFileBaseName(QStringLiteral("OSPRL.INI"));
    ql::SetMainWindowClassName(QStringLiteral("TMainForm"));
    ql::SetHelpFile(QStringLiteral("osprel"));

    ql::SingleInstance guard(options.InstanceKey.isEmpty() ? ql::SingleInstance::defaultKey()
                                                           : options.InstanceKey);
    if (!guard.start())
        return 0; // the running copy has been asked to come forward

    ql::TMainForm window;
    QObject::connect(&guard, &ql::SingleInstance::activationRequested, &window,
                     &ql::TMainForm::TrayIconDblClick);
    QObject::connect(&window, &ql::TMainForm::closed, &app, &QCoreApplication::quit);

#ifndef QT_NO_SESSIONMANAGER
    // A session saved while the calendar sits in the tray brings it back
    // there at the next login.
    QObject::connect(&app, &QGuiApplication::saveStateRequest, &window,
                     [&window](QSessionManager &manager) {
                         QStringList command{QCoreApplication::applicationFilePath()};
                         if (window.isInTray())
                             command << QStringLiteral("--minimized");
                         manager.setRestartCommand(command);
                     });
#endif

    if (options.StartupProbe != ql::StartOptions::Probe::None) {
        const bool quit = options.StartupProbe == ql::StartOptions::Probe::Quit;
        QObject::connect(
            window.canvasPanel(), &ql::TCanvasPanel::painted, &window,
            [quit, &sinceStart] {
                static bool reported = false;
                if (reported)
                    return;
                reported = true;
                std::printf("osprel: first paint after %lld ms\n",
                            static_cast<long long>(sinceStart.elapsed()));
                std::fflush(stdout);
                if (quit)
                    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            },
            Qt::DirectConnection);
    }

    if (options.Minimized)
        window.startMinimized();
    else
        window.show();
    return app.exec();
}
