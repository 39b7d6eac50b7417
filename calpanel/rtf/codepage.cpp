#include "codepage.h"

#include <cerrno>
#include <iconv.h>

namespace ql {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five unused
// positions read as the C1 control of the same value, as Windows does.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(QChar(b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : char16_t(b)));
    }
    return out;
}

// iconv for the other code pages. Returns a null string when the code page
// is unknown to iconv or the bytes do not convert completely.
QString decodeIconv(const QByteArray &bytes, int cp)
{
    const QByteArray name = (cp == 10000 ? QByteArray("MACINTOSH") : "CP" + QByteArray::number(cp));
    iconv_t cd = iconv_open("UTF-16LE", name.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString();
    // Every input byte yields at most one UTF-16 unit in these code pages.
    QByteArray out(bytes.size() * 2 + 4, '\0');
    QByteArray in = bytes;
    char *inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char *outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    QString result;
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == EILSEQ || errno == EINVAL) {
                // An undecodable or incomplete sequence: one replacement
                // character for its first byte, then go on.
                if (outLeft < 2) {
                    ok = false;
                    break;
                }
                outPtr[0] = static_cast<char>(0xFD);
                outPtr[1] = static_cast<char>(0xFF);
                outPtr += 2;
                outLeft -= 2;
                ++inPtr;
                --inLeft;
                continue;
            }
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return QString();
    const qsizetype units = (outPtr - out.data()) / 2;
    result.resize(units);
    for (qsizetype i = 0; i < units; ++i) {
        const auto lo = static_cast<unsigned char>(out[2 * i]);
        const auto hi = static_cast<unsigned char>(out[2 * i + 1]);
        result[i] = QChar(char16_t(lo | (hi << 8)));
    }
    return result;
}

} // namespace

int CodePage::fromCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;  // Mac Roman
    case 128: return 932;   // Shift JIS
    case 129: return 949;   // Hangul
    case 130: return 1361;  // Johab
    case 134: return 936;   // GB 2312
    case 136: return 950;   // Big5
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 163: return 1258;  // Vietnamese
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 222: return 874;   // Thai
    case 238: return 1250;  // Eastern European
    case 254: return 437;   // PC 437
    default: return 0;
    }
}

bool CodePage::isLeadByte(int cp, unsigned char byte)
{
    switch (cp) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
    case 1361: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
    }
}

QString CodePage::decode(const QByteArray &bytes, int cp)
{
    if (cp != Windows1252 && cp > 0) {
        const QString s = decodeIconv(bytes, cp);
        if (!s.isNull())
            return s;
    }
    return decode1252(bytes);
}

int CodePage::toWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        // The C1 positions Windows leaves unused are not written as bytes:
        // another reader would take them for something else.
        if (kHigh1252[i] == c && c >= 0x100)
            return 0x80 + i;
    }
    return -1;
}

} // namespace ql
