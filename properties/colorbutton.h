#pragma once

#include "caltypes.h"

#include <QToolButton>

namespace ql {

class PropertiesPrompts;

// A colour swatch button: shows its colour, opens the colour dialog on a
// click and raises ColorChange when the user confirms a colour, also the
// colour it already had. Setting the colour from code raises nothing.
class TColorButton : public QToolButton
{
    Q_OBJECT

public:
    TColorButton(PropertiesPrompts &prompts, QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Whether the colour dialog lets the user define custom colours.
    void SetCustomColors(bool allowed) { m_customColors = allowed; }

signals:
    void ColorChange(ql::TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    PropertiesPrompts &m_prompts;
    TColor m_color = clWhite;
    bool m_customColors = true;
};

} // namespace ql
