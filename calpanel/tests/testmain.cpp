// Every engine test runs headless, at 96 pixels per inch, with English month
// and day names and a fixed "today", whatever the machine says.
#include "calendarpanel.h"
#include "clock.h"

#include <QGuiApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ql::SetScreenPixelsPerInch(96);
    ql::SetCurrentDate(QDate(1997, 1, 15));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
