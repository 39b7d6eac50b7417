#include "exportjob.h"

#include "calendarpanel.h"
#include "clock.h"
#include "imagefile.h"
#include "pagestyles.h"

namespace ql {

QString ApplyPageOptions(const ExportOptions &o, TCalendarPanel &page)
{
    const QDate today = CurrentDate();
    const int month = o.Month.value_or(today.month());
    const int year = o.Year.value_or(today.year());
    const int day = o.Day.value_or(1);
    if (day > MonthLength(year, month))
        return QStringLiteral("day %1 is not in month %2 of %3").arg(day).arg(month).arg(year);
    if (o.Layout) {
        page.SetCalendarLayout(static_cast<TCalendarLayout>(*o.Layout));
        // A layout chosen by the user brings its own mini font sizes.
        page.LayoutPage(true);
    }
    if (o.PaperSize)
        page.SetPaperSize(*o.PaperSize);
    if (o.StartOfWeek)
        page.SetStartOfWeek(*o.StartOfWeek);
    page.SetMainCalYear(year);
    page.SetMainCalMonth(month);
    page.SetMainCalDay(day);
    page.SetMagnification(o.Zoom);
    return {};
}

ExportResult RunExport(const ExportOptions &o)
{
    TCalendarPanel page;
    ApplyDesignerStyle(page, PageRole::MainWindow);
    const QString problem = ApplyPageOptions(o, page);
    if (!problem.isEmpty())
        return {2, problem};
    const QImage image = page.PaintImage();
    QString error;
    if (!SaveImageFile(image, o.Output, error))
        return {1, error};
    return {};
}

} // namespace ql
