#include "calendarfontdialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace ql {

CalendarFontDialog::CalendarFontDialog(const CalendarFontChoice &initial, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendar Font"));

    QFont font(initial.Name);
    font.setPointSize(10);
    font.setBold(initial.Bold);
    font.setItalic(initial.Italic);
    font.setUnderline(initial.Underline);
    font.setStrikeOut(initial.StrikeOut);

    // The font chooser is a dialog of its own; shown as a plain child widget
    // without its buttons it becomes a part of this one.
    m_fontDialog = new QFontDialog(font, this);
    m_fontDialog->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontDialog->setWindowFlags(Qt::Widget);

    m_colorButton = new QPushButton(this);
    connect(m_colorButton, &QPushButton::clicked, this, &CalendarFontDialog::chooseColor);
    setColor(initial.Color);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QStringLiteral("Color:"), this));
    colorRow->addWidget(m_colorButton);
    colorRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontDialog);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

CalendarFontChoice CalendarFontDialog::choice() const
{
    const QFont font = m_fontDialog->currentFont();
    CalendarFontChoice c;
    c.Name = font.family();
    c.Bold = font.bold();
    c.Italic = font.italic();
    c.Underline = font.underline();
    c.StrikeOut = font.strikeOut();
    c.Color = m_color;
    return c;
}

void CalendarFontDialog::setColor(const QColor &color)
{
    m_color = color;
    QPixmap swatch(32, 14);
    swatch.fill(color);
    QPainter(&swatch).drawRect(0, 0, 31, 13);
    m_colorButton->setIcon(QIcon(swatch));
    m_colorButton->setIconSize(swatch.size());
    m_colorButton->setText(color.name());
}

void CalendarFontDialog::chooseColor()
{
    const QColor color = QColorDialog::getColor(m_color, this, QStringLiteral("Font Color"));
    if (color.isValid())
        setColor(color);
}

} // namespace ql
