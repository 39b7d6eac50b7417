#include "calendarpanel.h"
#include "testutil.h"

#include <QSignalSpy>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace ql;

namespace {

void typeInto(CellStorage &s, const QString &text)
{
    QTextCursor(&s.document()).insertText(text);
}

struct Fired
{
    int count = 0;
    TRect total, free;
    int cell = -1, day = -1;
    CellStorage *storage = nullptr;
};

void listen(TCalendarPanel &page, Fired &f, int *clicks = nullptr)
{
    page.ClickedInCellEvent = [&f](const TRect &t, const TRect &fr, int i, int d, CellStorage &s) {
        ++f.count;
        f.total = t;
        f.free = fr;
        f.cell = i;
        f.day = d;
        f.storage = &s;
    };
    if (clicks)
        page.OnClick = [clicks] { ++*clicks; };
}

} // namespace

TEST(Panel, ConstructorDefaults)
{
    TCalendarPanel page;
    EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 1997);
    EXPECT_EQ(page.MainCalDay(), 0);
    EXPECT_EQ(page.TitleFont(), (CalFont{"Times New Roman", 26, fsBold, clWindowText}));
    EXPECT_EQ(page.MiniHeadersFont(), (CalFont{"Times New Roman", 8, 0, clWhite}));
    EXPECT_EQ(page.MiniHeadersBorder(), cbBottom);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.HeadersStyle(), dsThreeChars);
    EXPECT_FLOAT_EQ(page.LeftMarginInch(), 0.25f);
    EXPECT_DOUBLE_EQ(page.StartTime(), 1.0 / 3.0);
    EXPECT_EQ(page.Names().month(1), "January");
    EXPECT_EQ(page.Names().day(1), "Sunday");
    EXPECT_EQ(page.ControlSize(), QSize(816, 1056));
}

TEST(Panel, SettersStoreAndNotifyOnlyOnChange)
{
    TCalendarPanel page;
    QSignalSpy invalidated(&page, &TCalendarPanel::Invalidated);
    QSignalSpy resized(&page, &TCalendarPanel::SizeChanged);
    page.SetTitleBGColor(clWhite); // the stored value: nothing happens
    page.SetCalendarLayout(loFullCalendar);
    EXPECT_EQ(invalidated.count(), 0);
    page.SetTitleBGColor(0x00FF00);
    EXPECT_EQ(invalidated.count(), 1);
    EXPECT_EQ(resized.count(), 0);
    page.SetCalendarLayout(LOFullCalendarLS); // re-layout: new size and a repaint
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(page.ControlSize(), QSize(1056, 816));
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
}

TEST(Panel, OrientationAlwaysFollowsTheLayout)
{
    TCalendarPanel page;
    page.SetCalendarOrientation(coLandscape);
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
    EXPECT_EQ(page.PageWidth(), 816);
}

TEST(Panel, LineLayoutPresetsWriteTheBordersOnlyWhenTheyChange)
{
    TCalendarPanel page;
    page.SetCellBorder(cbTop);
    page.SetCalendarLineLayout(llFull); // unchanged: borders stay as set one by one
    EXPECT_EQ(page.CellBorder(), cbTop);
    page.SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(page.CalendarBorder(), cbNone);
    EXPECT_EQ(page.HeadersBorder(), cbAll);
    EXPECT_EQ(page.CellBorder(), cbAll);
    page.SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(page.HeadersBorder(), cbNone);

    page.SetMiniCalendarLineLayout(mllBoxed);
    EXPECT_EQ(page.MiniCalBorder(), cbAll);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    page.SetMiniCalendarLineLayout(mllMinimal);
    EXPECT_EQ(page.MiniCalBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTop);
    page.SetMiniCalendarLineLayout(mllFull);
    EXPECT_EQ(page.MiniHeadersBorder(), cbAll);
    EXPECT_EQ(page.MiniCellBorder(), cbAll);
}

TEST(Panel, NameAccessorsIgnoreIndexesOutOfRange)
{
    TCalendarPanel page;
    QString name = "unchanged";
    page.GetMonthName(13, name);
    EXPECT_EQ(name, "unchanged");
    page.GetMonthName(0, name);
    EXPECT_EQ(name, "unchanged");
    page.SetDayName(0, "X");
    page.SetDayName(8, "X");
    EXPECT_EQ(page.Names(), LocaleMonthDayNames(QLocale()));
    page.SetMonthName(12, "Décembre");
    page.GetMonthName(12, name);
    EXPECT_EQ(name, "Décembre");
    page.SetDayName(7, "Samedi");
    page.GetDayName(7, name);
    EXPECT_EQ(name, "Samedi");
}

TEST(Panel, HitTestingUsesTheLastDrawing)
{
    TCalendarPanel page;
    page.PaintImage();
    const TCalendarCellInfo &c10 = page.MainAttributes().Cells[9];
    ASSERT_GT(c10.Rect.width(), 0);
    EXPECT_EQ(page.CellAtPoint(c10.Rect.Left, c10.Rect.Top), 10);
    EXPECT_TRUE(page.PointInCell(c10.Rect.Right - 1, c10.Rect.Bottom - 1));
    // Right and bottom edges are outside; grid lines belong to no cell.
    EXPECT_NE(page.CellAtPoint(c10.Rect.Right, c10.Rect.Top), 10);
    EXPECT_EQ(page.CellAtPoint(c10.Rect.Left, c10.Rect.Bottom), 0);
    EXPECT_EQ(page.CellAtPoint(5, 5), 0);
    EXPECT_EQ(page.CellDay(4), 1); // January 1997 begins in cell 4

    page.ClearAllContents();
    EXPECT_EQ(page.CellAtPoint(c10.Rect.Left + 1, c10.Rect.Top + 1), 0);
}

TEST(Panel, ClicksGoToCellsOnMonthAndPlannerPages)
{
    TCalendarPanel page;
    page.PaintImage();
    Fired f;
    int clicks = 0;
    listen(page, f, &clicks);
    const TRect r = page.MainAttributes().Cells[2].Rect; // a blank cell before the 1st
    page.Click(r.Left + 2, r.Top + 2);
    EXPECT_EQ(f.count, 1);
    EXPECT_EQ(f.cell, 3);
    EXPECT_EQ(f.day, 0);
    EXPECT_EQ(f.total, r);
    EXPECT_EQ(f.storage, &page.CellStorage(3));
    page.Click(3, 3); // the margin
    EXPECT_EQ(clicks, 1);

    // Without a cell handler a click in a cell fires nothing at all.
    page.ClickedInCellEvent = nullptr;
    page.Click(r.Left + 2, r.Top + 2);
    EXPECT_EQ(clicks, 1);
}

TEST(Panel, MiniPagesSendEveryClickToOnClick)
{
    TCalendarPanel page;
    page.PaintImage();
    const TRect stale = page.MainAttributes().Cells[10].Rect;
    page.SetCalendarLayout(loMC12Month);
    page.PaintImage();
    Fired f;
    int clicks = 0;
    listen(page, f, &clicks);
    page.Click(stale.Left + 1, stale.Top + 1);
    EXPECT_EQ(f.count, 0);
    EXPECT_EQ(clicks, 1);
    // ClickCellAt does not look at the page kind.
    page.ClickCellAt(stale.Left + 1, stale.Top + 1);
    EXPECT_EQ(f.count, 1);
}

TEST(Panel, PreviousAndNextCell)
{
    TCalendarPanel page;
    page.SetCalendarLayout(loWeek);
    page.SetMainCalDay(5);
    page.PaintImage();
    Fired f;
    listen(page, f);
    page.ClickPreviousCell(1);
    page.ClickNextCell(8); // the notes row is the last with a free area
    EXPECT_EQ(f.count, 0);
    page.ClickNextCell(3);
    EXPECT_EQ(f.cell, 4);
    EXPECT_EQ(f.total, f.free); // planner rows: total equals free
    EXPECT_EQ(f.day, 0);
    page.ClickPreviousCell(3);
    EXPECT_EQ(f.cell, 2);

    // Centred numbers keep no free area, so there is nothing to move to.
    TCalendarPanel month;
    month.SetNumberPosition(cnpCenter);
    month.PaintImage();
    Fired g;
    listen(month, g);
    month.ClickNextCell(3);
    month.ClickPreviousCell(3);
    EXPECT_EQ(g.count, 0);
    const TRect r = month.MainAttributes().Cells[5].Rect;
    month.Click(r.Left + 1, r.Top + 1);
    EXPECT_EQ(g.count, 1);
    EXPECT_TRUE(g.free.isAllZero());
}

TEST(Panel, ContentsAndLayoutClasses)
{
    TCalendarPanel page;
    EXPECT_FALSE(page.HasContents());
    typeInto(page.CellStorage(42), "note");
    EXPECT_TRUE(page.HasContents());
    page.ClearAllContents();
    EXPECT_FALSE(page.HasContents());
    for (int i = 1; i <= 42; ++i)
        EXPECT_TRUE(page.CellStorage(i).isEmpty());

    const int classes[kLayoutCount] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5};
    for (int lo = 0; lo < kLayoutCount; ++lo) {
        page.SetCalendarLayout(static_cast<TCalendarLayout>(lo));
        EXPECT_EQ(page.LayoutClass(), classes[lo]) << lo;
    }
}

TEST(Panel, ContentsAreDrawnInTheirCell)
{
    TCalendarPanel page;
    page.PaintImage();
    const TRect f = page.MainAttributes().Cells[15].FreeRect;
    QTextCursor cur(&page.CellStorage(16).document());
    QTextCharFormat fmt;
    fmt.setFontPointSize(20);
    cur.insertText(QStringLiteral("XXXXXXX"), fmt);
    const QImage img = page.PaintImage();
    bool inked = false;
    for (int y = f.Top; y < f.Bottom && !inked; ++y)
        for (int x = f.Left; x < f.Right && !inked; ++x)
            inked = img.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
    // With centred numbers the contents are kept but not shown.
    page.SetNumberPosition(cnpCenter);
    const QImage hidden = page.PaintImage();
    const TRect cell = page.MainAttributes().Cells[15].Rect;
    int ink = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Left + 20; ++x)
            ink += hidden.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_EQ(ink, 0);
    EXPECT_FALSE(page.CellStorage(16).isEmpty());
}

TEST(Panel, AssignSettingsCopiesStyleAndDateButNotContents)
{
    TCalendarPanel source, target;
    source.SetCalendarLayout(loFC12After);
    source.SetMainCalMonth(7);
    source.SetTitleFont({"Arial", 30, fsItalic, clBlack});
    source.SetMonthName(1, "Janvier");
    source.SetCalendarLineLayout(llCellsOnly);
    source.SetNumberPosition(cnpCenter);
    typeInto(source.CellStorage(1), "text");
    EXPECT_FALSE(target.SettingsEqual(source));
    target.AssignSettings(source);
    EXPECT_TRUE(target.SettingsEqual(source));
    EXPECT_EQ(target.CalendarLayout(), loFC12After);
    EXPECT_EQ(target.MainCalMonth(), 7);
    EXPECT_EQ(target.CellBorder(), cbAll);
    EXPECT_EQ(target.HeadersBorder(), cbNone); // the preset changed, so its borders came along
    EXPECT_EQ(target.NumberPosition(), cnpUpperRight); // not carried
    EXPECT_FALSE(target.HasContents());
    EXPECT_EQ(target.MiniCount(), 12);

    // An unchanged line layout keeps this page's own borders.
    TCalendarPanel a, b;
    a.SetCellBorder(cbBottom);
    a.AssignSettings(b);
    EXPECT_EQ(a.CellBorder(), cbBottom);
}

TEST(Panel, SettingsEqualSeesFontSizes)
{
    TCalendarPanel a, b;
    EXPECT_TRUE(a.SettingsEqual(b));
    CalFont f = b.CellFont();
    f.Size = 17;
    b.SetCellFont(f);
    EXPECT_FALSE(a.SettingsEqual(b));
    b.SetCellFont(a.CellFont());
    b.SetDayName(3, "tuesday"); // names compare case-sensitively
    EXPECT_FALSE(a.SettingsEqual(b));
}

TEST(Panel, ResetToDefaultStyle)
{
    TCalendarPanel page;
    page.SetCellBorder(cbTop);
    page.SetLeftMarginInch(1.0f);
    page.SetCalendarLayout(loWeek);
    page.SetNumberPosition(cnpCenter);
    page.ResetToDefaultStyle();
    EXPECT_EQ(page.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(page.MainCalDay(), 15); // the pinned "today"
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_FLOAT_EQ(page.LeftMarginInch(), 0.5f);
    EXPECT_EQ(page.MiniHeadersFont().Color, clBlack);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(page.CellBorder(), cbTop); // llFull unchanged: the setter sees no change
    EXPECT_EQ(page.NumberPosition(), cnpCenter);
    EXPECT_EQ(page.MiniTitleFont().Size, 10);
}
