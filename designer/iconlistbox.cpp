#include "iconlistbox.h"

#include "error.h"

#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QStyleOptionViewItem>

namespace ql {

namespace {

constexpr int kIconSize = IconFile::SystemIconSize;
// A row is the icon and a pixel above and below it.
constexpr int kRowHeight = kIconSize + 2;

} // namespace

// The drag data is the row number and the file name, one a line, in UTF-8.
const QString IconListBox::MimeType = QStringLiteral("application/x-quillon-icon");

IconListBox::IconListBox(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("IconListBox"));
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setUniformItemSizes(true);
    setIconSize(QSize(kIconSize, kIconSize));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    // Pressing a row to drag it leaves the keyboard focus where it was, in
    // the cell editor when a cell is open.
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
}

void IconListBox::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    const IconFile file(fileName);
    m_count = file.count();
    clear();
    m_icons.clear();
    m_icons.reserve(qMax(m_count, 0));
    for (int i = 0; i < m_count; ++i) {
        QImage image;
        try {
            image = file.icon(i, kIconSize);
        } catch (const Error &) {
            // A damaged icon shows as an empty row that cannot be dragged.
        }
        m_icons.append(image);
        auto *item = new QListWidgetItem;
        item->setSizeHint(QSize(kIconSize, kRowHeight));
        if (image.isNull())
            item->setFlags(Qt::ItemIsEnabled);
        else
            item->setIcon(QIcon(QPixmap::fromImage(image)));
        addItem(item);
    }
    setEnabled(m_count != -1);
}

QImage IconListBox::icon(int row) const
{
    return row >= 0 && row < m_icons.size() ? m_icons.at(row) : QImage();
}

QMimeData *IconListBox::dragData(int row) const
{
    auto *data = new QMimeData;
    data->setData(MimeType, (QString::number(row) + QLatin1Char('\n') + m_fileName).toUtf8());
    return data;
}

int IconListBox::draggedRow(const QMimeData *data) const
{
    if (!data || !data->hasFormat(MimeType))
        return -1;
    const QString text = QString::fromUtf8(data->data(MimeType));
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0 || text.mid(lineEnd + 1) != m_fileName)
        return -1;
    bool ok = false;
    const int row = text.left(lineEnd).toInt(&ok);
    return ok && !icon(row).isNull() ? row : -1;
}

void IconListBox::startDrag(Qt::DropActions)
{
    const int row = currentRow();
    const QImage image = icon(row);
    if (image.isNull())
        return;
    // Only ever a copy: a move would have the view take the row out of the list.
    auto *drag = new QDrag(this);
    drag->setMimeData(dragData(row));
    drag->setPixmap(QPixmap::fromImage(image));
    drag->setHotSpot(QPoint(image.width() / 2, image.height() / 2));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void IconListBox::initViewItemOption(QStyleOptionViewItem *option) const
{
    QListWidget::initViewItemOption(option);
    // Rows have no text: the icon sits in the middle of the row's full width.
    option->decorationPosition = QStyleOptionViewItem::Top;
    option->decorationAlignment = Qt::AlignCenter;
    option->displayAlignment = Qt::AlignCenter;
}

} // namespace ql
