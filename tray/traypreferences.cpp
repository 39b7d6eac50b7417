#include "traypreferences.h"

#include "colorref.h"
#include "inifile.h"

namespace ql {

namespace {

const QString Section = QStringLiteral("Settings");
const QString KeyFontName = QStringLiteral("Font Name");
const QString KeyFontBold = QStringLiteral("Font Bold");
const QString KeyFontItalic = QStringLiteral("Font Italic");
const QString KeyCalendarColor = QStringLiteral("Calendar Color");
const QString KeyWeekStart = QStringLiteral("WSO");
const QString KeyFontColor = QStringLiteral("Font Color");
const QString KeyNotesColor = QStringLiteral("Days With Notes Font Color");

} // namespace

TrayPreferences LoadPreferences(const IniFile &file)
{
    const TrayPreferences defaults;
    TrayPreferences p;
    p.Font.Name = file.readString(Section, KeyFontName, defaults.Font.Name)
                      .left(TrayPreferences::MaxFontNameLength);
    if (p.Font.Name.isEmpty())
        p.Font.Name = defaults.Font.Name;
    p.Font.Color = ColorFromColorRef(
        file.readInteger(Section, KeyFontColor, ColorRefFromColor(defaults.Font.Color)),
        defaults.Font.Color);
    p.Font.Bold = file.readBool(Section, KeyFontBold, defaults.Font.Bold);
    p.Font.Italic = file.readBool(Section, KeyFontItalic, defaults.Font.Italic);
    p.CalendarColor = ColorFromColorRef(
        file.readInteger(Section, KeyCalendarColor, ColorRefFromColor(defaults.CalendarColor)),
        defaults.CalendarColor);
    p.NotesColor = ColorFromColorRef(
        file.readInteger(Section, KeyNotesColor, ColorRefFromColor(defaults.NotesColor)),
        defaults.NotesColor);
    p.WeekStart = file.readInteger(Section, KeyWeekStart, defaults.WeekStart);
    return p;
}

void SavePreferences(IniFile &file, const TrayPreferences &p)
{
    file.writeString(Section, KeyFontName, p.Font.Name);
    file.writeBool(Section, KeyFontBold, p.Font.Bold);
    file.writeBool(Section, KeyFontItalic, p.Font.Italic);
    file.writeInteger(Section, KeyCalendarColor, ColorRefFromColor(p.CalendarColor));
    file.writeInteger(Section, KeyWeekStart, p.WeekStart);
    file.writeInteger(Section, KeyFontColor, ColorRefFromColor(p.Font.Color));
    file.writeInteger(Section, KeyNotesColor, ColorRefFromColor(p.NotesColor));
}

} // namespace ql
