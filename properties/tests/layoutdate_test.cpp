// The Layout and Date pages: list entries and orientation give the layout,
// the controls follow the layout, the date picker's steps and the erase
// question at OK.
#include "propertiestest.h"

#include "calendarpanelwidget.h"
#include "layoutchoice.h"
#include "radiogroup.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

using namespace ql;

using LayoutPage = PropertiesTest;

TEST_F(LayoutPage, EveryEntryAndOrientationGivesItsLayout)
{
    open();
    auto *list = child<QListWidget>("LayoutList");
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    EXPECT_EQ(texts, LayoutListEntries());
    EXPECT_EQ(texts.at(0), QStringLiteral("1 Month Calendar "));
    EXPECT_EQ(texts.at(2), QStringLiteral("1 Month Calendar, 6 Mini Calendars Before & After "));
    EXPECT_EQ(texts.at(12), QStringLiteral("Day Planner (15 hours) "));

    struct Case { int entry; int orientation; TCalendarLayout layout; };
    const Case cases[] = {
        {0, 0, loFullCalendar},      {0, 1, LOFullCalendarLS},   {1, 0, loFCMinisInTitle},
        {1, 1, loFCMinisInTitleLS},  {2, 0, loFC6Before6After},  {2, 1, loFC6Before6AfterLS},
        {3, 0, loFC12After},         {3, 1, loFC12AfterLS},      {4, 0, lopMC6Month},
        {4, 1, lopMC6MonthLS},       {5, 0, loMC12Month},        {5, 1, loMC12MonthLS},
        {6, 0, loMC24Month},         {6, 1, loMC24MonthLS},      {7, 0, loMC48Month},
        {7, 1, loMC48MonthLS},       {8, 0, loMC60Month},        {8, 1, loMC60MonthLS},
        {9, 0, loWeek},              {10, 0, lo2Week},           {11, 0, loDay10},
        {12, 0, loDay15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.entry << " orientation " << c.orientation);
        // The orientation is picked while a month entry is shown (the group
        // is disabled for planners), then the entry.
        clickLayoutEntry(0);
        clickRadio("rOrientation", c.orientation);
        clickLayoutEntry(c.entry);
        EXPECT_EQ(example().CalendarLayout(), c.layout);
        const bool landscape = c.layout < loWeek && c.layout % 2 == 1;
        EXPECT_EQ(example().CalendarOrientation(), landscape ? coLandscape : coPortrait);
        const bool planner = c.entry >= 9;
        EXPECT_EQ(child("rOrientation")->isEnabled(), !planner);
        EXPECT_EQ(child("WeekStartsOn")->isEnabled(), !planner);
        EXPECT_EQ(child<QLabel>("SelectMonthYearLabel")->text(),
                  planner ? QStringLiteral("Select Starting Date") : QStringLiteral("Select Month & Year"));
    }
}

TEST_F(LayoutPage, PaperAndOrientationSurviveAPlanner)
{
    open();
    clickRadio("rOrientation", 1);
    clickRadio("PaperSize", 1);
    EXPECT_EQ(example().PaperSize(), 1);
    EXPECT_EQ(example().CalendarLayout(), loFCMinisInTitleLS);
    clickLayoutEntry(9);
    EXPECT_EQ(example().CalendarLayout(), loWeek);
    // Back to a month entry: the orientation selected meanwhile still counts.
    clickLayoutEntry(4);
    EXPECT_EQ(example().CalendarLayout(), lopMC6MonthLS);
    clickRadio("PaperSize", 0);
    EXPECT_EQ(example().PaperSize(), 0);
}

TEST_F(LayoutPage, ControlsAreEnabledByTheLayoutsParts)
{
    open();
    // main: a month calendar; minis: mini calendars; planner; day planner.
    struct Control { const char *name; const char *scope; };
    const Control controls[] = {
        {"TitleShowYearCheck", "main"}, {"TitleBGColor", "main"}, {"NumberFontButton", "main"},
        {"CalendarLineLayoutCombo", "main"}, {"TitleFontbutton", "main|planner"},
        {"HeaderFontButton", "main|planner"}, {"HeaderBGColor", "main|planner"},
        {"CalHeaderStyleCombo", "main|planner"}, {"MiniShowYearCheck", "minis"},
        {"Minititlefontbutton", "minis"}, {"MiniHeaderFontButton", "minis"},
        {"MiniHeadersBGColorButton", "minis"}, {"MiniCellFontButton", "minis"},
        {"MiniCalBGColorButton", "minis"}, {"MiniHeadersStyleCombo", "minis"},
        {"MiniCalendarLineLayoutCombo", "minis"}, {"StartingtimeButton", "day"},
    };
    struct Layout { int entry; const char *parts; };
    const Layout layouts[] = {
        {0, "main"}, {1, "main minis"}, {3, "main minis"}, {5, "minis"}, {9, "planner"},
        {10, "planner"}, {11, "planner day"}, {12, "planner day"},
    };
    for (const Layout &l : layouts) {
        clickLayoutEntry(l.entry);
        const QString parts = QString::fromLatin1(l.parts);
        for (const Control &c : controls) {
            SCOPED_TRACE(testing::Message() << "entry " << l.entry << " " << c.name);
            bool expected = false;
            for (const QString &scope : QString::fromLatin1(c.scope).split(u'|'))
                expected = expected || parts.split(u' ').contains(scope);
            EXPECT_EQ(child(c.name)->isEnabled(), expected);
        }
    }
}

using DatePage = PropertiesTest;

TEST_F(DatePage, PickerButtonsKeepTheDayWhereTheMonthHasIt)
{
    m_page.SetMainCalYear(2000);
    m_page.SetMainCalMonth(1);
    m_page.SetMainCalDay(31);
    open();
    auto *picker = child<QCalendarWidget>("Calendar");
    EXPECT_EQ(picker->selectedDate(), QDate(2000, 1, 31));
    struct Step { const char *button; QDate expected; };
    const Step steps[] = {
        {"Button11", QDate(2000, 2, 29)}, // > : the last day of February
        {"Button12", QDate(2001, 2, 28)}, // >> : 29 February becomes the 28th
        {"Button9", QDate(2001, 1, 28)},  // <
        {"Button8", QDate(2000, 1, 28)},  // <<
        {"Button10", QDate(1997, 12, 10)}, // Now
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.button);
        click(s.button);
        EXPECT_EQ(picker->selectedDate(), s.expected);
        // Every change of the picker reaches the working copy.
        EXPECT_EQ(QDate(example().MainCalYear(), example().MainCalMonth(), example().MainCalDay()),
                  s.expected);
    }
    EXPECT_EQ(child<QLabel>("DateLabel")->text(), QStringLiteral("December 1997"));
}

TEST_F(DatePage, PlannersShowTheFullDateAndADayZeroTakesThePickersDay)
{
    // Day 0 is no day of the month: the picker keeps its own day (today's).
    m_page.SetMainCalDay(0);
    m_page.SetMainCalMonth(2);
    m_page.SetMainCalYear(1998);
    open();
    EXPECT_EQ(child<QCalendarWidget>("Calendar")->selectedDate(), QDate(1998, 2, 10));
    EXPECT_EQ(example().MainCalDay(), 10);
    EXPECT_EQ(child<QLabel>("DateLabel")->text(), QStringLiteral("February 1998"));
    clickLayoutEntry(9);
    EXPECT_EQ(child<QLabel>("DateLabel")->text(), QStringLiteral("Tuesday, February 10, 1998"));
    EXPECT_TRUE(dialog().StartingDateMode());
}

TEST_F(DatePage, WeekStartAndShowYearChecks)
{
    m_page.SetStartOfWeek(7); // from an old file: anything but 1 is Monday
    m_page.SetTitleShowYear(false);
    open();
    EXPECT_EQ(child<TRadioGroup>("WeekStartsOn")->ItemIndex(), 1);
    EXPECT_FALSE(child<QCheckBox>("TitleShowYearCheck")->isChecked());
    clickRadio("WeekStartsOn", 0);
    EXPECT_EQ(example().StartOfWeek(), 1);
    clickRadio("WeekStartsOn", 1);
    EXPECT_EQ(example().StartOfWeek(), 2);
    click("TitleShowYearCheck");
    EXPECT_TRUE(example().TitleShowYear());
    click("MiniShowYearCheck");
    EXPECT_FALSE(example().MiniShowYear());
}

using EraseQuestion = PropertiesTest;

TEST_F(EraseQuestion, AskedAtOkOnlyForAnotherClassWithContents)
{
    struct Case
    {
        const char *name;
        bool warn;
        bool newCalendar;
        QList<int> entries; // picked in this order
        QList<bool> answers;
        bool asked;
        bool accepted;
    };
    const Case cases[] = {
        {"other class, No keeps the dialog open", true, false, {5}, {false}, true, false},
        {"other class, Yes closes it", true, false, {5}, {true}, true, true},
        {"same class (portrait to landscape)", true, false, {0}, {}, false, true},
        {"away and back to the page's class", true, false, {9, 3}, {}, false, true},
        {"no contents on the page", false, false, {9}, {}, false, true},
        {"new calendar", false, true, {11}, {}, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_prompts = FakePrompts();
        m_prompts.questionAnswers = c.answers;
        Options options;
        options.WarnOnLayoutChange = c.warn;
        options.ApplyDefaultStyle = c.newCalendar;
        options.InitialLayoutClass = m_page.LayoutClass();
        open(options);
        for (int entry : c.entries)
            clickLayoutEntry(entry);
        EXPECT_TRUE(m_prompts.questions.isEmpty()) << "asked before OK";
        QSignalSpy accepted(&dialog(), &QDialog::accepted);
        click("OkButton");
        EXPECT_EQ(m_prompts.questions.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(m_prompts.questions.constFirst(),
                      QStringLiteral("WARNING: Warning: changing to this type of layout\rwill erase "
                                     "all text and icons from the current\rcalendar. Proceed?"));
        }
        EXPECT_EQ(accepted.count(), c.accepted ? 1 : 0);
        EXPECT_EQ(dialog().isVisible(), !c.accepted);
        if (!c.accepted) { // No: everything as it was picked
            EXPECT_EQ(example().LayoutClass(), 1);
        }
    }
}
