// The RTF reader and writer: round trips of everything a cell holds, every
// kind of picture group, files as other word processors write them, and
// damaged input.
#include "cellstorage.h"
#include "error.h"
#include "rtfreader.h"
#include "rtfwriter.h"
#include "rtftestutil.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace rtftest;

namespace {

std::unique_ptr<QTextDocument> readRtf(const QByteArray &rtf)
{
    auto d = std::make_unique<QTextDocument>();
    ql::RtfReader::read(rtf, *d);
    return d;
}

QString plainText(const QByteArray &rtf)
{
    return text(*readRtf(rtf));
}

QTextCharFormat format(const QString &family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    return f;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// The document after a trip through the writer and the reader.
std::unique_ptr<QTextDocument> roundTrip(const QTextDocument &d)
{
    const QByteArray rtf = ql::RtfWriter::write(d);
    return readRtf(rtf);
}

} // namespace

TEST(RtfWriter, WritesStandardHeaderTablesAndPage)
{
    QTextDocument d;
    QTextCursor c(&d);
    QTextCharFormat red = format(QStringLiteral("Courier New"), 10);
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("x"), red);
    const QByteArray rtf = ql::RtfWriter::write(d);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("Courier New;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;}")) << rtf.constData();
    for (const char *word : {"\\paperw", "\\paperh", "\\margl", "\\margr", "\\margt", "\\margb"})
        EXPECT_TRUE(rtf.contains(word)) << word;
    EXPECT_TRUE(rtf.endsWith('}'));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
}

TEST(RtfRoundTrip, CharacterFormatsFontsAndColours)
{
    struct Case
    {
        const char *name;
        void (*apply)(QTextCharFormat &);
    };
    const Case cases[] = {
        {"plain", [](QTextCharFormat &) {}},
        {"bold", [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); }},
        {"italic", [](QTextCharFormat &f) { f.setFontItalic(true); }},
        {"underline", [](QTextCharFormat &f) { f.setFontUnderline(true); }},
        {"strike-out", [](QTextCharFormat &f) { f.setFontStrikeOut(true); }},
        {"colour", [](QTextCharFormat &f) { f.setForeground(QColor(0x12, 0x80, 0xFE)); }},
        {"font and size", [](QTextCharFormat &f) {
             f.setFontFamilies({QStringLiteral("Times New Roman")});
             f.setFontPointSize(25.5);
         }},
        {"all at once", [](QTextCharFormat &f) {
             f.setFontWeight(QFont::Bold);
             f.setFontItalic(true);
             f.setFontUnderline(true);
             f.setFontStrikeOut(true);
             f.setForeground(QColor(0, 128, 0));
         }},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.name);
        // The formatted run sits between two plain runs, so that a flag that
        // leaks past the end of its run shows too.
        QTextDocument d;
        QTextCursor c(&d);
        const QTextCharFormat plain = format(QStringLiteral("Arial"), 12);
        QTextCharFormat f = plain;
        tc.apply(f);
        c.insertText(QStringLiteral("before "), plain);
        c.insertText(QStringLiteral("run"), f);
        c.insertText(QStringLiteral(" after"), plain);
        const auto back = roundTrip(d);
        EXPECT_EQ(runs(*back), runs(d));
    }
}

TEST(RtfRoundTrip, ParagraphsAndAlignment)
{
    QTextDocument d;
    QTextCursor c(&d);
    const QTextCharFormat f = format(QStringLiteral("Arial"), 12);
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify,
                                    Qt::AlignLeft};
    bool firstBlock = true;
    for (Qt::Alignment a : aligns) {
        QTextBlockFormat bf;
        bf.setAlignment(a);
        if (firstBlock)
            c.setBlockFormat(bf);
        else
            c.insertBlock(bf, f);
        firstBlock = false;
        c.insertText(QStringLiteral("paragraph %1").arg(int(a)), f);
    }
    // An empty paragraph between texts, and one at the end, survive too.
    c.insertBlock(QTextBlockFormat(), f);
    c.insertBlock(QTextBlockFormat(), f);
    c.insertText(QStringLiteral("last"), f);
    c.insertBlock(QTextBlockFormat(), f);

    const auto back = roundTrip(d);
    EXPECT_EQ(back->blockCount(), d.blockCount());
    EXPECT_EQ(back->toPlainText(), d.toPlainText());
    EXPECT_EQ(runs(*back), runs(d));
}

TEST(RtfRoundTrip, UnicodeTextAndSpecialCharacters)
{
    // Latin-1, Windows-1252 extras, Greek, Cyrillic, CJK, a character beyond
    // the BMP, RTF's own syntax characters, a tab and a line break.
    const QString text = QStringLiteral("caf\u00e9 \u20ac\u2019\u0160 \u03a9 \u041f\u0440\u0438\u0432\u0435\u0442 "
                                        "\u65e5\u672c {a}\\b\\\t\u2028x ")
        + QString::fromUcs4(U"\U0001F600") + QStringLiteral("!");
    QTextDocument d;
    QTextCursor(&d).insertText(text, format(QStringLiteral("Arial"), 12));
    const QByteArray rtf = ql::RtfWriter::write(d);
    for (char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "RTF is 7-bit";
    EXPECT_TRUE(rtf.contains("caf\\'e9")) << "Windows-1252 as \\'hh";
    EXPECT_TRUE(rtf.contains("\\'80")) << "euro sign is 0x80 in Windows-1252";
    EXPECT_TRUE(rtf.contains("\\u937?")) << "Omega as \\uN";
    EXPECT_TRUE(rtf.contains("\\u-10179?\\u-8704?")) << "beyond the BMP as two signed surrogates";
    EXPECT_EQ(rtftest::text(*roundTrip(d)), text);
}

TEST(RtfRoundTrip, PicturesKeepPixelsAndDisplaySize)
{
    QImage img(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.setPixel(x, y, qRgb(x * 8, y * 8, (x ^ y) * 8));
    QTextDocument d;
    d.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("icon")), img);
    QTextCursor c(&d);
    c.insertText(QStringLiteral("a "), format(QStringLiteral("Arial"), 12));
    QTextImageFormat natural;
    natural.setName(QStringLiteral("icon"));
    c.insertImage(natural);
    QTextImageFormat scaled;
    scaled.setName(QStringLiteral("icon"));
    scaled.setWidth(48);
    scaled.setHeight(20);
    c.insertImage(scaled);

    const QByteArray rtf = ql::RtfWriter::write(d);
    EXPECT_TRUE(rtf.contains("{\\pict\\dibitmap0\\picw32\\pich32\\picwgoal480\\pichgoal480")) << rtf.left(400).constData();
    const auto back = readRtf(rtf);
    const auto r = runs(*back);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[1].pictureSize, QSize(32, 32));
    EXPECT_EQ(r[2].pictureSize, QSize(48, 20));
    const auto pics = pictures(*back);
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].convertToFormat(QImage::Format_RGB32), img);
}

TEST(RtfRoundTrip, EmptyStorageIsValidRtfAndReadsBackEmpty)
{
    ql::CellStorage empty;
    const QByteArray rtf = empty.toRtf();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\deff0\\deftab720"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    ql::CellStorage back;
    back.fromRtf("{\\rtf1 x}");
    ASSERT_FALSE(back.isEmpty());
    back.fromRtf(rtf);
    EXPECT_TRUE(back.isEmpty());
    EXPECT_EQ(back.toRtf(), rtf);
}

TEST(RtfReader, PictureKinds)
{
    const QImage rgb = testImage();
    const QImage indexed = testImageIndexed();
    QImage mono(4, 3, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            mono.setPixel(x, y, (x + y) % 2);
    const QImage monoRgb = mono.convertToFormat(QImage::Format_RGB32);
    QImage nibble(4, 3, QImage::Format_Indexed8);
    nibble.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            nibble.setPixel(x, y, static_cast<uint>((x + 2 * y) % 4));

    // Device-dependent bits: top row first, rows padded to 16 bits.
    QByteArray ddb24;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const QRgb p = rgb.pixel(x, y);
            ddb24 += char(qBlue(p));
            ddb24 += char(qGreen(p));
            ddb24 += char(qRed(p));
        }
    }
    QByteArray ddb1;
    for (int y = 0; y < 3; ++y) {
        char bits = 0;
        for (int x = 0; x < 4; ++x)
            bits = static_cast<char>(bits | (mono.pixelIndex(x, y) << (7 - x)));
        ddb1 += bits;
        ddb1 += '\0';
    }
    const QByteArray dib24 = dib(rgb, 24);
    const QByteArray noBitmapWmf = wmf({wmfRecord(0x020C, QByteArray("\x10\x00\x20\x00", 4))});

    struct Case
    {
        const char *name;
        QByteArray group;
        QImage expected;  // null: a white placeholder
        QSize display;
    };
    const Case cases[] = {
        {"dib 24-bit", pict("\\dibitmap0\\picw4\\pich3", dib24), rgb, QSize(4, 3)},
        {"dib 32-bit top-down", pict("\\dibitmap0", dib(rgb, 32, true)), rgb, QSize(4, 3)},
        {"dib 8-bit palette", pict("\\dibitmap0", dib(indexed, 8)), rgb, QSize(4, 3)},
        {"dib 4-bit palette", pict("\\dibitmap0", dib(nibble, 4)), nibble.convertToFormat(QImage::Format_RGB32), QSize(4, 3)},
        {"dib 1-bit", pict("\\dibitmap0", dib(mono, 1)), monoRgb, QSize(4, 3)},
        {"dib with goal size", pict("\\dibitmap0\\picwgoal900\\pichgoal450", dib24), rgb, QSize(60, 30)},
        {"dib scaled", pict("\\dibitmap0\\picwgoal300\\pichgoal150\\picscalex200\\picscaley50", dib24), rgb, QSize(40, 5)},
        {"dib as \\bin", "{\\pict\\dibitmap0\\bin" + QByteArray::number(dib24.size()) + " " + dib24 + "}", rgb, QSize(4, 3)},
        {"ddb 24-bit", pict("\\wbitmap0\\picw4\\pich3\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes12", ddb24), rgb, QSize(4, 3)},
        {"ddb 1-bit", pict("\\wbitmap0\\picw4\\pich3\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2", ddb1), monoRgb, QSize(4, 3)},
        {"wmf stretchdib", pict("\\wmetafile8\\picw106\\pich79\\picwgoal60\\pichgoal45",
                                wmf({stretchDib(dib24, 4, 3, 0, 0, 4, 3)})), rgb, QSize(4, 3)},
        {"wmf dibstretchblt", pict("\\wmetafile8\\picwgoal120\\pichgoal90",
                                   wmf({dibStretchBlt(dib(indexed, 8), 4, 3, 0, 0, 40, 30)})), rgb, QSize(8, 6)},
        {"wmf without bitmap", pict("\\wmetafile8\\picw1000\\pich500\\picwgoal600\\pichgoal300", noBitmapWmf),
         QImage(), QSize(40, 20)},
        {"wmf without bitmap, no goal", pict("\\wmetafile8\\picw2540\\pich1270", noBitmapWmf), QImage(), QSize(96, 48)},
        {"png", pict("\\pngblip\\picw4\\pich3", encoded(rgb, "PNG")), rgb, QSize(4, 3)},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.name);
        const auto d = readRtf(doc("a" + tc.group + "b"));
        EXPECT_EQ(text(*d), QStringLiteral("a\uFFFCb"));
        const auto r = runs(*d);
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[1].pictureSize, tc.display);
        const auto pics = pictures(*d);
        ASSERT_EQ(pics.size(), 1u);
        const QImage got = pics[0].convertToFormat(QImage::Format_RGB32);
        if (tc.expected.isNull()) {
            EXPECT_EQ(got.size(), tc.display);
            EXPECT_EQ(got.pixel(0, 0), qRgb(255, 255, 255));
            EXPECT_EQ(got.pixel(got.width() - 1, got.height() - 1), qRgb(255, 255, 255));
        } else {
            EXPECT_EQ(got, tc.expected.convertToFormat(QImage::Format_RGB32));
        }
    }
}

TEST(RtfReader, JpegPictureIsDecoded)
{
    // JPEG is lossy: a flat colour comes back close to itself.
    QImage img(16, 8, QImage::Format_RGB32);
    img.fill(qRgb(200, 40, 90));
    const auto d = readRtf(doc(pict("\\jpegblip\\picwgoal480\\pichgoal240", encoded(img, "JPEG"))));
    const auto pics = pictures(*d);
    ASSERT_EQ(pics.size(), 1u);
    ASSERT_EQ(pics[0].size(), QSize(16, 8));
    const QRgb p = pics[0].pixel(8, 4);
    EXPECT_NEAR(qRed(p), 200, 8);
    EXPECT_NEAR(qGreen(p), 40, 8);
    EXPECT_NEAR(qBlue(p), 90, 8);
    EXPECT_EQ(runs(*d)[0].pictureSize, QSize(32, 16));
}

TEST(RtfReader, MetafileIconMaskAndImageCompose)
{
    // An icon recorded into a metafile: the AND mask (black where the icon
    // is opaque) and then the XOR colour image (black where transparent).
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    QImage colour(2, 1, QImage::Format_RGB32);
    colour.setPixel(0, 0, qRgb(255, 0, 0));
    colour.setPixel(1, 0, qRgb(0, 0, 0));
    const QByteArray meta = wmf({stretchDib(dib(mask, 24), 2, 1, 0, 0, 2, 1, 0x008800C6u),
                                 stretchDib(dib(colour, 24), 2, 1, 0, 0, 2, 1, 0x00660046u)});
    const auto pics = pictures(*readRtf(doc(pict("\\wmetafile8", meta))));
    ASSERT_EQ(pics.size(), 1u);
    ASSERT_EQ(pics[0].size(), QSize(2, 1));
    EXPECT_EQ(pics[0].pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(pics[0].pixel(1, 0), qRgb(255, 255, 255));
}

TEST(RtfReader, TextRules)
{
    struct Case
    {
        const char *name;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"\\'hh in Windows-1252 by default", doc("caf\\'e9 \\'80"), QStringLiteral("caf\u00e9 \u20ac")},
        {"\\ansicpg1251", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", QStringLiteral("\u041f\u0440\u0438")},
        {"font \\fcharset204 over \\ansicpg1252",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\'e9\\f1\\'e9}",
         QStringLiteral("\u00e9\u0439")},
        {"double-byte code page", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'83e}", QStringLiteral("\u3042\u30c6")},
        {"8-bit text without escapes", "{\\rtf1\\ansi caf\xe9}", QStringLiteral("caf\u00e9")},
        {"\\u with one fallback", doc("\\u937?x"), QStringLiteral("\u03a9x")},
        {"\\uc2 drops two fallbacks", doc("\\uc2\\u937\\'4f\\'4dx"), QStringLiteral("\u03a9x")},
        {"\\uc0 drops none", doc("\\uc0\\u937 x"), QStringLiteral("\u03a9x")},
        {"\\uc in a group ends with it", doc("{\\uc3 a}\\u937?b"), QStringLiteral("a\u03a9b")},
        {"negative \\u and surrogates", doc("\\u-3?\\u-10179?\\u-8704?"),
         QStringLiteral("\ufffd") + QString::fromUcs4(U"\U0001F600")},
        {"escaped syntax characters", doc("\\{\\}\\\\"), QStringLiteral("{}\\")},
        {"\\tab \\line \\~ and named characters", doc("a\\tab b\\line c\\~d\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"),
         QStringLiteral("a\tb\u2028c\u00a0d\u2014\u2013\u2022\u2018\u2019\u201c\u201d")},
        {"line breaks in the source are not text", doc("a\r\nb\nc"), QStringLiteral("abc")},
        {"\\par and backslash-newline", doc("a\\par b\\\nc"), QStringLiteral("a\nb\nc")},
        {"unknown \\* destination skipped", doc("a{\\*\\unknownthing b{c}}d"), QStringLiteral("ad")},
        {"unknown word ignored, its group's text kept", doc("a{\\unknownword b}c"), QStringLiteral("abc")},
        {"known destinations skipped", doc("{\\info{\\title T}}{\\stylesheet{\\s1 Normal;}}x{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt link}}"),
         QStringLiteral("xlink")},
        {"word's alternative picture skipped", doc("{\\*\\shppict{\\pict\\dibitmap0 " + dib(testImage(), 24).toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 0100}}"),
         QStringLiteral("\ufffc")},
        {"\\bin outside a picture skips its bytes", doc("a{\\*\\foo\\bin3 }}}b}c"), QStringLiteral("ac")},
        {"text after the document's end ignored", "{\\rtf1 a}b}", QStringLiteral("a")},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.name);
        EXPECT_EQ(plainText(tc.rtf), tc.text);
    }
}

TEST(RtfReader, FormattingWords)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
        "{\\f2\\fmodern{\\*\\panose 02070309020205020404}Courier New{\\*\\falt Courier};}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "\\pard\\qc\\f2\\fs30\\b\\i\\ul\\strike\\cf1 A\\b0\\i0\\ulnone\\strike0\\cf0 B"
        "{\\cf2\\ul C}D\\par\\pard\\qr\\plain E\\qj\\par F}";
    const auto d = readRtf(rtf);
    const auto r = runs(*d);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].text, QStringLiteral("A"));
    EXPECT_EQ(r[0].family, QStringLiteral("Courier New"));
    EXPECT_EQ(r[0].points, 15);
    EXPECT_TRUE(r[0].bold && r[0].italic && r[0].underline && r[0].strike);
    EXPECT_EQ(r[0].color, 0xFF0000u);
    EXPECT_EQ(r[0].align, Qt::AlignHCenter);
    EXPECT_EQ(r[1].text, QStringLiteral("B"));
    EXPECT_FALSE(r[1].bold || r[1].italic || r[1].underline || r[1].strike);
    EXPECT_EQ(r[1].color, 0u);
    EXPECT_EQ(r[2].text, QStringLiteral("C"));
    EXPECT_EQ(r[2].color, 0x0000FFu);
    EXPECT_TRUE(r[2].underline);
    EXPECT_EQ(r[3].text, QStringLiteral("D"));
    EXPECT_FALSE(r[3].underline) << "group ended";
    EXPECT_EQ(r[4].text, QStringLiteral("E"));
    EXPECT_EQ(r[4].family, QStringLiteral("Arial")) << "\\plain returns to \\deff";
    EXPECT_EQ(r[4].points, 12) << "\\plain returns to 12 points";
    EXPECT_EQ(r[4].align, Qt::AlignJustify) << "alignment in effect at \\par";
    EXPECT_EQ(r[5].align, Qt::AlignJustify) << "carried into the next paragraph";
}

TEST(RtfReader, FilesOfOtherWordProcessors)
{
    struct Case
    {
        const char *file;
        QString text;
        int bold;  // index of a run expected bold, -1 none
    };
    const Case cases[] = {
        {"wordpad.rtf", QStringLiteral("Dentist 9:30\nBring the \u00e9clairs \u2013 and the card\n"), 0},
        {"word.rtf", QStringLiteral("Caf\u00e9 meeting\nR\u00e9sum\u00e9 due, 50 \u20ac fee\n"), 1},
        {"unicode.rtf", QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \u00e9t\u00e9"), -1},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.file);
        const auto d = readRtf(readFile(QStringLiteral(QL_RTF_DATA_DIR "/") + QString::fromLatin1(tc.file)));
        EXPECT_EQ(text(*d), tc.text);
        const auto r = runs(*d);
        if (tc.bold >= 0) {
            ASSERT_GT(r.size(), size_t(tc.bold));
            EXPECT_TRUE(r[static_cast<size_t>(tc.bold)].bold);
        }
    }
}

TEST(RtfReader, WordFileKeepsFontsSizesAndColours)
{
    const auto d = readRtf(readFile(QStringLiteral(QL_RTF_DATA_DIR "/word.rtf")));
    const auto r = runs(*d);
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0].family, QStringLiteral("Calibri"));
    EXPECT_EQ(r[0].points, 11);
    EXPECT_EQ(r[1].text, QStringLiteral("meeting"));
    EXPECT_EQ(r[1].color, 0xC00000u);
    EXPECT_EQ(r[1].align, Qt::AlignHCenter);
}

TEST(RtfReader, MalformedInput)
{
    enum Outcome { Throws, Reads };
    const QByteArray hugeDib = [] {
        QByteArray b;
        put32(b, 40);
        put32(b, 60000);
        put32(b, 60000);
        put16(b, 1);
        put16(b, 24);
        put32(b, 0);
        put32(b, 0);
        put32(b, 0);
        put32(b, 0);
        put32(b, 0);
        put32(b, 0);
        return b + QByteArray(64, '\x7f');
    }();
    struct Case
    {
        const char *name;
        QByteArray rtf;
        Outcome outcome;
        QString text;  // for Reads
    };
    const Case cases[] = {
        {"empty", "", Throws, {}},
        {"plain text", "hello world", Throws, {}},
        {"only a brace", "{", Throws, {}},
        {"nested beyond the limit", QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x", Throws, {}},
        {"nested within the limit", QByteArray("{\\rtf1 ") + QByteArray(400, '{') + "x" + QByteArray(400, '}') + "}",
         Reads, QStringLiteral("x")},
        {"truncated in text", "{\\rtf1 abc", Reads, QStringLiteral("abc")},
        {"truncated after a backslash", "{\\rtf1 abc\\", Reads, QStringLiteral("abc")},
        {"truncated \\'h", "{\\rtf1 abc\\'4", Reads, QStringLiteral("abc4")},
        {"non-hex \\'", "{\\rtf1 a\\'zzb}", Reads, QStringLiteral("azzb")},
        {"too many closing braces", "{\\rtf1 abc}}}}", Reads, QStringLiteral("abc")},
        {"overflowing parameters", "{\\rtf1\\fs99999999999\\f-99999999999999\\cf4294967296\\uc99999999 a\\u99999999999 b}", Reads,
         QStringLiteral("a\ufffd")},
        {"\\bin longer than the input", "{\\rtf1 a{\\pict\\dibitmap0\\bin999999999 xyz", Reads, QStringLiteral("a")},
        {"negative \\bin", "{\\rtf1 a{\\pict\\bin-5 }b}", Reads, QStringLiteral("ab")},
        {"odd hex run", doc("a" + pict("\\dibitmap0\\picwgoal30\\pichgoal30", dib(testImage(), 24)).replace("}", "f}") + "b"), Reads,
         QStringLiteral("a\ufffcb")},
        {"picture larger than its data", doc("a" + pict("\\dibitmap0", hugeDib) + "b"), Reads, QStringLiteral("ab")},
        {"huge picture goal size, no data", doc("{\\pict\\wmetafile8\\picwgoal2000000000\\pichgoal2000000000 }x"), Reads,
         QStringLiteral("\ufffcx")},
        {"ddb with short data", doc("{\\pict\\wbitmap0\\picw5000\\pich5000\\wbmbitspixel24\\wbmwidthbytes15000 00ff}x"),
         Reads, QStringLiteral("\ufffcx")},
        {"picture in the font table", "{\\rtf1{\\fonttbl{\\pict\\dibitmap0 00}{\\f0 Arial;}}x}", Reads, QStringLiteral("x")},
        {"picture inside a picture", doc("{\\pict\\dibitmap0{\\pict\\dibitmap0 00}00}x"), Reads, QStringLiteral("x")},
        {"font table without semicolons", "{\\rtf1{\\fonttbl{\\f0 Arial}{\\f1 Times}}\\f1 x}", Reads, QStringLiteral("x")},
        {"unknown code page", "{\\rtf1\\ansicpg99999 \\'e9}", Reads, QStringLiteral("\u00e9")},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.name);
        if (tc.outcome == Throws) {
            EXPECT_THROW(readRtf(tc.rtf), ql::Error);
        } else {
            std::unique_ptr<QTextDocument> d;
            ASSERT_NO_THROW(d = readRtf(tc.rtf));
            EXPECT_EQ(text(*d), tc.text);
        }
    }
}

TEST(RtfReader, DamagedFilesReadWithoutCrashing)
{
    // Inputs that once crashed or hung a reader, the fuzzer's among them:
    // each either reads or fails with ql::Error.
    const QDir dir(QStringLiteral(QL_RTF_ERRORS_DIR));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray data = readFile(dir.filePath(name));
        try {
            ql::CellStorage s;
            s.fromRtf(data);
            // What was read can be written and read again.
            ql::CellStorage again;
            again.fromRtf(s.toRtf());
            EXPECT_EQ(again.document().toPlainText(), s.document().toPlainText());
        } catch (const ql::Error &e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}
