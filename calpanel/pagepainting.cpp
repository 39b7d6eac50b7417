// Painting of a page: fills the attribute records for the main calendar, the
// minis and the planners, hands them to the drawing routines and draws each
// cell's rich text into the free area the routines wrote back.

#include "calendarpanel.h"
#include "canvas.h"
#include "monthcalendar.h"
#include "planners.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace ql {

namespace {

int scaled(int v, int magnification)
{
    return static_cast<int>(std::trunc(v * magnification * 0.01));
}

} // namespace

PageScale TCalendarPanel::ScreenScale() const
{
    const int mag = m_magnification;
    PageScale s;
    s.MapRect = [mag](const TRect &r) {
        return TRect{scaled(r.Left, mag), scaled(r.Top, mag), scaled(r.Right, mag), scaled(r.Bottom, mag)};
    };
    s.FontSize = [mag](int size) { return scaled(size, mag); };
    s.MinTitleHeight = static_cast<int>(std::trunc(ScreenPixelsPerInch() * 1.5 * mag * 0.01));
    s.ContentScale = mag * 0.01;
    return s;
}

PageScale TCalendarPanel::PrinterScale(int dpiX, int dpiY, int offsetX, int offsetY)
{
    const double P = ScreenPixelsPerInch();
    PageScale s;
    s.MapRect = [=](const TRect &r) {
        auto x = [&](int v) { return static_cast<int>(std::trunc(v / P * dpiX)) - offsetX; };
        auto y = [&](int v) { return static_cast<int>(std::trunc(v / P * dpiY)) - offsetY; };
        return TRect{x(r.Left), y(r.Top), x(r.Right), y(r.Bottom)};
    };
    s.FontSize = [](int size) { return size; };
    s.MinTitleHeight = static_cast<int>(std::trunc(dpiY * 1.5));
    s.ContentScale = dpiY / P;
    s.DirectContents = true;
    return s;
}

TRect TCalendarPanel::PrinterRect(const TRect &r, const PrinterMetrics &m)
{
    return PrinterScale(m.DpiX, m.DpiY, m.OffsetX, m.OffsetY).MapRect(r);
}

QImage TCalendarPanel::RenderPageImage()
{
    // The exported day planner always starts at 8:00, whatever the page's
    // start time; the bitmap is otherwise the screen page.
    QImage image(m_controlSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const int dpm = qRound(ScreenPixelsPerInch() / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        DrawPageScaled(p, ScreenScale(), EncodeTime(8, 0));
    }
    invalidate();
    return image;
}

void TCalendarPanel::PrintPage(QPainter &p, const PrinterMetrics &m)
{
    DrawPageScaled(p, PrinterScale(m.DpiX, m.DpiY, m.OffsetX, m.OffsetY), m_s.StartTime);
}

void TCalendarPanel::fillCommon(TCalendarAttributes &a, const PageScale &scale) const
{
    a.Month = m_s.MainCalMonth;
    a.Year = m_s.MainCalYear;
    a.Names = m_s.Names;
    a.setTitleFont(m_s.TitleFont, scale.FontSize(m_s.TitleFont.Size));
    a.setHeadersFont(m_s.HeadersFont, scale.FontSize(m_s.HeadersFont.Size));
    a.setCellFont(m_s.CellFont, scale.FontSize(m_s.CellFont.Size));
    a.BackgroundColor = clWhite;
    a.TitleBGColor = m_s.TitleBGColor;
    a.HeadersBGColor = m_s.HeadersBGColor;
    a.Rect = scale.MapRect(m_mainRect);
}

void TCalendarPanel::DrawPage(QPainter &p)
{
    DrawPageScaled(p, ScreenScale(), m_s.StartTime);
}

QImage TCalendarPanel::PaintImage()
{
    QImage image(m_controlSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    // The bitmap's resolution is the screen's, so point sizes come out as on screen.
    const int dpm = qRound(ScreenPixelsPerInch() / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawPage(p);
    return image;
}

void TCalendarPanel::DrawPageScaled(QPainter &p, const PageScale &scale, TTime dayPlannerStart)
{
    PreparePainter(p);
    switch (m_s.CalendarLayout) {
    case loWeek:
        drawWeekPlannerPage(p, scale, 7);
        break;
    case lo2Week:
        drawWeekPlannerPage(p, scale, 14);
        break;
    case loDay10:
        drawDayPlannerPage(p, scale, 10, dayPlannerStart);
        break;
    case loDay15:
        drawDayPlannerPage(p, scale, 15, dayPlannerStart);
        break;
    default:
        if (m_showMainCalendar)
            drawMonthPage(p, scale);
        break;
    }
    // Minis come last, over the main calendar: those of the title band sit on it.
    if (m_showMiniCalendars)
        drawMiniCalendars(p, scale);
}

void TCalendarPanel::drawMonthPage(QPainter &p, const PageScale &scale)
{
    TCalendarAttributes &a = m_main;
    fillCommon(a, scale);
    a.MinTitleHeight = scale.MinTitleHeight;
    a.NumberPosition = m_s.NumberPosition;
    a.StartOfWeek = m_s.StartOfWeek;
    a.CalendarBorder = m_s.CalendarBorder;
    a.ShowYear = m_s.TitleShowYear;
    a.HeadersBorder = m_s.HeadersBorder;
    a.HeadersStyle = m_s.HeadersStyle;
    a.CellBorder = m_s.CellBorder;
    for (auto &c : a.Cells)
        c.FreeRect = TRect{};
    DrawMonthCalendar(p, a);
    contentPass(p, scale, false);
}

void TCalendarPanel::drawMiniCalendars(QPainter &p, const PageScale &scale)
{
    TCalendarAttributes &a = m_mini;
    a.BackgroundColor = m_s.MiniCalBGColor;
    a.TitleBGColor = m_s.MiniCalBGColor;
    a.MinTitleHeight = 0;
    a.NumberPosition = cnpCenter;
    a.StartOfWeek = m_s.StartOfWeek;
    a.CalendarBorder = m_s.MiniCalBorder;
    a.setTitleFont(m_s.MiniTitleFont, scale.FontSize(m_s.MiniTitleFont.Size));
    a.ShowYear = m_s.MiniShowYear;
    a.setHeadersFont(m_s.MiniHeadersFont, scale.FontSize(m_s.MiniHeadersFont.Size));
    a.HeadersBorder = m_s.MiniHeadersBorder;
    a.HeadersStyle = m_s.MiniHeadersStyle;
    a.HeadersBGColor = m_s.MiniHeadersBGColor;
    a.setCellFont(m_s.MiniCellFont, scale.FontSize(m_s.MiniCellFont.Size));
    a.CellBorder = m_s.MiniCellBorder;
    a.Names = m_s.Names;
    const int count = std::min(m_miniCount, kMaxMinis);
    for (int k = 1; k <= count; ++k) {
        a.Month = MiniMonth(k).Month;
        a.Year = MiniMonth(k).Year;
        a.Rect = scale.MapRect(MiniRect(k));
        DrawMonthCalendar(p, a);
    }
}

void TCalendarPanel::drawWeekPlannerPage(QPainter &p, const PageScale &scale, int dayCount)
{
    TCalendarAttributes &a = m_main;
    fillCommon(a, scale);
    a.Day = m_s.MainCalDay;
    a.HeadersStyle = m_s.HeadersStyle;
    a.DayCount = dayCount;
    DrawWeekPlanner(p, a);
    contentPass(p, scale, true);
}

void TCalendarPanel::drawDayPlannerPage(QPainter &p, const PageScale &scale, int hourCount, TTime start)
{
    TCalendarAttributes &a = m_main;
    fillCommon(a, scale);
    a.Day = m_s.MainCalDay;
    a.HourCount = hourCount;
    a.StartTime = start;
    for (auto &c : a.Cells)
        c.FreeRect = TRect{};
    DrawDayPlanner(p, a, m_plannerLocale);
    contentPass(p, scale, false);
}

void TCalendarPanel::contentPass(QPainter &p, const PageScale &scale, bool skipEmpty)
{
    // Each cell's text is laid out to the free area's width plus one and
    // squeezed into the area by one pixel each way, as the page has always
    // drawn it; the free area itself is painted white first.
    if (scale.DirectContents) {
        for (int i = 1; i <= kCellCount; ++i) {
            const TRect &f = m_main.Cells[static_cast<size_t>(i - 1)].FreeRect;
            const int w = f.Right - f.Left + 1;
            const int h = f.Bottom - f.Top + 1;
            if (f.isAllZero() || w <= 0 || h <= 0 || CellStorage(i).isEmpty())
                continue;
            CellStorage(i).paint(p, QRect(f.Left, f.Top, w, h), scale.ContentScale);
        }
        return;
    }
    QImage scratch;
    for (int i = 1; i <= kCellCount; ++i) {
        const TRect &f = m_main.Cells[static_cast<size_t>(i - 1)].FreeRect;
        const ql::CellStorage &storage = CellStorage(i);
        if (f.isAllZero())
            continue;
        if (skipEmpty && storage.isEmpty())
            continue;
        const int w = f.Right - f.Left + 1;
        const int h = f.Bottom - f.Top + 1;
        if (w <= 0 || h <= 0)
            continue;
        if (storage.isEmpty()) {
            FillSolid(p, f, clWhite);
            continue;
        }
        const QSize size(w, h);
        if (scratch.size() != size) {
            scratch = QImage(size, QImage::Format_RGB32);
            scratch.setDotsPerMeterX(qRound(ScreenPixelsPerInch() / 0.0254));
            scratch.setDotsPerMeterY(qRound(ScreenPixelsPerInch() / 0.0254));
        }
        scratch.fill(Qt::white);
        {
            QPainter sp(&scratch);
            storage.paint(sp, QRect(0, 0, w, h), scale.ContentScale);
        }
        if (f.width() > 0 && f.height() > 0)
            p.drawImage(f.toQRect(), scratch);
    }
}

} // namespace ql
