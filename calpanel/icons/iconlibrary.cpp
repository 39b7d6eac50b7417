#include "iconlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ql {

const QVector<IconLibrary> &ShippedIconLibraries()
{
    static const QVector<IconLibrary> libraries = {
        {QStringLiteral("Activities"), QStringLiteral("activity.icl")},
        {QStringLiteral("Events"), QStringLiteral("events.icl")},
        {QStringLiteral("Holidays"), QStringLiteral("holiday.icl")},
        {QStringLiteral("Miscellaneous #1"), QStringLiteral("misc1.icl")},
        {QStringLiteral("Miscellaneous #2"), QStringLiteral("misc2.icl")},
    };
    return libraries;
}

QString IconLibraryFolder()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString firstLibrary = ShippedIconLibraries().constFirst().fileName;
    if (programFolder.exists(firstLibrary))
        return programFolder.path();
    // QL_ICON_LIBRARY_FROM_BIN is the install folder of the libraries relative
    // to the install folder of the programs, set by calpanel/icons/CMakeLists.txt.
    const QString installed =
        QDir::cleanPath(programFolder.filePath(QStringLiteral(QL_ICON_LIBRARY_FROM_BIN)));
    if (QFileInfo::exists(QDir(installed).filePath(firstLibrary)))
        return installed;
    return programFolder.path();
}

} // namespace ql
