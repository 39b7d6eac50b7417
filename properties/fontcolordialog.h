#pragma once

#include "caltypes.h"

#include <QDialog>

class QFontDialog;

namespace ql {

class TColorButton;
class PropertiesPrompts;

// The font dialog of the page's fonts: the desktop's font chooser with its
// underline and strike-out effects, and the font's colour beside it, since a
// page font carries its colour and Qt's font dialog has none.
class FontColorDialog : public QDialog
{
    Q_OBJECT

public:
    FontColorDialog(const CalFont &initial, PropertiesPrompts &prompts, QWidget *parent = nullptr);

    CalFont font() const;

    static QFont toQFont(const CalFont &font);
    // Face, point size, style and the given colour.
    static CalFont fromQFont(const QFont &font, TColor color);

private:
    QFontDialog *m_fontDialog = nullptr;
    TColorButton *m_color = nullptr;
    QString m_initialName;
    QString m_initialFamily;
};

} // namespace ql
