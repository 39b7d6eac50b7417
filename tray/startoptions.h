#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ql {

// How osprel was started.
//
// The one command-line option is "--minimized": start with only the tray
// icon (the autostart launcher uses it, and so does a desktop session that
// saved the program while it sat in the tray). Other arguments are reported
// on the standard error stream and otherwise ignored.
//
// Three environment variables exist for the tests and the timing scripts
// only; they are read only when set and change nothing otherwise:
//   OSPREL_DATA_FOLDER   a folder to use as program and data folder (settings
//                        file and notes) instead of the real ones
//   OSPREL_INSTANCE_KEY  the single-instance guard's name, so that a test's
//                        copies never meet the user's running copy
//   OSPREL_STARTUP_PROBE "report": print the milliseconds from process start
//                        to the first painted grid on standard output;
//                        "quit": the same, then end the program
struct StartOptions
{
    enum class Probe { None, Report, Quit };

    bool Minimized = false;
    QStringList UnknownArguments;
    QString DataFolder;
    QString InstanceKey;
    Probe StartupProbe = Probe::None;

    bool operator==(const StartOptions &o) const
    {
        return Minimized == o.Minimized && UnknownArguments == o.UnknownArguments
               && DataFolder == o.DataFolder && InstanceKey == o.InstanceKey
               && StartupProbe == o.StartupProbe;
    }
};

using EnvironmentLookup = std::function<QString(const char *name)>;

// arguments: without the program name.
StartOptions ParseStartOptions(const QStringList &arguments, const EnvironmentLookup &environment);
// qEnvironmentVariable.
QString ProcessEnvironment(const char *name);

} // namespace ql
