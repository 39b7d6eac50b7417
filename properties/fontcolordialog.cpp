#include "fontcolordialog.h"

#include "colorbutton.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ql {

FontColorDialog::FontColorDialog(const CalFont &initial, PropertiesPrompts &prompts, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
    // The dialog lists this machine's faces; a face it lacks starts out as
    // the face the page would be drawn with, in the page font's style.
    QFont start = toQFont(initial);
    start.setFamily(QFontInfo(start).family());
    m_fontDialog = new QFontDialog(start, this);
    m_fontDialog->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // Shown as a part of this window, not as a window of its own.
    m_fontDialog->setWindowFlags(Qt::Widget);
    m_initialName = initial.Name;
    m_initialFamily = m_fontDialog->currentFont().family();

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
    CalFont f = fromQFont(m_fontDialog->currentFont(), m_color->Color());
    // A face this machine lacks ("Times New Roman" from a calendar made
    // elsewhere) is shown as its nearest match; unless the user picked
    // another face, the page keeps the name it had, so the document and
    // other machines still get the face it asked for.
    if (f.Name == m_initialFamily)
        f.Name = m_initialName;
    return f;
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
