#include "planners.h"

#include "canvas.h"
#include "monthcalendar.h"

#include <QDate>
#include <QPainter>
#include <cmath>

namespace ql {

namespace {

QString num(int v)
{
    return QString::number(v);
}

QDate plannerStart(const TCalendarAttributes &a)
{
    QDate d(a.Year, a.Month, a.Day);
    // Callers pass a real day of the month; a stray value draws from the 1st
    // rather than from an invalid date.
    return d.isValid() ? d : QDate(a.Year, a.Month >= 1 && a.Month <= 12 ? a.Month : 1, 1);
}

} // namespace

TTime AddMinutes(int minutes, TTime time)
{
    const TTime t = time + minutes * 0.000694445;
    return t < 0 ? 0 : t;
}

QString WeekPlannerTitle(int year, int month, int day, int dayCount, const MonthDayNames &names)
{
    QDate s(year, month, day);
    if (!s.isValid())
        s = QDate(year, month >= 1 && month <= 12 ? month : 1, 1);
    const QDate e = s.addDays(dayCount - 1);
    const QString &sm = names.month(s.month());
    const QString &em = names.month(e.month());
    if (e.year() != s.year()) {
        return sm + QLatin1Char(' ') + num(s.day()) + QStringLiteral(", ") + num(s.year()) +
               QStringLiteral(" - ") + em + QLatin1Char(' ') + num(e.day()) + QStringLiteral(", ") +
               num(e.year());
    }
    if (e.month() != s.month()) {
        return sm + QLatin1Char(' ') + num(s.day()) + QStringLiteral(" - ") + em + QLatin1Char(' ') +
               num(e.day()) + QStringLiteral(", ") + num(s.year());
    }
    return sm + QLatin1Char(' ') + num(s.day()) + QLatin1Char('-') + num(e.day()) +
           QStringLiteral(", ") + num(s.year());
}

QString DayPlannerTitle(int year, int month, int day, const MonthDayNames &names)
{
    QDate d(year, month, day);
    if (!d.isValid())
        d = QDate(year, month >= 1 && month <= 12 ? month : 1, 1);
    const int dow = d.dayOfWeek() % 7 + 1; // 1 = Sunday
    return names.day(dow) + QStringLiteral(", ") + names.month(d.month()) + QLatin1Char(' ') +
           num(d.day()) + QStringLiteral(", ") + num(d.year());
}

QString PlannerTimeLabel(TTime time, const QLocale &locale)
{
    int hour = 0, minute = 0;
    DecodeTime(time, hour, minute);
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    const QString designator = hour < 12 ? locale.amText() : locale.pmText();
    return QStringLiteral("%1:%2 %3").arg(h12).arg(minute, 2, 10, QLatin1Char('0')).arg(designator);
}

void DrawWeekPlanner(QPainter &p, TCalendarAttributes &a)
{
    const QDate s = plannerStart(a);
    const QString title = WeekPlannerTitle(s.year(), s.month(), s.day(), a.DayCount, a.Names);
    QStringList labels, subLabels;
    for (int i = 0; i < a.DayCount; ++i) {
        const QDate d = s.addDays(i);
        const int dow = d.dayOfWeek() % 7 + 1;
        labels << ShortDayName(a.Names.day(dow), a.HeadersStyle);
        subLabels << num(d.day()) + QLatin1Char(' ') + a.Names.month(d.month()).left(3);
    }
    labels << QStringLiteral("Notes");
    subLabels << QString();
    DrawPlannerGrid(p, a, a.DayCount + 1, title, labels, subLabels);
}

void DrawDayPlanner(QPainter &p, TCalendarAttributes &a, const QLocale &locale)
{
    const QDate s = plannerStart(a);
    const QString title = DayPlannerTitle(s.year(), s.month(), s.day(), a.Names);
    QStringList labels, subLabels;
    TTime t = a.StartTime;
    for (int i = 0; i < a.HourCount; ++i) {
        labels << PlannerTimeLabel(t, locale);
        subLabels << QString();
        t = AddMinutes(60, t);
    }
    labels << QStringLiteral("Notes");
    subLabels << QString();
    DrawPlannerGrid(p, a, a.HourCount + 1, title, labels, subLabels);
}

void DrawPlannerGrid(QPainter &p, TCalendarAttributes &a, int rowCount, const QString &title,
                     const QStringList &labels, const QStringList &subLabels)
{
    if (rowCount <= 0)
        return;
    const int L = a.Rect.Left, T = a.Rect.Top;
    const int R = a.Rect.Right - 1, B = a.Rect.Bottom - 1;

    FillSolid(p, a.Rect, a.BackgroundColor);
    FillSolid(p, {L, T, R, B}, a.BackgroundColor);

    // The fixed text only measures the line height.
    SetCanvasFont(p, a.TitleFontName, a.TitleFontSize, a.TitleFontStyle, a.TitleFontColor);
    const TRect titleRect{L + 5, T + 1, R - 5, T + 1 + TextHeight(p, QStringLiteral("Weekly Planner"))};
    DrawTextIn(p, titleRect, title, TextAlign::CenterCenter);

    // The table is outlined inside its half-open area: its right and bottom
    // edges lie on R - 1 and B - 1.
    const int GT = titleRect.Bottom + 1;
    FillSolid(p, {L, GT, R, B}, a.BackgroundColor);
    DrawBorderLines(p, {L, GT, R - 1, B - 1}, cbAll);

    const int RH = (B - GT) / rowCount;
    const int LR = L + static_cast<int>(std::trunc((R - L) * 0.15));
    FillSolid(p, {L + 1, GT + 1, LR, B - 1}, a.HeadersBGColor);

    SetCanvasFont(p, a.HeadersFontName, a.HeadersFontSize, a.HeadersFontStyle, a.HeadersFontColor);
    const int half = RH / 2;
    for (int i = 0; i < rowCount; ++i) {
        const int top = GT + 1 + i * RH;
        DrawTextIn(p, {L + 1, top, LR, top + half}, labels.value(i), TextAlign::CenterBottom);
        DrawTextIn(p, {L + 1, top + half, LR, top + 2 * half}, subLabels.value(i), TextAlign::CenterTop);
    }

    DrawLine(p, {LR, GT}, {LR, B});
    for (int i = 1; i < rowCount; ++i) {
        const int y = GT + i * RH;
        DrawLine(p, {L, y}, {R, y});
    }

    const int rows = rowCount < kCellCount ? rowCount : kCellCount;
    for (int i = 0; i < rows; ++i) {
        const int y = i == rowCount - 1 ? B : GT + (i + 1) * RH;
        TCalendarCellInfo &cell = a.Cells[static_cast<size_t>(i)];
        cell.Day = 0;
        cell.FreeRect = TRect{LR + 4, GT + i * RH + 4, R - 4, y - 4};
        cell.Rect = cell.FreeRect;
    }
}

} // namespace ql
