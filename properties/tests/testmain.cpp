// Every properties test runs headless at 96 pixels per inch, with US English
// names, a fixed "today" (December 10, 1997) and its own data folder.
#include "calendarpanel.h"
#include "centerform.h"
#include "clock.h"
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ql::SetScreenPixelsPerInch(96);
    ql::SetCurrentDate(QDate(1997, 12, 10));
    ql::SetSettingsFileBaseName(QStringLiteral("QL.ini"));
    ql::SetMainWindowClassName(QStringLiteral("TCalendarMain"));
    QTemporaryDir folder;
    ql::SetProgramFolders(ql::ProgramFolders(folder.path(), folder.path() + QStringLiteral("/user")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
