#include "datetab.h"

#include "calendardates.h"
#include "calendarpanel.h"
#include "clock.h"
#include "dialogtexts.h"
#include "propertiesstate.h"
#include "radiogroup.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace ql {

namespace {

// The picker's buttons keep the day of the month where the new month has
// it and take the month's last day otherwise (31 January steps to the end of
// February; 29 February 2000 steps a year to 28 February 2001).
QDate previousYear(const QDate &d) { return d.addYears(-1); }
QDate previousMonth(const QDate &d) { return d.addMonths(-1); }
QDate today(const QDate &) { return CurrentDate(); }
QDate nextMonth(const QDate &d) { return d.addMonths(1); }
QDate nextYear(const QDate &d) { return d.addYears(1); }

struct PickerButton
{
    const char *name;
    const char *caption;
    const char *hint;
    QDate (*move)(const QDate &);
};

const PickerButton kPickerButtons[] = {
    {"Button8", "<<", "Click for the previous year", previousYear},
    {"Button9", "<", "Click for the previous month", previousMonth},
    {"Button10", "Now", "Click for today's date", today},
    {"Button11", ">", "Click for the next month", nextMonth},
    {"Button12", ">>", "Click for the next year", nextYear},
};

} // namespace

DateTab::DateTab(PropertiesState &state, QWidget *parent)
    : PropertiesTab(QStringLiteral("Select Month && Year"), state, parent)
{
    headingLabel()->setObjectName(QStringLiteral("SelectMonthYearLabel"));

    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(4, 4, 4, 4);
    m_dateLabel = new QLabel(box);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    m_dateLabel->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(m_dateLabel);

    m_calendar = new QCalendarWidget(box);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setToolTip(QStringLiteral("Click on a date to select it"));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_calendar->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    m_calendar->setSelectedDate(CurrentDate());
    boxLayout->addWidget(m_calendar, 1);

    auto *buttons = new QHBoxLayout;
    for (const PickerButton &b : kPickerButtons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), box);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.hint));
        button->setAutoDefault(false);
        button->setMinimumWidth(30);
        const auto move = b.move;
        connect(button, &QPushButton::clicked, this, [this, move] { step(move); });
        buttons->addWidget(button);
    }
    boxLayout->addLayout(buttons);
    body()->addWidget(box, 1);

    m_weekStartsOn = new TRadioGroup(QStringLiteral("Week Starts On"),
                                     {QStringLiteral("Sunday"), QStringLiteral("Monday")}, this);
    m_weekStartsOn->setObjectName(QStringLiteral("WeekStartsOn"));
    m_weekStartsOn->setToolTip(QStringLiteral("Select the day that the calendar week starts on"));
    setScope(m_weekStartsOn, ControlScope::NotPlanner);

    m_titleShowYear = new QCheckBox(QStringLiteral("Show Year in Title"), this);
    m_titleShowYear->setObjectName(QStringLiteral("TitleShowYearCheck"));
    m_titleShowYear->setToolTip(
        HintText(QStringLiteral("For full calendars, show the year as well\ras the month in the title")));
    setScope(m_titleShowYear, ControlScope::MainCalendar);
    m_miniShowYear = new QCheckBox(QStringLiteral("Show Year in Mini Title"), this);
    m_miniShowYear->setObjectName(QStringLiteral("MiniShowYearCheck"));
    m_miniShowYear->setToolTip(
        HintText(QStringLiteral("For mini calendars, show the year as well\ras the month in the title")));
    setScope(m_miniShowYear, ControlScope::MiniCalendars);

    auto *checks = new QVBoxLayout;
    checks->addWidget(m_titleShowYear);
    checks->addWidget(m_miniShowYear);
    checks->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(m_weekStartsOn);
    row->addLayout(checks);
    body()->addLayout(row);

    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &DateTab::CalendarChange);
    connect(m_weekStartsOn, &TRadioGroup::Clicked, this, &DateTab::WeekStartsOnClick);
    connect(m_titleShowYear, &QCheckBox::clicked, this, [this](bool checked) {
        if (!m_state.Updating)
            m_state.Example.SetTitleShowYear(checked);
    });
    connect(m_miniShowYear, &QCheckBox::clicked, this, [this](bool checked) {
        if (!m_state.Updating)
            m_state.Example.SetMiniShowYear(checked);
    });
}

void DateTab::load(const TCalendarPanel &page)
{
    setPickerDate(page.MainCalMonth(), page.MainCalYear(), page.MainCalDay());
    // Every value other than Sunday's 1 means Monday, also 0 or 7 from a file.
    m_weekStartsOn->SetItemIndex(page.StartOfWeek() == 1 ? 0 : 1);
    m_titleShowYear->setChecked(page.TitleShowYear());
    m_miniShowYear->setChecked(page.MiniShowYear());
    CalendarChange();
}

void DateTab::setButtons(const EnabledControls &enabled)
{
    PropertiesTab::setButtons(enabled);
    headingLabel()->setText(LabelText(enabled.dateHeading()));
}

QDate DateTab::pickerDate() const
{
    return m_calendar->selectedDate();
}

void DateTab::setPickerDate(int month, int year, int day)
{
    const QDate first(year, month, 1);
    if (!first.isValid() || first < m_calendar->minimumDate() || first > m_calendar->maximumDate())
        return; // a date the picker cannot show leaves the picker's own
    const int length = MonthLength(year, month);
    if (day < 1 || day > length)
        day = std::min(m_calendar->selectedDate().day(), length);
    m_calendar->setSelectedDate(QDate(year, month, day));
}

void DateTab::CalendarChange()
{
    const QDate d = m_calendar->selectedDate();
    const QLocale locale;
    m_dateLabel->setText(m_state.StartingDateMode ? locale.toString(d, QLocale::LongFormat)
                                                  : locale.toString(d, QStringLiteral("MMMM yyyy")));
    if (m_state.Updating)
        return;
    m_state.Example.SetMainCalMonth(d.month());
    m_state.Example.SetMainCalYear(d.year());
    m_state.Example.SetMainCalDay(d.day());
}

void DateTab::step(QDate (*move)(const QDate &))
{
    const QDate d = move(m_calendar->selectedDate());
    if (d.isValid())
        m_calendar->setSelectedDate(d);
}

void DateTab::WeekStartsOnClick(int index)
{
    if (!m_state.Updating)
        m_state.Example.SetStartOfWeek(index + 1);
}

} // namespace ql
