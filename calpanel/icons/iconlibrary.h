#pragma once

#include <QString>
#include <QVector>

namespace ql {

// One of the icon libraries that ship with the designer: the caption of its
// item in the icon set menu and its file name in the library folder.
struct IconLibrary
{
    QString caption;
    QString fileName;

    bool operator==(const IconLibrary &o) const
    {
        return caption == o.caption && fileName == o.fileName;
    }
};

// The five libraries, in menu order: "Activities" (activity.icl), "Events"
// (events.icl), "Holidays" (holiday.icl), "Miscellaneous #1" (misc1.icl),
// "Miscellaneous #2" (misc2.icl).
const QVector<IconLibrary> &ShippedIconLibraries();

// The folder holding the shipped libraries: the program folder when they lie
// there (a build tree, or a copy of the programs with their data beside
// them), else the installed data folder found relative to the program
// (<prefix>/share/quillon/icons for a program in <prefix>/bin). Needs the
// application object.
QString IconLibraryFolder();

} // namespace ql
