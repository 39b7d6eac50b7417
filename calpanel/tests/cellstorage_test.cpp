// The cell storage: emptiness, copies, RTF in and out, and painting into a
// rectangle of any device at true size.
#include "cellstorage.h"
#include "error.h"
#include "rtftestutil.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace rtftest;

namespace {

bool isInk(QRgb c)
{
    return qGray(c) < 128;
}

// The bounding box of dark pixels in img, or a null rectangle.
QRect inkBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage whiteImage(int w, int h, int dpi = 96)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    return img;
}

QImage painted(const ql::CellStorage &s, const QSize &size, const QRect &area, double scale, int dpi = 96)
{
    QImage img = whiteImage(size.width(), size.height(), dpi);
    QPainter p(&img);
    s.paint(p, area, scale);
    p.end();
    return img;
}

ql::CellStorage withText(const QString &text, double points)
{
    ql::CellStorage s;
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(points);
    QTextCursor(&s.document()).insertText(text, f);
    return s;
}

ql::CellStorage withPicture(const QImage &img, const QSize &display)
{
    ql::CellStorage s;
    s.document().addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("p")), img);
    QTextImageFormat f;
    f.setName(QStringLiteral("p"));
    f.setWidth(display.width());
    f.setHeight(display.height());
    QTextCursor(&s.document()).insertImage(f);
    return s;
}

QImage solid(QRgb c, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

} // namespace

TEST(CellStorage, Emptiness)
{
    struct Case
    {
        const char *name;
        ql::CellStorage storage;
        bool empty;
    };
    ql::CellStorage twoParagraphs;
    QTextCursor(&twoParagraphs.document()).insertBlock();
    ql::CellStorage cleared = withText(QStringLiteral("x"), 12);
    cleared.clear();
    ql::CellStorage formattedOnly;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor(&formattedOnly.document()).setBlockCharFormat(bold);
    Case cases[] = {
        {"new", ql::CellStorage(), true},
        {"text", withText(QStringLiteral("x"), 12), false},
        {"a space", withText(QStringLiteral(" "), 12), false},
        {"only a picture", withPicture(solid(qRgb(255, 0, 0), 2, 2), QSize(2, 2)), false},
        {"two empty paragraphs", twoParagraphs, false},
        {"formatting without text", formattedOnly, true},
        {"cleared", cleared, true},
    };
    for (Case &tc : cases) {
        SCOPED_TRACE(tc.name);
        EXPECT_EQ(tc.storage.isEmpty(), tc.empty);
        // Emptiness survives the trip through RTF.
        ql::CellStorage back;
        back.fromRtf(tc.storage.toRtf());
        EXPECT_EQ(back.isEmpty(), tc.empty);
    }
}

TEST(CellStorage, CopiesAreDeepAndKeepPictures)
{
    ql::CellStorage original = withPicture(solid(qRgb(0, 0, 255), 3, 3), QSize(6, 6));
    QTextCursor c(&original.document());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("note"));

    ql::CellStorage copy(original);
    ql::CellStorage assigned;
    assigned = original;
    for (ql::CellStorage *s : {&copy, &assigned}) {
        EXPECT_EQ(text(s->document()), text(original.document()));
        const auto pics = pictures(s->document());
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_EQ(pics[0].pixel(1, 1), qRgb(0, 0, 255));
        EXPECT_EQ(s->toRtf(), original.toRtf());
    }
    QTextCursor(&copy.document()).insertText(QStringLiteral("more "));
    EXPECT_EQ(text(original.document()), QStringLiteral("\ufffcnote"));

    // Clearing one cell from a blank storage leaves the others alone.
    const ql::CellStorage blank;
    assigned.assign(blank);
    EXPECT_TRUE(assigned.isEmpty());
    EXPECT_FALSE(original.isEmpty());
}

TEST(CellStorage, FromRtfThatFailsKeepsTheText)
{
    ql::CellStorage s = withText(QStringLiteral("kept"), 12);
    EXPECT_THROW(s.fromRtf("not rich text"), ql::Error);
    EXPECT_EQ(text(s.document()), QStringLiteral("kept"));
    s.fromRtf("{\\rtf1\\ansi replaced}");
    EXPECT_EQ(text(s.document()), QStringLiteral("replaced"));
}

TEST(CellStorage, PaintStaysInsideTheAreaFromTheFirstLine)
{
    // More text than fits: it wraps to the area's width and is cut at its
    // bottom, and nothing lands outside.
    const ql::CellStorage s = withText(QStringLiteral("Lorem ipsum dolor sit amet consectetur adipiscing elit sed do "
                                                      "eiusmod tempor incididunt ut labore et dolore magna aliqua"),
                                       14);
    const QRect area(30, 20, 100, 50);
    for (double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        const QImage img = painted(s, QSize(200, 120), area, scale);
        const QRect ink = inkBounds(img);
        ASSERT_FALSE(ink.isNull()) << "text reached the painter";
        EXPECT_TRUE(area.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                        << ink.height();
        EXPECT_LT(ink.top(), area.top() + 8 * scale) << "first line at the top";
        EXPECT_LT(ink.left(), area.left() + 4) << "left aligned";
        EXPECT_GT(ink.right(), area.left() + area.width() / 2) << "lines use the width";
        EXPECT_GT(ink.bottom(), area.bottom() - 12) << "more lines than fit: cut at the bottom";
    }
}

TEST(CellStorage, PaintsFontsAtTrueSizeOnAnyDevice)
{
    // "H" at 48 points is 64 pixels of em at 96 dpi; its cap height is about
    // 0.72 em. On a 300-dpi image at scale 1 it must come out the same: the
    // layout never looks at the painter's device.
    const ql::CellStorage s = withText(QStringLiteral("H"), 48);
    const QSize size(300, 300);
    const QRect area(0, 0, 300, 300);
    const int h1 = inkBounds(painted(s, size, area, 1.0)).height();
    const int h2 = inkBounds(painted(s, size, area, 2.0)).height();
    const int h300 = inkBounds(painted(s, size, area, 1.0, 300)).height();
    EXPECT_NEAR(h1, 0.72 * 64, 3);
    EXPECT_NEAR(h2, 2 * h1, 2);
    EXPECT_EQ(h300, h1);

    // A 12-point line is laid out with a 16-pixel font.
    const ql::CellStorage twelve = withText(QStringLiteral("H"), 12);
    const QTextLayout *layout = twelve.document().firstBlock().layout();
    twelve.document().documentLayout()->documentSize();  // lay out
    ASSERT_GT(layout->lineCount(), 0);
    EXPECT_NEAR(layout->lineAt(0).glyphRuns().value(0).rawFont().pixelSize(), 16.0, 0.01);
}

TEST(CellStorage, PaintsPicturesAtTheirDisplaySizeTimesScale)
{
    const ql::CellStorage s = withPicture(solid(qRgb(255, 0, 0), 5, 5), QSize(20, 10));
    const QImage img = painted(s, QSize(100, 100), QRect(10, 10, 80, 80), 2.0);
    QRect red;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 0, 0))
                red |= QRect(x, y, 1, 1);
    EXPECT_EQ(red, QRect(10, 10, 40, 20));
}

TEST(CellStorage, EmptyOrDegenerateAreasPaintNothing)
{
    const ql::CellStorage text = withText(QStringLiteral("x"), 12);
    const ql::CellStorage empty;
    EXPECT_TRUE(inkBounds(painted(empty, QSize(50, 50), QRect(0, 0, 50, 50), 1.0)).isNull());
    EXPECT_TRUE(inkBounds(painted(text, QSize(50, 50), QRect(0, 0, 0, 50), 1.0)).isNull());
    EXPECT_TRUE(inkBounds(painted(text, QSize(50, 50), QRect(0, 0, 50, 50), 0.0)).isNull());
}
