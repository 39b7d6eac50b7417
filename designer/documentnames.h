#pragma once

#include <QString>

namespace ql {

class TCalendarPanel;

// "Quillon", then "  [DEC1997.QLF]" when a file is open, then "    [70%]".
QString WindowCaption(const QString &fileName, int magnification);

// The name the Save As dialog proposes: the open file's name without its
// folder, or for an untitled calendar the month's first three letters and
// the year ("Dec1997.QLF").
QString ProposedCalendarFileName(const TCalendarPanel &page, const QString &fileName);
// The name the bitmap dialog proposes: the open file's name with the
// extension replaced, or the month and year as above, ending in extension
// (".BMP").
QString ProposedImageFileName(const TCalendarPanel &page, const QString &fileName,
                              const QString &extension);

// True when the path ends in ".QLF" in any case.
bool HasCalendarFileExtension(const QString &path);

} // namespace ql
