#include "startoptions.h"

namespace ql {

StartOptions ParseStartOptions(const QStringList &arguments, const EnvironmentLookup &environment)
{
    StartOptions options;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--minimized"))
            options.Minimized = true;
        else
            options.UnknownArguments << argument;
    }
    options.DataFolder = environment("OSPREL_DATA_FOLDER");
    options.InstanceKey = environment("OSPREL_INSTANCE_KEY");
    const QString probe = environment("OSPREL_STARTUP_PROBE");
    if (probe == QLatin1String("report"))
        options.StartupProbe = StartOptions::Probe::Report;
    else if (probe == QLatin1String("quit"))
        options.StartupProbe = StartOptions::Probe::Quit;
    return options;
}

QString ProcessEnvironment(const char *name)
{
    return qEnvironmentVariable(name);
}

} // namespace ql
