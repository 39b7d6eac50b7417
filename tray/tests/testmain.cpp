// Every tray test runs headless at 96 pixels per inch, in US English and UTC,
// with the data folder in a temporary folder of its own; the tests that need
// today's date hand the window a clock of their own.
#include "centerform.h"
#include "programfolders.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir data;
    ql::SetProgramFolders(ql::ProgramFolders(data.path(), data.path()));
    ql::SetSettingsFileBaseName(QStringLiteral("OSPRL.INI"));
    ql::SetMainWindowClassName(QStringLiteral("TMainForm"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
