#include "pdfexport.h"

#include "calendarpanel.h"
#include "error.h"
#include "savefile.h"

#include <QBuffer>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace ql {

namespace {

constexpr int kPdfResolution = 600;

} // namespace

PageDate StepPageDate(int layout, const PageDate &first, int index)
{
    int stepDays = 0;
    if (layout == loWeek)
        stepDays = 7;
    else if (layout == lo2Week)
        stepDays = 14;
    else if (layout == loDay10 || layout == loDay15)
        stepDays = 1;
    if (stepDays == 0) {
        const MonthYear my = ShiftMonth(first.Month, first.Year, index);
        return {my.Year, my.Month, first.Day};
    }
    const QDate start(first.Year, first.Month, first.Day >= 1 ? first.Day : 1);
    const QDate d = start.addDays(static_cast<qint64>(stepDays) * index);
    return {d.year(), d.month(), d.day()};
}

void WritePdf(TCalendarPanel &page, const QString &path, int pages, bool keepContents)
{
    const PageDate first{page.MainCalYear(), page.MainCalMonth(), page.MainCalDay()};
    std::vector<CellStorage> saved;
    if (!keepContents && pages > 1) {
        for (int i = 1; i <= kCellCount; ++i)
            saved.push_back(page.CellStorage(i));
    }

    // The document is made in memory and written in one checked write, so a
    // full disk cannot leave half a PDF over an older one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setCreator(QStringLiteral("Quillon"));
        pdf.setTitle(QStringLiteral("Calendar"));
        const QPageSize paper(page.PaperSize() == 0 ? QPageSize::Letter : QPageSize::A4);
        const auto orientation =
            page.CalendarOrientation() == coPortrait ? QPageLayout::Portrait : QPageLayout::Landscape;
        pdf.setPageLayout(QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0)));

        QPainter painter(&pdf);
        if (!painter.isActive())
            throw Error(QStringLiteral("Unable to write to %1").arg(path));
        const PrinterMetrics metrics{kPdfResolution, kPdfResolution, 0, 0};
        for (int i = 0; i < pages; ++i) {
            if (i > 0) {
                pdf.newPage();
                if (!keepContents && i == 1)
                    page.ClearAllContents();
                const PageDate d = StepPageDate(page.CalendarLayout(), first, i);
                page.SetMainCalYear(d.Year);
                page.SetMainCalMonth(d.Month);
                page.SetMainCalDay(d.Day);
            }
            page.PrintPage(painter, metrics);
        }
        painter.end();
    }

    page.SetMainCalYear(first.Year);
    page.SetMainCalMonth(first.Month);
    page.SetMainCalDay(first.Day);
    for (size_t i = 0; i < saved.size(); ++i)
        page.CellStorage(static_cast<int>(i) + 1).assign(saved[i]);
    WriteFileSafely(path, bytes);
}

} // namespace ql
