#include "picturehandler.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>

namespace ql {

PictureHandler::PictureHandler(QObject *parent) : QObject(parent) {}

void PictureHandler::install(QTextDocument &document)
{
    document.documentLayout()->registerHandler(QTextFormat::ImageObject, new PictureHandler(&document));
}

QImage PictureHandler::image(const QTextDocument &document, const QTextImageFormat &format)
{
    const QVariant v = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (v.userType() == QMetaType::QImage)
        return v.value<QImage>();
    if (v.userType() == QMetaType::QPixmap)
        return v.value<QPixmap>().toImage();
    if (v.userType() == QMetaType::QByteArray)
        return QImage::fromData(v.toByteArray());
    return QImage();
}

QSizeF PictureHandler::displaySize(const QTextDocument &document, const QTextImageFormat &format)
{
    const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth) && format.width() > 0;
    const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight) && format.height() > 0;
    if (hasWidth && hasHeight)
        return QSizeF(format.width(), format.height());
    const QImage img = image(document, format);
    if (img.isNull())
        return QSizeF(hasWidth ? format.width() : 0, hasHeight ? format.height() : 0);
    if (hasWidth)
        return QSizeF(format.width(), format.width() * img.height() / img.width());
    if (hasHeight)
        return QSizeF(format.height() * img.width() / img.height(), format.height());
    return QSizeF(img.size());
}

QSizeF PictureHandler::intrinsicSize(QTextDocument *doc, int, const QTextFormat &format)
{
    return displaySize(*doc, format.toImageFormat());
}

void PictureHandler::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int,
                                const QTextFormat &format)
{
    const QImage img = image(*doc, format.toImageFormat());
    if (!img.isNull())
        painter->drawImage(rect, img);
}

} // namespace ql
