#pragma once

#include "designerdialogs.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace ql {

class TCalendarPanel;

// Stands in for the full properties dialog until it lands: it offers the
// layout, month and year of the example page and leaves every other setting
// as the example carries it, so OK hands back the example's settings.
class StandInPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    StandInPropertiesDialog(TCalendarPanel &example, const PropertiesOptions &options,
                            QWidget *parent = nullptr);

    void accept() override;

private:
    TCalendarPanel &m_example;
    PropertiesOptions m_options;
    QComboBox *m_layout = nullptr;
    QSpinBox *m_month = nullptr;
    QSpinBox *m_year = nullptr;
};

} // namespace ql
