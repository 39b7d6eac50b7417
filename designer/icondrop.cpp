#include "icondrop.h"

#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace ql {

namespace {

// Pictures in a cell's text are resources named by their format; dropped
// icons get names of their own so they never replace a picture read from a
// file (the RTF reader numbers its own).
QString uniqueIconName()
{
    static quint64 counter = 0;
    return QStringLiteral("ql-icon-%1").arg(++counter);
}

} // namespace

QImage IconDropPicture(const QImage &icon)
{
    if (icon.isNull())
        return QImage();
    QImage picture(icon.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, icon);
    return picture;
}

int PixelsToTwips(int pixels, int pixelsPerInch)
{
    if (pixelsPerInch <= 0)
        return 0;
    return static_cast<int>((qint64(pixels) * 1440 + pixelsPerInch / 2) / pixelsPerInch);
}

void InsertIconPicture(QTextCursor &cursor, const QImage &picture, int pixelsPerInch)
{
    QTextDocument *doc = cursor.document();
    if (!doc || picture.isNull() || pixelsPerInch <= 0)
        return;
    const QString name = uniqueIconName();
    doc->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat f;
    f.setName(name);
    // Cell text measures pictures in 96-dpi pixels, 15 twips each.
    f.setWidth(PixelsToTwips(picture.width(), pixelsPerInch) / 15.0);
    f.setHeight(PixelsToTwips(picture.height(), pixelsPerInch) / 15.0);
    cursor.insertImage(f);
}

} // namespace ql
