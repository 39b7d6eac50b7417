#include "designerpreferences.h"

#include "inifile.h"

namespace ql {

namespace {

const QString kZooming = QStringLiteral("Zooming");
const QString kFont = QStringLiteral("Default Font");
const QString kIcons = QStringLiteral("Icons");
const QString kHints = QStringLiteral("Hints");

int readZoom(const IniFile &file, const QString &key, int defaultValue)
{
    const int v = file.readInteger(kZooming, key, defaultValue);
    return v >= DesignerPreferences::MinZoom && v <= DesignerPreferences::MaxZoom ? v : defaultValue;
}

} // namespace

bool DesignerPreferences::operator==(const DesignerPreferences &o) const
{
    return MainZoom == o.MainZoom && PropertiesZoom == o.PropertiesZoom
           && DefaultFontName == o.DefaultFontName && DefaultFontSize == o.DefaultFontSize
           && DefaultFontBold == o.DefaultFontBold && DefaultFontItalic == o.DefaultFontItalic
           && DefaultFontUnderline == o.DefaultFontUnderline
           && DefaultFontStrikeout == o.DefaultFontStrikeout
           && DefaultFontColor == o.DefaultFontColor && IconFile == o.IconFile
           && ShowHints == o.ShowHints;
}

DesignerPreferences DesignerPreferences::load(const IniFile &file, const QString &programFolder)
{
    DesignerPreferences p;
    p.MainZoom = readZoom(file, QStringLiteral("Main"), p.MainZoom);
    p.PropertiesZoom = readZoom(file, QStringLiteral("Prop"), p.PropertiesZoom);
    p.DefaultFontName = file.readString(kFont, QStringLiteral("Name"), p.DefaultFontName);
    if (p.DefaultFontName.isEmpty())
        p.DefaultFontName = QStringLiteral("Arial");
    const int size = file.readInteger(kFont, QStringLiteral("Size"), p.DefaultFontSize);
    // Sizes a font can really have; anything else would make text vanish or
    // fill the whole cell with one letter.
    if (size >= 1 && size <= 1638)
        p.DefaultFontSize = size;
    p.DefaultFontBold = file.readBool(kFont, QStringLiteral("Bold"), false);
    p.DefaultFontItalic = file.readBool(kFont, QStringLiteral("Italic"), false);
    p.DefaultFontUnderline = file.readBool(kFont, QStringLiteral("Underline"), false);
    p.DefaultFontStrikeout = file.readBool(kFont, QStringLiteral("Strikeout"), false);
    p.DefaultFontColor = file.readInteger(kFont, QStringLiteral("Color"), clBlack);
    p.IconFile = file.readString(kIcons, QStringLiteral("File"),
                                 programFolder + QStringLiteral("MISC1.ICL"));
    p.ShowHints = file.readBool(kHints, QStringLiteral("On"), true);
    return p;
}

void DesignerPreferences::save(IniFile &file) const
{
    file.writeInteger(kZooming, QStringLiteral("Main"), MainZoom);
    file.writeInteger(kZooming, QStringLiteral("Prop"), PropertiesZoom);
    file.writeString(kFont, QStringLiteral("Name"), DefaultFontName);
    file.writeInteger(kFont, QStringLiteral("Size"), DefaultFontSize);
    file.writeBool(kFont, QStringLiteral("Bold"), DefaultFontBold);
    file.writeBool(kFont, QStringLiteral("Italic"), DefaultFontItalic);
    file.writeBool(kFont, QStringLiteral("Underline"), DefaultFontUnderline);
    file.writeBool(kFont, QStringLiteral("Strikeout"), DefaultFontStrikeout);
    file.writeInteger(kFont, QStringLiteral("Color"), DefaultFontColor);
    file.writeBool(kHints, QStringLiteral("On"), ShowHints);
    file.writeString(kIcons, QStringLiteral("File"), IconFile);
}

QFont DesignerPreferences::defaultFont() const
{
    QFont f(DefaultFontName);
    f.setPointSize(DefaultFontSize);
    f.setBold(DefaultFontBold);
    f.setItalic(DefaultFontItalic);
    f.setUnderline(DefaultFontUnderline);
    f.setStrikeOut(DefaultFontStrikeout);
    return f;
}

void DesignerPreferences::setDefaultFont(const QFont &font)
{
    DefaultFontName = font.family();
    if (font.pointSize() > 0)
        DefaultFontSize = font.pointSize();
    DefaultFontBold = font.bold();
    DefaultFontItalic = font.italic();
    DefaultFontUnderline = font.underline();
    DefaultFontStrikeout = font.strikeOut();
}

} // namespace ql
