#include "fontcolordialog.h"

#include "colorbutton.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ql {

FontColorDialog::FontColorDialog(const CalFont &initial, PropertiesPrompts &prompts, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
    m_fontDialog = new QFontDialog(toQFont(initial), this);
    m_fontDialog->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // Shown as a part of this window, not as a window of its own.
    m_fontDialog->setWindowFlags(Qt::Widget);

    m_color = new TColorButton(prompts, this);
    m_color->setObjectName(QStringLiteral("FontColor"));
    m_color->SetColor(initial.Color);
    auto *colorLabel = new QLabel(QStringLiteral("&Color:"), this);
    colorLabel->setBuddy(m_color);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_color);
    colorRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontDialog);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

CalFont FontColorDialog::font() const
{
    return fromQFont(m_fontDialog->currentFont(), m_color->Color());
}

QFont FontColorDialog::toQFont(const CalFont &f)
{
    QFont font(f.Name);
    font.setPointSize(std::max(1, f.Size));
    font.setBold(f.Style & fsBold);
    font.setItalic(f.Style & fsItalic);
    font.setUnderline(f.Style & fsUnderline);
    font.setStrikeOut(f.Style & fsStrikeOut);
    return font;
}

CalFont FontColorDialog::fromQFont(const QFont &font, TColor color)
{
    CalFont f;
    f.Name = font.family();
    f.Size = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    f.Style = static_cast<TFontStyles>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                       (font.underline() ? fsUnderline : 0) |
                                       (font.strikeOut() ? fsStrikeOut : 0));
    f.Color = color;
    return f;
}

} // namespace ql
