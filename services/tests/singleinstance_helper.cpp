// A tiny program the single-instance tests start twice:
//
//   singleinstance_helper KEY wait    first copy: prints "primary", then
//                                     "activated" and ends when a second copy
//                                     asks it to come forward
//   singleinstance_helper KEY crash   prints "primary" and dies on SIGKILL,
//                                     leaving its lock and socket behind
//
// A second copy prints "secondary" and ends with status 0.
#include "singleinstance.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[2]);
    ql::SingleInstance guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.start()) {
        std::puts("secondary");
        return 0;
    }
    std::puts("primary");
    std::fflush(stdout);
    if (mode == QLatin1String("crash"))
        std::raise(SIGKILL);

    QObject::connect(&guard, &ql::SingleInstance::activationRequested, &app, [&app] {
        std::puts("activated");
        std::fflush(stdout);
        app.quit();
    });
    QTimer::singleShot(30000, &app, [&app] { app.exit(3); }); // never hang a test run
    return app.exec();
}
