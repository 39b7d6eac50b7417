#pragma once

#include "traypreferences.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace ql {

// The calendar font dialog: the desktop's font chooser together with a
// colour, since the calendar font carries its colour (Qt's font dialog has
// none). The size chosen has no effect: the grid's sizes are fixed.
class CalendarFontDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarFontDialog(const CalendarFontChoice &initial, QWidget *parent = nullptr);

    CalendarFontChoice choice() const;
    void setColor(const QColor &color);

private:
    void chooseColor();

    QFontDialog *m_fontDialog = nullptr;
    QPushButton *m_colorButton = nullptr;
    QColor m_color;
};

} // namespace ql
