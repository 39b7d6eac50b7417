#include "standinpropertiesdialog.h"

#include "calendarpanel.h"
#include "messageboxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace ql {

StandInPropertiesDialog::StandInPropertiesDialog(TCalendarPanel &example,
                                                 const PropertiesOptions &options, QWidget *parent)
    : QDialog(parent), m_example(example), m_options(options)
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    if (m_options.ApplyDefaultStyle)
        m_example.ResetToDefaultStyle();

    m_layout = new QComboBox(this);
    for (int lo = 0; lo < kLayoutCount; ++lo)
        m_layout->addItem(LayoutName(lo));
    m_layout->setCurrentIndex(m_example.CalendarLayout());
    m_month = new QSpinBox(this);
    m_month->setRange(1, 12);
    m_month->setValue(m_example.MainCalMonth());
    m_year = new QSpinBox(this);
    m_year->setRange(1601, 9999);
    m_year->setValue(m_example.MainCalYear());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Layout"), m_layout);
    form->addRow(QStringLiteral("Month"), m_month);
    form->addRow(QStringLiteral("Year"), m_year);
    form->addRow(buttons);
}

void StandInPropertiesDialog::accept()
{
    m_example.SetCalendarLayout(static_cast<TCalendarLayout>(m_layout->currentIndex()));
    m_example.SetMainCalMonth(m_month->value());
    m_example.SetMainCalYear(m_year->value());
    if (m_options.WarnOnLayoutChange && m_example.LayoutClass() != m_options.InitialLayoutClass
        && !YesNoQuestion(QStringLiteral("Warning: changing to this type of layout\rwill erase all "
                                         "text and icons from the current\rcalendar. Proceed?"),
                          QStringLiteral("WARNING"))) {
        return;
    }
    QDialog::accept();
}

} // namespace ql
