#pragma once

#include "iconfile.h"

#include <QImage>
#include <QListWidget>
#include <QVector>

class QMimeData;

namespace ql {

// The icons of one icon file, one a row, centred, each row the system icon
// height plus 2 pixels high. The list is enabled exactly when its file exists.
// Pressing a row and moving the mouse drags that icon; the drag carries the
// row and the file it came from (see dragData), so drop targets can tell an
// icon from this list from anything else being dragged.
class IconListBox : public QListWidget
{
    Q_OBJECT

public:
    // The format of the drag data the list makes.
    static const QString MimeType;

    explicit IconListBox(QWidget *parent = nullptr);

    // Shows the icons of fileName (matched regardless of case). An icon that
    // cannot be decoded keeps its row, empty and not draggable.
    void setFileName(const QString &fileName);
    const QString &fileName() const { return m_fileName; }
    // -1 when the file does not exist, 0 when it holds no icons, else the
    // number of icons.
    int iconCount() const { return m_count; }
    // The icon of a row at the system icon size, with its transparency; null
    // for a row out of range or an icon that could not be decoded.
    QImage icon(int row) const;

    // The drag data of a row, as a drag from the list carries it.
    QMimeData *dragData(int row) const;
    // The row an icon drag of this list carries, or -1 when data is not such
    // a drag, comes from another file than the one shown now, or names a row
    // without a picture.
    int draggedRow(const QMimeData *data) const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;

private:
    QString m_fileName;
    int m_count = -1;
    QVector<QImage> m_icons;
};

} // namespace ql
