#include "documentformat.h"

#include "error.h"
#include "valuestream.h"

#include <cmath>

namespace ql {

namespace {

// Enumerations are stored as their ordinal; the low byte counts.
template <typename E>
E readEnum(ValueReader &r, int max, const char *what)
{
    const int v = r.readInteger() & 0xFF;
    if (v > max)
        throw Error(QStringLiteral("The file holds an unknown %1 (%2).").arg(QLatin1String(what)).arg(v));
    return static_cast<E>(v);
}

float readMargin(ValueReader &r)
{
    return static_cast<float>(r.readInteger() * 0.01);
}

} // namespace

int MarginToHundredths(float inches)
{
    return static_cast<int>(std::trunc(static_cast<double>(inches) * 100.0));
}

void WriteFontRecord(ValueWriter &w, const CalFont &f)
{
    w.writeString(f.Name);
    w.writeInteger(f.Size);
    w.writeBoolean(f.Style & fsBold);
    w.writeBoolean(f.Style & fsItalic);
    w.writeBoolean(f.Style & fsUnderline);
    w.writeBoolean(f.Style & fsStrikeOut);
    w.writeInteger(f.Color);
}

void ReadFontRecord(ValueReader &r, CalFont &f)
{
    CalFont out;
    out.Name = r.readString();
    out.Size = r.readInteger();
    // A size no page can draw is a damaged file, not a font.
    if (out.Size < 1 || out.Size > 1000)
        throw Error(QStringLiteral("The file holds an impossible font size (%1).").arg(out.Size));
    out.Style = 0;
    if (r.readBoolean())
        out.Style |= fsBold;
    if (r.readBoolean())
        out.Style |= fsItalic;
    if (r.readBoolean())
        out.Style |= fsUnderline;
    if (r.readBoolean())
        out.Style |= fsStrikeOut;
    out.Color = r.readInteger();
    f = out;
}

void WriteSettings(ValueWriter &w, const PageSettings &s)
{
    w.writeInteger(s.PaperSize);
    w.writeInteger(s.CalendarOrientation);
    w.writeInteger(MarginToHundredths(s.LeftMarginInch));
    w.writeInteger(MarginToHundredths(s.TopMarginInch));
    w.writeInteger(MarginToHundredths(s.RightMarginInch));
    w.writeInteger(MarginToHundredths(s.BottomMarginInch));
    w.writeInteger(s.CalendarLayout);
    w.writeInteger(s.CalendarBorder);
    w.writeInteger(s.CalendarLineLayout);
    for (const QString &m : s.Names.Months)
        w.writeString(m);
    for (const QString &d : s.Names.Days)
        w.writeString(d);
    w.writeInteger(s.TitleBGColor);
    WriteFontRecord(w, s.TitleFont);
    w.writeBoolean(s.TitleShowYear);
    WriteFontRecord(w, s.HeadersFont);
    w.writeInteger(s.HeadersBorder);
    w.writeInteger(s.HeadersStyle);
    w.writeInteger(s.HeadersBGColor);
    WriteFontRecord(w, s.CellFont);
    w.writeInteger(s.CellBorder);
    w.writeInteger(s.MiniCalendarLineLayout);
    w.writeInteger(s.MiniCalBorder);
    w.writeInteger(s.MiniCalBGColor);
    w.writeBoolean(s.MiniShowYear);
    WriteFontRecord(w, s.MiniTitleFont);
    WriteFontRecord(w, s.MiniHeadersFont);
    w.writeInteger(s.MiniHeadersBGColor);
    w.writeInteger(s.MiniHeadersStyle);
    w.writeInteger(s.MiniHeadersBorder);
    w.writeInteger(s.MiniCellBorder);
    WriteFontRecord(w, s.MiniCellFont);
    w.writeInteger(s.NumberPosition);
}

void ReadSettings(ValueReader &r, PageSettings &s)
{
    s.PaperSize = r.readInteger();
    s.CalendarOrientation = readEnum<TCalendarOrientation>(r, kMaxOrientation, "orientation");
    s.LeftMarginInch = readMargin(r);
    s.TopMarginInch = readMargin(r);
    s.RightMarginInch = readMargin(r);
    s.BottomMarginInch = readMargin(r);
    s.CalendarLayout = readEnum<TCalendarLayout>(r, kLayoutCount - 1, "layout");
    s.CalendarBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    s.CalendarLineLayout = readEnum<TCalendarLineLayout>(r, kMaxLineLayout, "line layout");
    for (QString &m : s.Names.Months)
        m = r.readString();
    for (QString &d : s.Names.Days)
        d = r.readString();
    s.TitleBGColor = r.readInteger();
    ReadFontRecord(r, s.TitleFont);
    s.TitleShowYear = r.readBoolean();
    ReadFontRecord(r, s.HeadersFont);
    s.HeadersBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    s.HeadersStyle = readEnum<TCalHeadersStyle>(r, kMaxHeadersStyle, "header style");
    s.HeadersBGColor = r.readInteger();
    ReadFontRecord(r, s.CellFont);
    s.CellBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    s.MiniCalendarLineLayout = readEnum<TMiniCalendarLineLayout>(r, kMaxMiniLineLayout, "line layout");
    s.MiniCalBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    s.MiniCalBGColor = r.readInteger();
    s.MiniShowYear = r.readBoolean();
    ReadFontRecord(r, s.MiniTitleFont);
    ReadFontRecord(r, s.MiniHeadersFont);
    s.MiniHeadersBGColor = r.readInteger();
    s.MiniHeadersStyle = readEnum<TCalHeadersStyle>(r, kMaxHeadersStyle, "header style");
    s.MiniHeadersBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    s.MiniCellBorder = readEnum<TCalBorderStyle>(r, kMaxBorderStyle, "border style");
    ReadFontRecord(r, s.MiniCellFont);
    s.NumberPosition = readEnum<TCalendarNumberPosition>(r, kMaxNumberPosition, "number position");
}

} // namespace ql
