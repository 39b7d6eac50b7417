#include "calendarpanel.h"

#include "clock.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ql {

namespace {

int g_pixelsPerInch = 0;

template <typename T>
bool store(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

int ScreenPixelsPerInch()
{
    if (g_pixelsPerInch == 0) {
        int ppi = 96;
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            if (const QScreen *screen = QGuiApplication::primaryScreen())
                ppi = qRound(screen->logicalDotsPerInchY());
        }
        g_pixelsPerInch = ppi > 0 ? ppi : 96;
    }
    return g_pixelsPerInch;
}

void SetScreenPixelsPerInch(int pixelsPerInch)
{
    g_pixelsPerInch = pixelsPerInch > 0 ? pixelsPerInch : 96;
}

bool FontsEqual(const CalFont &a, const CalFont &b)
{
    // Sizes count too: a document whose only change is a font size is changed.
    return a.Name == b.Name && a.Style == b.Style && a.Color == b.Color && a.Size == b.Size;
}

TCalendarPanel::TCalendarPanel(QObject *parent) : QObject(parent)
{
    m_s.Names = LocaleMonthDayNames(QLocale());
    LayoutPage(true);
}

TCalendarPanel::~TCalendarPanel() = default;

void TCalendarPanel::invalidate()
{
    emit Invalidated();
}

void TCalendarPanel::relayout()
{
    LayoutPage(false);
}

void TCalendarPanel::SetCalendarLayout(TCalendarLayout v)
{
    if (store(m_s.CalendarLayout, v))
        relayout();
}

void TCalendarPanel::SetCalendarOrientation(TCalendarOrientation v)
{
    // The layout decides the orientation again, so it always ends as the
    // layout implies.
    if (store(m_s.CalendarOrientation, v))
        relayout();
}

void TCalendarPanel::SetCalendarLineLayout(TCalendarLineLayout v)
{
    if (!store(m_s.CalendarLineLayout, v))
        return;
    static const TCalBorderStyle presets[3][3] = {
        {cbAll, cbAll, cbAll}, {cbNone, cbAll, cbAll}, {cbNone, cbNone, cbAll}};
    const auto &p = presets[v <= llCellsOnly ? v : llFull];
    m_s.CalendarBorder = p[0];
    m_s.HeadersBorder = p[1];
    m_s.CellBorder = p[2];
    invalidate();
}

void TCalendarPanel::SetMiniCalendarLineLayout(TMiniCalendarLineLayout v)
{
    if (!store(m_s.MiniCalendarLineLayout, v))
        return;
    // Calendar outline, header lines, cell lines.
    static const TCalBorderStyle presets[3][3] = {
        {cbAll, cbAll, cbAll}, {cbAll, cbTopBottom, cbNone}, {cbNone, cbTop, cbNone}};
    const auto &p = presets[v <= mllMinimal ? v : mllFull];
    m_s.MiniCalBorder = p[0];
    m_s.MiniHeadersBorder = p[1];
    m_s.MiniCellBorder = p[2];
    invalidate();
}

void TCalendarPanel::SetMainCalMonth(int v)
{
    if (store(m_s.MainCalMonth, v))
        relayout();
}

void TCalendarPanel::SetMainCalYear(int v)
{
    if (store(m_s.MainCalYear, v))
        relayout();
}

void TCalendarPanel::SetMainCalDay(int v)
{
    if (store(m_s.MainCalDay, v))
        relayout();
}

#define QL_INVALIDATING_SETTER(Name, Type)                                                          \
    void TCalendarPanel::Set##Name(Type v)                                                          \
    {                                                                                               \
        if (store(m_s.Name, v))                                                                     \
            invalidate();                                                                           \
    }

QL_INVALIDATING_SETTER(StartOfWeek, int)
QL_INVALIDATING_SETTER(TitleShowYear, bool)
QL_INVALIDATING_SETTER(TitleBGColor, TColor)
QL_INVALIDATING_SETTER(TitleFont, const CalFont &)
QL_INVALIDATING_SETTER(HeadersFont, const CalFont &)
QL_INVALIDATING_SETTER(HeadersStyle, TCalHeadersStyle)
QL_INVALIDATING_SETTER(HeadersBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(HeadersBGColor, TColor)
QL_INVALIDATING_SETTER(CellFont, const CalFont &)
QL_INVALIDATING_SETTER(CellBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(CalendarBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(NumberPosition, TCalendarNumberPosition)
QL_INVALIDATING_SETTER(MiniTitleFont, const CalFont &)
QL_INVALIDATING_SETTER(MiniHeadersFont, const CalFont &)
QL_INVALIDATING_SETTER(MiniCellFont, const CalFont &)
QL_INVALIDATING_SETTER(MiniHeadersStyle, TCalHeadersStyle)
QL_INVALIDATING_SETTER(MiniCalBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(MiniHeadersBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(MiniCellBorder, TCalBorderStyle)
QL_INVALIDATING_SETTER(MiniShowYear, bool)
QL_INVALIDATING_SETTER(MiniHeadersBGColor, TColor)
QL_INVALIDATING_SETTER(MiniCalBGColor, TColor)

#undef QL_INVALIDATING_SETTER

#define QL_RELAYOUT_SETTER(Name, Type)                                                              \
    void TCalendarPanel::Set##Name(Type v)                                                          \
    {                                                                                               \
        if (store(m_s.Name, v))                                                                     \
            relayout();                                                                             \
    }

QL_RELAYOUT_SETTER(LeftMarginInch, float)
QL_RELAYOUT_SETTER(TopMarginInch, float)
QL_RELAYOUT_SETTER(RightMarginInch, float)
QL_RELAYOUT_SETTER(BottomMarginInch, float)
QL_RELAYOUT_SETTER(PaperSize, int)
QL_RELAYOUT_SETTER(StartTime, TTime)

#undef QL_RELAYOUT_SETTER

void TCalendarPanel::SetMagnification(int v)
{
    if (!store(m_magnification, v))
        return;
    const QSize size(static_cast<int>(std::trunc(m_pageWidth * m_magnification * 0.01)),
                     static_cast<int>(std::trunc(m_pageHeight * m_magnification * 0.01)));
    if (size != m_controlSize) {
        m_controlSize = size;
        emit SizeChanged(size);
    }
    invalidate();
}

void TCalendarPanel::GetMonthName(int index, QString &name) const
{
    if (index >= 1 && index <= 12)
        name = m_s.Names.month(index);
}

void TCalendarPanel::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_s.Names.Months[static_cast<size_t>(index - 1)] = name;
}

void TCalendarPanel::GetDayName(int index, QString &name) const
{
    if (index >= 1 && index <= 7)
        name = m_s.Names.day(index);
}

void TCalendarPanel::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_s.Names.Days[static_cast<size_t>(index - 1)] = name;
}

int TCalendarPanel::InchesToPixels(float inches) const
{
    return ql::InchesToPixels(inches, ScreenPixelsPerInch());
}

void TCalendarPanel::SetMiniFontSizes(int n)
{
    const int small = static_cast<int>(std::trunc(n * 0.8));
    m_s.MiniTitleFont.Size = n;
    m_s.MiniHeadersFont.Size = small;
    m_s.MiniCellFont.Size = small;
    invalidate();
}

void TCalendarPanel::LayoutPage(bool resetMiniFonts)
{
    LayoutInput in;
    in.Layout = m_s.CalendarLayout;
    in.PaperSize = m_s.PaperSize;
    in.LeftMarginInch = m_s.LeftMarginInch;
    in.TopMarginInch = m_s.TopMarginInch;
    in.RightMarginInch = m_s.RightMarginInch;
    in.BottomMarginInch = m_s.BottomMarginInch;
    in.Month = m_s.MainCalMonth;
    in.Year = m_s.MainCalYear;
    const LayoutResult r = ComputePageLayout(in, ScreenPixelsPerInch());

    m_s.CalendarOrientation = r.Orientation;
    m_pageWidth = r.PageWidth;
    m_pageHeight = r.PageHeight;
    m_showMainCalendar = r.ShowMainCalendar;
    m_showMiniCalendars = r.ShowMiniCalendars;
    m_showPlanner = r.ShowPlanner;
    if (r.HasMainRect)
        m_mainRect = r.MainRect;
    if (r.HasMinis) {
        m_miniCount = r.MiniCount;
        m_miniRects = r.MiniRects;
        m_miniMonths = r.MiniMonths;
    }
    if (resetMiniFonts && r.MiniFontSize > 0)
        SetMiniFontSizes(r.MiniFontSize);

    const QSize size(static_cast<int>(std::trunc(m_pageWidth * m_magnification * 0.01)),
                     static_cast<int>(std::trunc(m_pageHeight * m_magnification * 0.01)));
    if (size != m_controlSize) {
        m_controlSize = size;
        emit SizeChanged(size);
    }
    invalidate();
}

void TCalendarPanel::ClearAllContents()
{
    for (int i = 1; i <= kCellCount; ++i) {
        CellStorage(i).assign(m_blank);
        TCalendarCellInfo &c = m_main.Cells[static_cast<size_t>(i - 1)];
        c.Rect = TRect{};
        c.FreeRect = TRect{};
    }
}

bool TCalendarPanel::HasContents() const
{
    for (const auto &cell : m_cells) {
        if (!cell.isEmpty())
            return true;
    }
    return false;
}

int TCalendarPanel::LayoutClass() const
{
    const int lo = m_s.CalendarLayout;
    if (lo <= loFC12AfterLS)
        return 0;
    if (lo <= loMC60MonthLS)
        return 1;
    return lo - loWeek + 2;
}

void TCalendarPanel::AssignSettings(const TCalendarPanel &source)
{
    const PageSettings &s = source.m_s;
    m_s.PaperSize = s.PaperSize;
    m_s.CalendarLayout = s.CalendarLayout;
    m_s.StartOfWeek = s.StartOfWeek;
    m_s.Names = s.Names;
    m_s.MainCalDay = s.MainCalDay;
    m_s.MainCalMonth = s.MainCalMonth;
    m_s.MainCalYear = s.MainCalYear;
    m_s.TitleFont = s.TitleFont;
    m_s.TitleBGColor = s.TitleBGColor;
    m_s.HeadersFont = s.HeadersFont;
    m_s.HeadersBGColor = s.HeadersBGColor;
    m_s.HeadersStyle = s.HeadersStyle;
    m_s.CellFont = s.CellFont;
    m_s.MiniCalBGColor = s.MiniCalBGColor;
    m_s.MiniTitleFont = s.MiniTitleFont;
    m_s.MiniHeadersFont = s.MiniHeadersFont;
    m_s.MiniHeadersBGColor = s.MiniHeadersBGColor;
    m_s.MiniHeadersStyle = s.MiniHeadersStyle;
    m_s.MiniCellFont = s.MiniCellFont;
    m_s.TitleShowYear = s.TitleShowYear;
    m_s.MiniShowYear = s.MiniShowYear;
    m_s.LeftMarginInch = s.LeftMarginInch;
    m_s.TopMarginInch = s.TopMarginInch;
    m_s.RightMarginInch = s.RightMarginInch;
    m_s.BottomMarginInch = s.BottomMarginInch;
    m_s.StartTime = s.StartTime;
    // Through the setters: a changed preset also rewrites its borders, an
    // unchanged one leaves this page's borders as they are.
    SetCalendarLineLayout(s.CalendarLineLayout);
    SetMiniCalendarLineLayout(s.MiniCalendarLineLayout);
    LayoutPage(false);
}

bool TCalendarPanel::SettingsEqual(const TCalendarPanel &other) const
{
    const PageSettings &a = m_s, &b = other.m_s;
    return a.PaperSize == b.PaperSize && a.CalendarLayout == b.CalendarLayout &&
           a.StartOfWeek == b.StartOfWeek && a.Names == b.Names && a.MainCalDay == b.MainCalDay &&
           a.MainCalMonth == b.MainCalMonth && a.MainCalYear == b.MainCalYear &&
           FontsEqual(a.TitleFont, b.TitleFont) && a.TitleBGColor == b.TitleBGColor &&
           FontsEqual(a.HeadersFont, b.HeadersFont) && a.HeadersBGColor == b.HeadersBGColor &&
           a.HeadersStyle == b.HeadersStyle && FontsEqual(a.CellFont, b.CellFont) &&
           a.MiniCalBGColor == b.MiniCalBGColor && FontsEqual(a.MiniTitleFont, b.MiniTitleFont) &&
           FontsEqual(a.MiniHeadersFont, b.MiniHeadersFont) &&
           a.MiniHeadersBGColor == b.MiniHeadersBGColor && a.MiniHeadersStyle == b.MiniHeadersStyle &&
           FontsEqual(a.MiniCellFont, b.MiniCellFont) && a.TitleShowYear == b.TitleShowYear &&
           a.MiniShowYear == b.MiniShowYear && a.LeftMarginInch == b.LeftMarginInch &&
           a.TopMarginInch == b.TopMarginInch && a.RightMarginInch == b.RightMarginInch &&
           a.BottomMarginInch == b.BottomMarginInch && a.StartTime == b.StartTime &&
           a.CalendarLineLayout == b.CalendarLineLayout &&
           a.MiniCalendarLineLayout == b.MiniCalendarLineLayout;
}

void TCalendarPanel::ResetToDefaultStyle()
{
    m_s.PaperSize = 0;
    m_s.CalendarLayout = loFCMinisInTitleLS;
    m_s.StartOfWeek = 1;
    m_s.Names = LocaleMonthDayNames(QLocale());
    const QDate today = CurrentDate();
    m_s.MainCalDay = today.day();
    m_s.MainCalMonth = today.month();
    m_s.MainCalYear = today.year();
    m_s.TitleBGColor = clWhite;
    m_s.HeadersBGColor = clWhite;
    m_s.MiniCalBGColor = clWhite;
    m_s.MiniHeadersBGColor = clWhite;
    m_s.MiniHeadersFont.Color = clBlack;
    m_s.MiniHeadersStyle = dsFirstChar;
    m_s.TitleShowYear = true;
    m_s.MiniShowYear = true;
    m_s.LeftMarginInch = m_s.TopMarginInch = m_s.RightMarginInch = m_s.BottomMarginInch = 0.5f;
    m_s.StartTime = EncodeTime(8, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    LayoutPage(true);
}

bool TCalendarPanel::PointInCell(int x, int y) const
{
    return CellAtPoint(x, y) != 0;
}

int TCalendarPanel::CellAtPoint(int x, int y) const
{
    for (int i = 0; i < kCellCount; ++i) {
        if (m_main.Cells[static_cast<size_t>(i)].Rect.contains(x, y))
            return i + 1;
    }
    return 0;
}

int TCalendarPanel::CellDay(int i) const
{
    if (i < 1 || i > kCellCount)
        return 0;
    return m_main.Cells[static_cast<size_t>(i - 1)].Day;
}

void TCalendarPanel::fireCell(int i)
{
    const TCalendarCellInfo &c = m_main.Cells[static_cast<size_t>(i - 1)];
    const TRect total = c.Rect, free = c.FreeRect;
    ClickedInCellEvent(total, free, i, CellDay(i), CellStorage(i));
}

void TCalendarPanel::ClickCellAt(int x, int y)
{
    const int i = CellAtPoint(x, y);
    if (i != 0 && ClickedInCellEvent)
        fireCell(i);
}

void TCalendarPanel::ClickPreviousCell(int i)
{
    if (i <= 1 || i > kCellCount || !ClickedInCellEvent)
        return;
    if (m_main.Cells[static_cast<size_t>(i - 2)].FreeRect.isAllZero())
        return;
    fireCell(i - 1);
}

void TCalendarPanel::ClickNextCell(int i)
{
    if (i < 0 || i >= kCellCount || !ClickedInCellEvent)
        return;
    if (m_main.Cells[static_cast<size_t>(i)].FreeRect.isAllZero())
        return;
    fireCell(i + 1);
}

void TCalendarPanel::Click(int x, int y)
{
    const int i = CellAtPoint(x, y);
    if (i != 0 && (m_showMainCalendar || m_showPlanner)) {
        if (ClickedInCellEvent)
            fireCell(i);
        return;
    }
    if (OnClick)
        OnClick();
}

} // namespace ql
