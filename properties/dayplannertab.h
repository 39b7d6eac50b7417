#pragma once

#include "propertiestab.h"

#include <QTime>

class QLabel;
class QToolButton;

namespace ql {

// "Day Planner": the start time of the day planners' hour rows.
class DayPlannerTab : public PropertiesTab
{
    Q_OBJECT

public:
    DayPlannerTab(PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

    // The working copy's start time as hours and minutes.
    static QTime startTimeOf(const TCalendarPanel &page);
    // The locale's short time format ("8:00 AM").
    static QString timeText(const QTime &time);

private:
    void StartingtimeButtonClick();

    QToolButton *m_button = nullptr;
    QLabel *m_timeLabel = nullptr;
};

} // namespace ql
