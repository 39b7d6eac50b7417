#include "dayplannertab.h"

#include "calendardates.h"
#include "calendarpanel.h"
#include "propertiesprompts.h"
#include "propertiesstate.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace ql {

namespace {

// A small clock face for the start time button.
QIcon clockIcon()
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    p.drawLine(QPointF(9, 9), QPointF(9, 4));
    p.drawLine(QPointF(9, 9), QPointF(12.5, 9));
    return QIcon(pm);
}

} // namespace

DayPlannerTab::DayPlannerTab(PropertiesState &state, QWidget *parent)
    : PropertiesTab(QStringLiteral("Day Planner"), state, parent)
{
    auto *box = new QGroupBox(QStringLiteral("Starting Time (for day planners)"), this);
    auto *row = new QHBoxLayout(box);
    m_button = new QToolButton(box);
    m_button->setObjectName(QStringLiteral("StartingtimeButton"));
    m_button->setToolTip(QStringLiteral("Select a starting time by clicking here"));
    m_button->setFixedSize(25, 25);
    m_button->setIcon(clockIcon());
    setScope(m_button, ControlScope::DayPlanner);
    m_timeLabel = new QLabel(box);
    m_timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    m_timeLabel->setFont(font);
    row->addWidget(m_button);
    row->addWidget(m_timeLabel, 1);
    body()->addWidget(box);

    auto *note = new QLabel(QStringLiteral("*(Note: This setting only applies if you have selected "
                                           "one of the two Day Planners from the Layout tab)"),
                            this);
    note->setWordWrap(true);
    body()->addWidget(note);
    body()->addStretch();

    connect(m_button, &QToolButton::clicked, this, &DayPlannerTab::StartingtimeButtonClick);
}

QTime DayPlannerTab::startTimeOf(const TCalendarPanel &page)
{
    int hour = 0;
    int minute = 0;
    DecodeTime(page.StartTime(), hour, minute);
    return QTime(hour, minute);
}

QString DayPlannerTab::timeText(const QTime &time)
{
    return QLocale().toString(time, QLocale::ShortFormat);
}

void DayPlannerTab::load(const TCalendarPanel &page)
{
    m_timeLabel->setText(timeText(startTimeOf(page)));
}

void DayPlannerTab::StartingtimeButtonClick()
{
    // The time comes from the working copy rather than from the label's
    // text, so no locale's time format can make it unreadable.
    const std::optional<QTime> chosen =
        m_state.Prompts.chooseTime(this, startTimeOf(m_state.Example));
    if (!chosen || !chosen->isValid())
        return;
    m_timeLabel->setText(timeText(*chosen));
    m_state.Example.SetStartTime(EncodeTime(chosen->hour(), chosen->minute()));
}

} // namespace ql
