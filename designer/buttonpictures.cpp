#include "buttonpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// The resources live in the static library; nothing in it refers to them by
// symbol, so they are registered by hand before first use.
static void initResources()
{
    Q_INIT_RESOURCE(quillon);
}

namespace ql {

namespace {

void drawLines(QPainter &p, const int (&widths)[4], Qt::Alignment alignment)
{
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        int x = 2;
        if (alignment & Qt::AlignRight)
            x = 14 - w;
        else if (alignment & Qt::AlignHCenter)
            x = 8 - w / 2;
        p.drawLine(x, 3 + i * 3, x + w, 3 + i * 3);
    }
}

void drawSheet(QPainter &p, const QRect &r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (int y = r.top() + 3; y < r.bottom() - 1; y += 2)
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
}

void drawLetter(QPainter &p, const QString &letter, bool bold, bool italic, bool underline)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(14);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
}

void drawMagnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 10, 10));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 14.5));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
}

} // namespace

QIcon PictureIcon(ButtonPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, picture == ButtonPicture::ZoomIn
                                                || picture == ButtonPicture::ZoomOut
                                                || picture == ButtonPicture::Cut);
    p.setPen(Qt::black);
    static const int ragged[4] = {12, 8, 12, 6};
    static const int centred[4] = {12, 8, 10, 6};
    switch (picture) {
    case ButtonPicture::Bold:
        drawLetter(p, QStringLiteral("B"), true, false, false);
        break;
    case ButtonPicture::Italic:
        drawLetter(p, QStringLiteral("I"), false, true, false);
        break;
    case ButtonPicture::Underline:
        drawLetter(p, QStringLiteral("U"), false, false, true);
        break;
    case ButtonPicture::AlignLeft:
        drawLines(p, ragged, Qt::AlignLeft);
        break;
    case ButtonPicture::AlignRight:
        drawLines(p, ragged, Qt::AlignRight);
        break;
    case ButtonPicture::AlignCenter:
        drawLines(p, centred, Qt::AlignHCenter);
        break;
    case ButtonPicture::Copy:
        drawSheet(p, QRect(1, 1, 8, 10));
        drawSheet(p, QRect(6, 5, 8, 10));
        break;
    case ButtonPicture::Cut:
        p.drawEllipse(QRectF(2, 10, 4, 4));
        p.drawEllipse(QRectF(10, 10, 4, 4));
        p.drawLine(QPointF(5, 10), QPointF(11, 1));
        p.drawLine(QPointF(11, 10), QPointF(5, 1));
        break;
    case ButtonPicture::Paste:
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(2, 2, 10, 12);
        p.setBrush(Qt::gray);
        p.drawRect(5, 1, 4, 2);
        drawSheet(p, QRect(7, 6, 7, 9));
        break;
    case ButtonPicture::SelectAll:
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(1, 1, 13, 13);
        p.setPen(Qt::black);
        drawLines(p, centred, Qt::AlignHCenter);
        break;
    case ButtonPicture::ZoomIn:
        drawMagnifier(p, true);
        break;
    case ButtonPicture::ZoomOut:
        drawMagnifier(p, false);
        break;
    case ButtonPicture::Properties:
        drawSheet(p, QRect(2, 1, 11, 14));
        p.fillRect(QRect(3, 2, 10, 3), QColor(200, 40, 40));
        break;
    case ButtonPicture::Print:
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 6);
        p.setBrush(Qt::lightGray);
        p.drawRect(1, 6, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 8, 5);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QIcon ApplicationIcon()
{
    initResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillon/quillon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ql
