#pragma once

#include <QLabel>

namespace ql {

// A small raised panel with a centred caption, a background colour, an
// integer tag and a click event: the cells of the start time dialog.
class TGraphicPanel : public QLabel
{
    Q_OBJECT

public:
    TGraphicPanel(const QString &caption, int tag, QWidget *parent = nullptr);

    int Tag() const { return m_tag; }
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);

signals:
    void Clicked(int tag);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    QColor m_color;
    bool m_pressed = false;
};

} // namespace ql
