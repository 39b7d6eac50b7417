#pragma once

#include "caltypes.h"

#include <QFont>
#include <QString>

namespace ql {

class IniFile;

// The designer's preferences as the settings file keeps them. Every field is
// read key by key with its default when the key is absent or unusable.
struct DesignerPreferences
{
    int MainZoom = 60;
    int PropertiesZoom = 30;
    QString DefaultFontName = QStringLiteral("Arial");
    int DefaultFontSize = 10;
    bool DefaultFontBold = false;
    bool DefaultFontItalic = false;
    bool DefaultFontUnderline = false;
    bool DefaultFontStrikeout = false;
    TColor DefaultFontColor = clBlack;
    QString IconFile;
    bool ShowHints = true;

    bool operator==(const DesignerPreferences &o) const;
    bool operator!=(const DesignerPreferences &o) const { return !(*this == o); }

    // A magnification outside these bounds comes from a damaged or hand-edited
    // file; it would make a page of no size or one too large to compose in
    // memory, so it reads as the default instead.
    static constexpr int MinZoom = 5;
    static constexpr int MaxZoom = 300;

    // programFolder ends in '/'; the icon library defaults to MISC1.ICL there.
    static DesignerPreferences load(const IniFile &file, const QString &programFolder);
    // Writes every key; throws Error when the file cannot be written.
    void save(IniFile &file) const;

    // The default editor font as a font (its colour is kept apart).
    QFont defaultFont() const;
    // Takes name, size and style from a font the user chose.
    void setDefaultFont(const QFont &font);
};

} // namespace ql
