#pragma once

#include "calendarattributes.h"
#include "cellstorage.h"
#include "pagelayout.h"
#include "pagesettings.h"

#include <QLocale>
#include <QObject>
#include <QSize>
#include <array>
#include <functional>
#include <memory>

class QImage;
class QPainter;

namespace ql {

// Screen pixels per inch used by all page geometry: the primary screen's
// logical resolution, read once; 96 when there is no screen (headless use).
int ScreenPixelsPerInch();
// Pins the resolution (tests, the exporter). Call before creating pages.
void SetScreenPixelsPerInch(int pixelsPerInch);

// How a page maps onto a device: page rectangles (screen pixels at 100
// percent) to device rectangles, point sizes to the sizes drawn, and the
// minimum title band height of the main calendar in device pixels.
struct PageScale
{
    std::function<TRect(const TRect &)> MapRect;
    std::function<int(int)> FontSize;
    int MinTitleHeight = 0;
    // Device pixels per text pixel for cell contents.
    double ContentScale = 1.0;
    // Printing draws cell contents straight onto the device at true size; the
    // screen composes each cell in a scratch bitmap first.
    bool DirectContents = false;
};

// What the page needs to know of a printer: its resolution and the distance
// from the paper's edges to the printable area, in printer pixels.
struct PrinterMetrics
{
    int DpiX = 600;
    int DpiY = 600;
    int OffsetX = 0;
    int OffsetY = 0;
    bool operator==(const PrinterMetrics &o) const
    {
        return DpiX == o.DpiX && DpiY == o.DpiY && OffsetX == o.OffsetX && OffsetY == o.OffsetY;
    }
};

// One printable calendar page: its settings, the geometry of its layout, its 42
// rich-text cells and the drawing of it on any painter. It knows nothing about
// windows: the on-screen control wraps it, the exporter and tests use it bare.
// Setters given the stored value do nothing; otherwise they store it and
// either ask for a repaint (Invalidated) or lay the page out again.
class TCalendarPanel : public QObject
{
    Q_OBJECT

public:
    explicit TCalendarPanel(QObject *parent = nullptr);
    ~TCalendarPanel() override;

    const PageSettings &Settings() const { return m_s; }

    TCalendarLayout CalendarLayout() const { return m_s.CalendarLayout; }
    void SetCalendarLayout(TCalendarLayout v);
    TCalendarOrientation CalendarOrientation() const { return m_s.CalendarOrientation; }
    void SetCalendarOrientation(TCalendarOrientation v);
    TCalendarLineLayout CalendarLineLayout() const { return m_s.CalendarLineLayout; }
    void SetCalendarLineLayout(TCalendarLineLayout v);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_s.MiniCalendarLineLayout; }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout v);
    int MainCalMonth() const { return m_s.MainCalMonth; }
    void SetMainCalMonth(int v);
    int MainCalYear() const { return m_s.MainCalYear; }
    void SetMainCalYear(int v);
    int MainCalDay() const { return m_s.MainCalDay; }
    void SetMainCalDay(int v);
    int StartOfWeek() const { return m_s.StartOfWeek; }
    void SetStartOfWeek(int v);
    bool TitleShowYear() const { return m_s.TitleShowYear; }
    void SetTitleShowYear(bool v);
    TColor TitleBGColor() const { return m_s.TitleBGColor; }
    void SetTitleBGColor(TColor v);
    const CalFont &TitleFont() const { return m_s.TitleFont; }
    void SetTitleFont(const CalFont &v);
    const CalFont &HeadersFont() const { return m_s.HeadersFont; }
    void SetHeadersFont(const CalFont &v);
    TCalHeadersStyle HeadersStyle() const { return m_s.HeadersStyle; }
    void SetHeadersStyle(TCalHeadersStyle v);
    TCalBorderStyle HeadersBorder() const { return m_s.HeadersBorder; }
    void SetHeadersBorder(TCalBorderStyle v);
    TColor HeadersBGColor() const { return m_s.HeadersBGColor; }
    void SetHeadersBGColor(TColor v);
    const CalFont &CellFont() const { return m_s.CellFont; }
    void SetCellFont(const CalFont &v);
    TCalBorderStyle CellBorder() const { return m_s.CellBorder; }
    void SetCellBorder(TCalBorderStyle v);
    TCalBorderStyle CalendarBorder() const { return m_s.CalendarBorder; }
    void SetCalendarBorder(TCalBorderStyle v);
    TCalendarNumberPosition NumberPosition() const { return m_s.NumberPosition; }
    void SetNumberPosition(TCalendarNumberPosition v);
    const CalFont &MiniTitleFont() const { return m_s.MiniTitleFont; }
    void SetMiniTitleFont(const CalFont &v);
    const CalFont &MiniHeadersFont() const { return m_s.MiniHeadersFont; }
    void SetMiniHeadersFont(const CalFont &v);
    const CalFont &MiniCellFont() const { return m_s.MiniCellFont; }
    void SetMiniCellFont(const CalFont &v);
    TCalHeadersStyle MiniHeadersStyle() const { return m_s.MiniHeadersStyle; }
    void SetMiniHeadersStyle(TCalHeadersStyle v);
    TCalBorderStyle MiniCalBorder() const { return m_s.MiniCalBorder; }
    void SetMiniCalBorder(TCalBorderStyle v);
    TCalBorderStyle MiniHeadersBorder() const { return m_s.MiniHeadersBorder; }
    void SetMiniHeadersBorder(TCalBorderStyle v);
    TCalBorderStyle MiniCellBorder() const { return m_s.MiniCellBorder; }
    void SetMiniCellBorder(TCalBorderStyle v);
    bool MiniShowYear() const { return m_s.MiniShowYear; }
    void SetMiniShowYear(bool v);
    TColor MiniHeadersBGColor() const { return m_s.MiniHeadersBGColor; }
    void SetMiniHeadersBGColor(TColor v);
    TColor MiniCalBGColor() const { return m_s.MiniCalBGColor; }
    void SetMiniCalBGColor(TColor v);
    float LeftMarginInch() const { return m_s.LeftMarginInch; }
    void SetLeftMarginInch(float v);
    float TopMarginInch() const { return m_s.TopMarginInch; }
    void SetTopMarginInch(float v);
    float RightMarginInch() const { return m_s.RightMarginInch; }
    void SetRightMarginInch(float v);
    float BottomMarginInch() const { return m_s.BottomMarginInch; }
    void SetBottomMarginInch(float v);
    int PaperSize() const { return m_s.PaperSize; }
    void SetPaperSize(int v);
    TTime StartTime() const { return m_s.StartTime; }
    void SetStartTime(TTime v);
    int Magnification() const { return m_magnification; }
    void SetMagnification(int v);

    // Names by 1-based index; indexes out of range are ignored. Setting a name
    // does not repaint: callers lay out or invalidate afterwards.
    void GetMonthName(int index, QString &name) const;
    void SetMonthName(int index, const QString &name);
    void GetDayName(int index, QString &name) const;
    void SetDayName(int index, const QString &name);
    const MonthDayNames &Names() const { return m_s.Names; }

    // Geometry, recomputed by LayoutPage.
    void LayoutPage(bool resetMiniFonts);
    void SetMiniFontSizes(int n);
    int InchesToPixels(float inches) const;
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }
    // The size of the page on screen: the page times Magnification.
    QSize ControlSize() const { return m_controlSize; }
    bool ShowMainCalendar() const { return m_showMainCalendar; }
    bool ShowMiniCalendars() const { return m_showMiniCalendars; }
    bool ShowPlanner() const { return m_showPlanner; }
    const TRect &MainRect() const { return m_mainRect; }
    int MiniCount() const { return m_miniCount; }
    const TRect &MiniRect(int k) const { return m_miniRects[static_cast<size_t>(k - 1)]; }
    const MonthYear &MiniMonth(int k) const { return m_miniMonths[static_cast<size_t>(k - 1)]; }
    const TCalendarAttributes &MainAttributes() const { return m_main; }

    // Cells 1..42 and the blank storage that clears them.
    ql::CellStorage &CellStorage(int i) { return m_cells[static_cast<size_t>(i - 1)]; }
    const ql::CellStorage &CellStorage(int i) const { return m_cells[static_cast<size_t>(i - 1)]; }
    const ql::CellStorage &BlankStorage() const { return m_blank; }

    // Documents: contents and settings transfer.
    void ClearAllContents();
    bool HasContents() const;
    int LayoutClass() const;
    void AssignSettings(const TCalendarPanel &source);
    bool SettingsEqual(const TCalendarPanel &other) const;
    void ResetToDefaultStyle();

    // Documents on disk. Saving writes a temporary file and renames it over the
    // target, so a failed save leaves the old file; loading changes the page
    // only when the whole file was read. All throw ql::Error.
    void SaveToCalendarFile(const QString &fileName) const;
    void LoadFromCalendarFile(const QString &fileName);
    void SaveToStyleSheet(const QString &fileName) const;
    void LoadFromStyleSheet(const QString &fileName);
    // The same readers on the bytes of a file.
    void LoadCalendarData(const QByteArray &data);
    void LoadStyleSheetData(const QByteArray &data);

    // Drawing. DrawPage paints the page at the current magnification onto a
    // painter whose device is ControlSize() large; PaintImage returns that
    // page composed off-screen.
    void DrawPage(QPainter &p);
    QImage PaintImage();
    // Draws the page onto any device with the given scale (printing, PDF).
    void DrawPageScaled(QPainter &p, const PageScale &scale, TTime dayPlannerStart);
    // The scale of the screen page at the current magnification.
    PageScale ScreenScale() const;
    // The scale of a printed page: page positions measured from the paper's
    // edge at the device's resolution, less the offsets of its printable area;
    // fonts at their own point sizes; a title band of at least 1.5 inch.
    static PageScale PrinterScale(int dpiX, int dpiY, int offsetX, int offsetY);
    // A page rectangle on the printer.
    static TRect PrinterRect(const TRect &r, const PrinterMetrics &m);

    // The page as the screen shows it at the current magnification, for
    // saving as a bitmap. Day planners start at 8:00 here.
    QImage RenderPageImage();
    // Prints the page onto a painter that is already on a printer's page (or
    // a PDF writer's), whose origin is the printable area's corner. The caller
    // has set the device's paper and orientation (CalendarOrientation()).
    // Afterwards the cell entries hold printer positions until the next paint.
    void PrintPage(QPainter &p, const PrinterMetrics &metrics);
    // Locale for the day planner's morning and afternoon designators.
    void SetPlannerLocale(const QLocale &locale) { m_plannerLocale = locale; }

    // Hit testing on the cells of the last drawing (control pixels).
    bool PointInCell(int x, int y) const;
    int CellAtPoint(int x, int y) const;
    int CellDay(int i) const;
    void ClickCellAt(int x, int y);
    void ClickPreviousCell(int i);
    void ClickNextCell(int i);
    // A click at control position (x, y): a cell of a month or planner page
    // fires ClickedInCellEvent, anything else OnClick.
    void Click(int x, int y);

    using ClickedInCellHandler =
        std::function<void(const TRect &rTotal, const TRect &rFree, int iCell, int iDay, ql::CellStorage &storage)>;
    ClickedInCellHandler ClickedInCellEvent;
    std::function<void()> OnClick;

    // For the file readers: assign settings directly, without setter effects.
    PageSettings &RawSettings() { return m_s; }

signals:
    // The page must be drawn again.
    void Invalidated();
    // ControlSize() changed.
    void SizeChanged(QSize size);

private:
    void invalidate();
    void relayout();
    void fireCell(int i);
    void fillCommon(TCalendarAttributes &a, const PageScale &scale) const;
    void drawMonthPage(QPainter &p, const PageScale &scale);
    void drawMiniCalendars(QPainter &p, const PageScale &scale);
    void drawWeekPlannerPage(QPainter &p, const PageScale &scale, int dayCount);
    void drawDayPlannerPage(QPainter &p, const PageScale &scale, int hourCount, TTime start);
    void contentPass(QPainter &p, const PageScale &scale, bool skipEmpty);

    PageSettings m_s;
    int m_magnification = 100;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    QSize m_controlSize;
    bool m_showMainCalendar = true;
    bool m_showMiniCalendars = false;
    bool m_showPlanner = false;
    TRect m_mainRect;
    int m_miniCount = 0;
    std::array<TRect, kMaxMinis> m_miniRects{};
    std::array<MonthYear, kMaxMinis> m_miniMonths{};
    TCalendarAttributes m_main;
    TCalendarAttributes m_mini;
    std::array<ql::CellStorage, kCellCount> m_cells;
    ql::CellStorage m_blank;
    QLocale m_plannerLocale;
};

// Font comparison for SettingsEqual: name (case-sensitive), size, style, colour.
bool FontsEqual(const CalFont &a, const CalFont &b);

} // namespace ql
