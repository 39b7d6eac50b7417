// The dialog's frame: first activation, tabs, zoom, help, hints, placement,
// Default Style, and the contract with the Properties command.
#include "propertiestest.h"

#include "calendardates.h"
#include "inifile.h"
#include "pagestyles.h"
#include "programfolders.h"
#include "propertiesdialogs.h"

#include "radiogroup.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

using namespace ql;

using Frame = PropertiesTest;

TEST_F(Frame, FirstActivationFillsTheControlsAndResetsTheMiniFontSizes)
{
    CalFont miniTitle = m_page.MiniTitleFont();
    miniTitle.Size = 14;
    m_page.SetMiniTitleFont(miniTitle);
    open();
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Calendar Properties"));
    EXPECT_EQ(child<QLabel>("ZoomLabel")->text(), QStringLiteral("30%"));
    // OK untouched still applies the layout pass: the layout's mini sizes.
    TCalendarPanel fresh;
    fresh.SetCalendarLayout(loFCMinisInTitle);
    fresh.LayoutPage(true);
    EXPECT_EQ(example().MiniTitleFont().Size, fresh.MiniTitleFont().Size);
    EXPECT_NE(example().MiniTitleFont().Size, 14);
    // Nothing else moved.
    for (auto [get, set] : {std::pair{&TCalendarPanel::MiniTitleFont, &TCalendarPanel::SetMiniTitleFont},
                            std::pair{&TCalendarPanel::MiniHeadersFont, &TCalendarPanel::SetMiniHeadersFont},
                            std::pair{&TCalendarPanel::MiniCellFont, &TCalendarPanel::SetMiniCellFont}}) {
        CalFont f = (m_page.*get)();
        f.Size = (example().*get)().Size;
        (m_page.*set)(f);
    }
    EXPECT_TRUE(example().SettingsEqual(m_page));
}

TEST_F(Frame, NewCalendarStartsFromTheDefaultStyle)
{
    m_page.SetCalendarLayout(loWeek);
    m_page.SetLeftMarginInch(1.5f);
    Options options;
    options.ApplyDefaultStyle = true;
    open(options);
    EXPECT_EQ(example().CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(example().LeftMarginInch(), 0.5f);
    EXPECT_EQ(QDate(example().MainCalYear(), example().MainCalMonth(), example().MainCalDay()),
              QDate(1997, 12, 10));
    EXPECT_EQ(example().MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(child<QLabel>("SelectMonthYearLabel")->text(), QStringLiteral("Select Month & Year"));
}

TEST_F(Frame, TabsShowTheirPagesAndHelpOpensThePagesContext)
{
    open();
    auto *tabs = child<QTabBar>("TabSet1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Layout", "Date", "Fonts && Colors", "Mini Fonts && Colors",
                                     "Header Styles", "Line Styles", "Day Planner", "Language",
                                     "Margins"}));
    const char *headings[] = {"Select Layout", "Select Month & Year", "Fonts & Colors",
                              "Mini Fonts & Colors", "Header Styles", "Line Styles", "Day Planner",
                              "Month and Day Names", "Margins"};
    auto *notebook = child<QStackedWidget>("Notebook");
    for (int i = 0; i < tabs->count(); ++i) {
        SCOPED_TRACE(i);
        showPage(i);
        EXPECT_EQ(notebook->currentIndex(), i);
        auto *heading = notebook->currentWidget()->findChildren<QLabel *>().constFirst();
        EXPECT_EQ(heading->text(), QString::fromUtf8(headings[i]));
        click("Helpbutton");
        EXPECT_EQ(m_prompts.helpContexts.constLast(), 2100 + i);
    }
}

TEST_F(Frame, ZoomStopsAt100And20)
{
    open();
    QStringList seen;
    for (int i = 0; i < 9; ++i) {
        click("ZoomInButton");
        seen << child<QLabel>("ZoomLabel")->text();
    }
    EXPECT_EQ(seen.join(u' '), QStringLiteral("40% 50% 60% 70% 80% 90% 100% 100% 100%"));
    EXPECT_EQ(child("ExampleCalendar")->size(), example().ControlSize());
    // The scroll box scrolls over the whole page, its border and the margin.
    QCoreApplication::processEvents();
    auto *box = child<QScrollArea>("ScrollBox");
    EXPECT_EQ(box->widget()->size(), example().ControlSize() + QSize(6, 6));
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    seen.clear();
    for (int i = 0; i < 10; ++i) {
        click("ZoomOutbutton");
        seen << QString::number(example().Magnification());
    }
    EXPECT_EQ(seen.join(u' '), QStringLiteral("90 80 70 60 50 40 30 20 20 20"));
    // A portrait Letter page at 96 pixels per inch, at 20 percent.
    EXPECT_EQ(child("ExampleCalendar")->size(), QSize(163, 211));
}

TEST_F(Frame, ZoomOutsideTheRangeIsBroughtIntoIt)
{
    m_dialog = std::make_unique<TCalendarProperties>(nullptr, &m_prompts);
    m_dialog->ExampleCalendar().SetMagnification(0); // a hand-edited settings file
    m_dialog->show();
    EXPECT_EQ(example().Magnification(), 20);
    EXPECT_EQ(child<QLabel>("ZoomLabel")->text(), QStringLiteral("20%"));
}

TEST_F(Frame, HintsOfTheControls)
{
    open();
    struct Hint { const char *name; const char *text; };
    const Hint hints[] = {
        {"TabSet1", "Click a tab to work with a different aspect of \nthis calendar's properties"},
        {"ExampleCalendar", "This is an example calendar"},
        {"ScrollBox", "This is an example calendar"},
        {"ZoomInButton", "Click to zoom in (make the calendar larger)"},
        {"ZoomOutbutton", "Click to zoom out (make the calendar smaller)"},
        {"OkButton", "Click to save changes"},
        {"CancelButton", "Click to cancel changes"},
        {"Helpbutton", "Click for help with Properties "},
        {"SaveAsStyleSheetButton", "Click to save these settings as a style sheet, \nwhich may be "
                                   "applied to other calendars you\ncreate."},
        {"LoadStyleSheetButton", "Click to load a previously saved style sheet and\napply the "
                                 "settings to this calendar"},
        {"Defaultbutton", "Click to apply the default style settings to\nthis calendar"},
        {"LayoutList", "Select a layout for the calendar from this list"},
        {"rOrientation", "Choose Portrait or Landscape orientation"},
        {"PaperSize", "Choose the paper size"},
        {"Calendar", "Click on a date to select it"},
        {"Button8", "Click for the previous year"},
        {"Button10", "Click for today's date"},
        {"Button12", "Click for the next year"},
        {"WeekStartsOn", "Select the day that the calendar week starts on"},
        {"TitleShowYearCheck", "For full calendars, show the year as well\nas the month in the title"},
        {"MiniShowYearCheck", "For mini calendars, show the year as well\nas the month in the title"},
        {"TitleFontbutton", "Select the Title font\n(the title is the part of the calendar showing "
                            "\nthe month and year)"},
        {"NumberFontButton", "Select theNumber Cells font\n(the number cells are the part of the "
                             "calendar \nshowing the individual days by number)"},
        {"MiniHeadersBGColorButton", "Select the Mini Calendar Header background color\n(the header "
                                     "is the part of the calendar showing \nthe names of the days)"},
        {"MiniCalBGColorButton", "Select the color for the background of the \nentire Mini Calendar"},
        {"CalHeaderStyleCombo", "Select a Header Style for the calendar\n(the header is the part of "
                                "the calendar showing \nthe names of the days)"},
        {"CalendarLineLayoutCombo", "Select a Line Style for the calendar"},
        {"MiniCalendarLineLayoutCombo", "Select a Line Style for the Mini calendars"},
        {"StartingtimeButton", "Select a starting time by clicking here"},
        {"MonthNames", "Type in the month names, starting with January,\nor click one of the "
                       "buttons below"},
        {"DayNames", "Type in the day names, starting with Sunday, or \nclick one of the buttons "
                     "below."},
        {"German", "Use German names for the months \nand days of the week."},
        {"LeftMarginInchcombo", "Select the left margin for the printed calendar"},
        {"BottomMarginInchcombo", "Select the bottom margin for the printed calendar"},
        {"useInches", "Click to see measurements in inches"},
        {"UseMillimeters", "Click to see measurements in millimeters"},
    };
    for (const Hint &h : hints) {
        SCOPED_TRACE(h.name);
        EXPECT_EQ(child(h.name)->toolTip(), QString::fromUtf8(h.text));
    }
}

TEST_F(Frame, PlacementIsKeptUnderTheClassName)
{
    open();
    const IniFile settings = SettingsFile();
    EXPECT_TRUE(settings.sectionExists(QStringLiteral("TCalendarProperties_Placement")));
    dialog().move(40, 30);
    dialog().reject();
    const int left = settings.readInteger(QStringLiteral("TCalendarProperties_Placement"),
                                          QStringLiteral("Left"), -1);
    EXPECT_EQ(left, dialog().normalGeometry().left());
    // The next dialog comes back where this one was.
    const QRect was = dialog().normalGeometry();
    open();
    EXPECT_EQ(dialog().normalGeometry().topLeft(), was.topLeft());
}

TEST_F(Frame, DefaultStyleResetsTheWorkingCopyAndTheControls)
{
    m_page.SetCalendarLayout(loDay10);
    m_page.SetTopMarginInch(1.25f);
    m_page.SetMonthName(1, QStringLiteral("Jan"));
    open();
    CalFont miniTitle = example().MiniTitleFont();
    miniTitle.Size = 14;
    m_prompts.fontAnswers << miniTitle;
    clickLayoutEntry(1);
    click("Minititlefontbutton");
    EXPECT_EQ(example().MiniTitleFont().Size, 14);
    click("Defaultbutton");
    EXPECT_EQ(example().CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(example().TopMarginInch(), 0.5f);
    QString january;
    example().GetMonthName(1, january);
    EXPECT_EQ(january, QStringLiteral("January"));
    EXPECT_NE(example().MiniTitleFont().Size, 14); // the layout's size again
    EXPECT_EQ(child<QListWidget>("LayoutList")->currentRow(), 1);
    EXPECT_EQ(child<TRadioGroup>("rOrientation")->ItemIndex(), 1);
    EXPECT_EQ(child<QComboBox>("TopMarginInchcombo")->currentIndex(), 1);
    EXPECT_TRUE(child("rOrientation")->isEnabled());
    EXPECT_FALSE(dialog().Updating());
}

namespace {

// Drives the modal dialog the Properties command runs, once it is up.
void whenDialogIsUp(const std::function<void(TCalendarProperties &)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

TEST_F(Frame, CommandGetsTheSettingsOnOkAndKeepsItsOwnOnCancel)
{
    // The caller's working copy, as the main window prepares it.
    TCalendarPanel callers;
    ApplyDesignerStyle(callers, PageRole::Example);
    callers.SetMagnification(50);
    callers.AssignSettings(m_page);

    // A style sheet with other looks, loaded and then cancelled.
    TCalendarPanel other;
    other.SetCalendarLayout(loMC24Month);
    other.SetTitleBGColor(ColorFromRgb(255, 0, 0));
    other.SetMonthName(3, QStringLiteral("Mars"));
    other.SetLeftMarginInch(1.5f);
    const QString sheet = path(QStringLiteral("Other.QLS"));
    other.SaveToStyleSheet(sheet);
    m_prompts.openAnswers << sheet;

    whenDialogIsUp([](TCalendarProperties &d) {
        d.ZoomInButtonClick();
        d.LoadStyleSheetButtonClick();
        EXPECT_EQ(d.ExampleCalendar().CalendarLayout(), loMC24Month);
        d.reject();
    });
    EXPECT_FALSE(RunCalendarProperties(nullptr, callers, {}, &m_prompts));
    EXPECT_TRUE(m_prompts.informations.isEmpty()) << m_prompts.informations.join(u'|').toStdString();
    EXPECT_TRUE(callers.SettingsEqual(m_page));
    EXPECT_EQ(callers.TitleBGColor(), clWhite);
    EXPECT_EQ(callers.Magnification(), 60); // the zoom is kept either way

    whenDialogIsUp([](TCalendarProperties &d) {
        d.ExampleCalendar().SetMainCalMonth(3);
        d.OkButtonClick();
    });
    EXPECT_TRUE(RunCalendarProperties(nullptr, callers, {}, &m_prompts));
    EXPECT_EQ(callers.MainCalMonth(), 3);
    EXPECT_FALSE(callers.SettingsEqual(m_page));
}
