#include "dayicon.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace ql {

namespace {

// Rows of three bits, top row first, most significant bit on the left.
constexpr std::array<std::array<unsigned char, 5>, 10> Digits = {{
    {7, 5, 5, 5, 7}, // 0
    {2, 6, 2, 2, 7}, // 1
    {7, 1, 7, 4, 7}, // 2
    {7, 1, 3, 1, 7}, // 3
    {5, 5, 7, 1, 1}, // 4
    {7, 4, 7, 1, 7}, // 5
    {7, 4, 7, 5, 7}, // 6
    {7, 1, 1, 2, 2}, // 7
    {7, 5, 7, 5, 7}, // 8
    {7, 5, 7, 1, 7}, // 9
}};

void drawDigit(QPainter &painter, int digit, int x, int y, int scale)
{
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (Digits[digit][row] & (4 >> col))
                painter.fillRect(x + col * scale, y + row * scale, scale, scale, Qt::black);
        }
    }
}

} // namespace

QImage DayPageImage(int day, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size < 8)
        return image;

    // Drawn once with one-pixel parts at a base size of 16 to 31 pixels and
    // then magnified by whole pixels, so that doubling the size doubles
    // every part and nothing gets blurred.
    const int unit = size / 16;
    const int base = size / unit;
    QImage page(base, base, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    {
        QPainter painter(&page);
        const int pageTop = 2;
        const int markBottom = 4; // exclusive
        painter.fillRect(0, pageTop, base, base - pageTop, Qt::black);
        painter.fillRect(1, pageTop + 1, base - 2, base - pageTop - 2, Qt::white);
        const int markLeft = base / 4;
        painter.fillRect(markLeft, 0, 2, markBottom, Qt::black);
        painter.fillRect(base - markLeft - 2, 0, 2, markBottom, Qt::black);

        if (day >= 1 && day <= 99) {
            // The number sits below the marks, inside the border.
            const int areaLeft = 1;
            const int areaWidth = base - 2;
            const int areaTop = markBottom;
            const int areaHeight = base - 1 - areaTop;
            const bool twoDigits = day >= 10;
            const int widthUnits = twoDigits ? 7 : 3; // a one-unit gap between two digits
            const int scale = std::max(1, std::min(areaWidth / widthUnits, areaHeight / 5));
            const int x = areaLeft + (areaWidth - widthUnits * scale) / 2;
            const int y = areaTop + (areaHeight - 5 * scale) / 2;
            if (twoDigits) {
                drawDigit(painter, day / 10, x, y, scale);
                drawDigit(painter, day % 10, x + 4 * scale, y, scale);
            } else {
                drawDigit(painter, day, x, y, scale);
            }
        }
    }
    if (unit == 1)
        return page;
    QPainter painter(&image);
    const int margin = (size - base * unit) / 2;
    painter.drawImage(QPoint(margin, margin), page.scaled(base * unit, base * unit,
                                                          Qt::IgnoreAspectRatio,
                                                          Qt::FastTransformation));
    return image;
}

QIcon DayPageIcon(int day)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 44, 48, 64})
        icon.addPixmap(QPixmap::fromImage(DayPageImage(day, size)));
    return icon;
}

} // namespace ql
