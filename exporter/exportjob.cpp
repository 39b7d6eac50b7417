#include "exportjob.h"

#include "calendarpanel.h"
#include "clock.h"
#include "error.h"
#include "imagefile.h"
#include "pagestyles.h"
#include "pdfexport.h"

namespace ql {

QString ApplyPageOptions(const ExportOptions &o, TCalendarPanel &page)
{
    // Without an input file the page shows the current month from the 1st;
    // with one, the file's date holds unless the command line changes it.
    const bool fromFile = !o.Input.isEmpty();
    const QDate today = CurrentDate();
    const int month = o.Month.value_or(fromFile ? page.MainCalMonth() : today.month());
    const int year = o.Year.value_or(fromFile ? page.MainCalYear() : today.year());
    int day = o.Day.value_or(fromFile ? page.MainCalDay() : 1);
    if (day > MonthLength(year, month)) {
        if (o.Day)
            return QStringLiteral("day %1 is not in month %2 of %3").arg(day).arg(month).arg(year);
        day = MonthLength(year, month); // the file's day, in a shorter month
    }
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
    if (!o.Input.isEmpty()) {
        try {
            page.LoadFromCalendarFile(o.Input);
        } catch (const Error &) {
            return {1, QStringLiteral("Unable to open %1. Possibly corrupted, possibly not a Calendar file").arg(o.Input)};
        }
    }
    if (!o.Style.isEmpty()) {
        try {
            page.LoadFromStyleSheet(o.Style);
            page.LayoutPage(false); // the sheet's mini font sizes stay
        } catch (const Error &) {
            return {1, QStringLiteral("Unable to open %1. Possibly corrupted, possibly not a Calendar Style file")
                           .arg(o.Style)};
        }
    }
    const QString problem = ApplyPageOptions(o, page);
    if (!problem.isEmpty())
        return {2, problem};

    const QString lower = o.Output.toLower();
    try {
        if (lower.endsWith(QLatin1String(".qlf"))) {
            page.SaveToCalendarFile(o.Output);
        } else if (lower.endsWith(QLatin1String(".qls"))) {
            page.SaveToStyleSheet(o.Output);
        } else if (lower.endsWith(QLatin1String(".pdf"))) {
            WritePdf(page, o.Output, o.Months, o.KeepContents);
        } else {
            QString error;
            if (!SaveImageFile(page.PaintImage(), o.Output, error))
                return {1, error};
        }
    } catch (const Error &) {
        return {1, QStringLiteral("Unable to write to %1").arg(o.Output)};
    }
    return {};
}

} // namespace ql
