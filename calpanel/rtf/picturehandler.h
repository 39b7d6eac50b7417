#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;
class QTextImageFormat;

namespace ql {

// Lays out and draws the inline pictures of a cell's document. Qt's own image
// handler rescales pictures by the layout device's resolution over the
// screen's; cells are laid out on a fixed 96-dpi device, so this handler
// takes a picture's width and height (QTextImageFormat, in 96-dpi pixels) as
// they are. Pictures are document resources named by the format (the RTF
// reader adds them as QImage).
class PictureHandler : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit PictureHandler(QObject *parent = nullptr);

    // Registers a handler, owned by document, for the image objects of document.
    static void install(QTextDocument &document);
    // The picture format names, or a null image.
    static QImage image(const QTextDocument &document, const QTextImageFormat &format);
    // The size the picture takes in the text, in 96-dpi pixels.
    static QSizeF displaySize(const QTextDocument &document, const QTextImageFormat &format);

    QSizeF intrinsicSize(QTextDocument *doc, int posInDocument, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int posInDocument,
                    const QTextFormat &format) override;
};

} // namespace ql
