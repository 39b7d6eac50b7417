#pragma once

#include "propertiestab.h"

#include <QDate>

class QCalendarWidget;
class QCheckBox;
class QLabel;

namespace ql {

class TRadioGroup;

// "Date": the month and year of a month layout or the starting date of a
// planner, the first day of the week and whether titles show the year.
class DateTab : public PropertiesTab
{
    Q_OBJECT

public:
    DateTab(PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;
    void setButtons(const EnabledControls &enabled) override;

    // Shows the picker's date in the label (in full for planners) and,
    // unless the dialog is updating, copies it into the working copy.
    void CalendarChange();

    QDate pickerDate() const;
    // Month and year always; the day when it is a day of that month, else
    // the picker's own day limited to the month's length.
    void setPickerDate(int month, int year, int day);

private:
    void step(QDate (*move)(const QDate &));
    void WeekStartsOnClick(int index);

    QLabel *m_dateLabel = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    TRadioGroup *m_weekStartsOn = nullptr;
    QCheckBox *m_titleShowYear = nullptr;
    QCheckBox *m_miniShowYear = nullptr;
};

} // namespace ql
