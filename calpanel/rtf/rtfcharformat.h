#pragma once

namespace ql {

// The character format RTF carries per run, as both the reader and the
// writer track it: font table index, size in half points, the four style
// flags and the colour table index.
struct RtfCharFormat
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;

    bool operator==(const RtfCharFormat &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic
            && underline == o.underline && strike == o.strike && color == o.color;
    }
    bool operator!=(const RtfCharFormat &o) const { return !(*this == o); }
};

} // namespace ql
