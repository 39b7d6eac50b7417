#pragma once

#include <QColor>
#include <QString>

namespace ql {

class IniFile;

// The calendar font as the user chooses it: face, style and colour. Its
// sizes are fixed by the grid (title 16 points, the rest 10). Underline and
// strike-out last for the run only; the settings file has no keys for them.
struct CalendarFontChoice
{
    QString Name = QStringLiteral("Times New Roman");
    bool Bold = true;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QColor Color = Qt::black;

    bool operator==(const CalendarFontChoice &o) const
    {
        return Name == o.Name && Bold == o.Bold && Italic == o.Italic
               && Underline == o.Underline && StrikeOut == o.StrikeOut && Color == o.Color;
    }
    bool operator!=(const CalendarFontChoice &o) const { return !(*this == o); }
};

// The user's settings of the tray calendar, section "Settings" of OSPRL.INI.
struct TrayPreferences
{
    CalendarFontChoice Font;
    QColor CalendarColor = QColor(0xC0, 0xC0, 0xC0);
    // 1 = Sunday, 2 = Monday; any other value starts weeks on Monday with
    // neither menu item checked, as a hand-edited file may have it.
    int WeekStart = 1;
    QColor NotesColor = QColor(0xFF, 0, 0);

    bool operator==(const TrayPreferences &o) const
    {
        return Font == o.Font && CalendarColor == o.CalendarColor && WeekStart == o.WeekStart
               && NotesColor == o.NotesColor;
    }

    static constexpr int MaxFontNameLength = 255;
};

// Missing keys read as the defaults above.
TrayPreferences LoadPreferences(const IniFile &file);
// Writes all seven keys, in their fixed order; throws Error when the file
// cannot be written.
void SavePreferences(IniFile &file, const TrayPreferences &preferences);

} // namespace ql
