#include "dayicon.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace ql;

namespace {

int blackPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == qRgb(0, 0, 0);
    return n;
}

} // namespace

TEST(DayIcon, EveryDayHasItsOwnSharpPage)
{
    QSet<QByteArray> seen;
    for (int day = 1; day <= 31; ++day) {
        SCOPED_TRACE(day);
        const QImage image = DayPageImage(day, 16).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb p = image.pixel(x, y);
                // Only opaque black, opaque white or nothing: no blurred pixels.
                const bool clean = p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255) || qAlpha(p) == 0;
                ASSERT_TRUE(clean) << "pixel " << x << "," << y;
            }
        }
        seen.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()),
                               image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 31);
}

TEST(DayIcon, PageBorderMarksAndNumberSitWhereTheyShould)
{
    const QImage page = DayPageImage(18, 16).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(page.pixel(0, 0)), 0);            // above the page, beside the marks
    EXPECT_EQ(page.pixel(4, 0), qRgb(0, 0, 0));         // left binding mark
    EXPECT_EQ(page.pixel(11, 0), qRgb(0, 0, 0));        // right binding mark
    EXPECT_EQ(page.pixel(0, 15), qRgb(0, 0, 0));        // border
    EXPECT_EQ(page.pixel(15, 2), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(1, 3), qRgb(255, 255, 255));   // white page inside
    const QImage blank = DayPageImage(0, 16).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(blackPixels(page), blackPixels(blank) + 20); // the number is drawn in black
}

TEST(DayIcon, DoubleSizeIsThePixelDoubledPage)
{
    for (const int size : {16, 22}) {
        SCOPED_TRACE(size);
        for (const int day : {1, 8, 31}) {
            const QImage small = DayPageImage(day, size).convertToFormat(QImage::Format_ARGB32);
            const QImage large = DayPageImage(day, 2 * size).convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(large, small.scaled(2 * size, 2 * size, Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation))
                << "day " << day;
        }
    }
}

TEST(DayIcon, IconCarriesTrayAndHighDensitySizes)
{
    const QIcon icon = DayPageIcon(12);
    const QList<QSize> sizes = icon.availableSizes();
    for (const int s : {16, 22, 24, 32, 44, 48, 64})
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}
