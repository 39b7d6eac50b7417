#pragma once

#include <QDialog>
#include <QList>
#include <QTime>

namespace ql {

class TGraphicPanel;

// Picks the day planners' start time by clicking an hour and a minute on
// grids of numbers. The caller sets Time, shows the dialog and reads Time
// after OK.
class TSetTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSetTimeDialog(QWidget *parent = nullptr);

    QTime Time() const { return m_time; }
    void SetTime(const QTime &time) { m_time = time; }
    int Hour() const { return m_hour; }
    int Minute() const { return m_minute; }

    TGraphicPanel *hourCell(int hour) const { return m_hourCells.value(hour); }
    TGraphicPanel *minuteCell(int minute) const { return m_minuteCells.value(minute); }

    // Takes hour and minute from Time and shows them.
    void FormActivate();
    void HourClick(int hour);
    void MinuteClick(int minute);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowDateTime();

    QTime m_time{8, 0};
    int m_hour = 8;
    int m_minute = 0;
    QList<TGraphicPanel *> m_hourCells;
    QList<TGraphicPanel *> m_minuteCells;
};

} // namespace ql
