#include "colorbutton.h"

#include "propertiesprompts.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace ql {

TColorButton::TColorButton(PropertiesPrompts &prompts, QWidget *parent)
    : QToolButton(parent), m_prompts(prompts)
{
    setFixedSize(40, 22);
    connect(this, &QToolButton::clicked, this, &TColorButton::choose);
}

void TColorButton::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TColorButton::choose()
{
    const std::optional<QColor> chosen = m_prompts.chooseColor(this, ToQColor(m_color), m_customColors);
    if (!chosen)
        return;
    SetColor(ColorFromQColor(*chosen));
    emit ColorChange(m_color);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    p.drawComplexControl(QStyle::CC_ToolButton, option);
    // The swatch inside the bevel; a disabled button shows a greyed swatch so
    // it does not look like a colour the page uses.
    const QRect swatch = rect().adjusted(5, 5, -6, -6);
    p.setPen(isEnabled() ? Qt::black : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setBrush(isEnabled() ? ToQColor(m_color) : palette().color(QPalette::Disabled, QPalette::Button));
    p.drawRect(swatch);
}

} // namespace ql
