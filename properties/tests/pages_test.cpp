// The pages that edit the look: every font, colour and style control writes
// its property into the working copy and the example page follows; month
// and day names; margins; the day planner's start time.
#include "propertiestest.h"

#include "builtinnames.h"
#include "calendardates.h"
#include "calendarpanelwidget.h"
#include "colorbutton.h"
#include "marginsteps.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace ql;

namespace {

const QColor kRed(255, 0, 0);

CalFont font(const QString &name, int size, TFontStyles style, TColor color)
{
    return CalFont{name, size, style, color};
}

} // namespace

using LookPages = PropertiesTest;

TEST_F(LookPages, EveryControlChangesItsPropertyAndTheExamplePage)
{
    m_page.SetCalendarLayout(loFC12After); // a month calendar with minis
    open();
    auto *widget = qobject_cast<CalendarPanelWidget *>(child("ExampleCalendar"));
    ASSERT_NE(widget, nullptr);

    struct Case
    {
        const char *control;
        std::function<void()> act;
        std::function<bool(const TCalendarPanel &)> changed;
    };
    const CalFont courier = font(QStringLiteral("Courier New"), 20, fsItalic | fsUnderline, ColorFromRgb(0, 0, 255));
    auto fontButton = [this, courier](const char *name) {
        return [this, courier, name] {
            m_prompts.fontAnswers << courier;
            click(name);
        };
    };
    auto colorButton = [this](const char *name) {
        return [this, name] {
            m_prompts.colorAnswers << kRed;
            click(name);
        };
    };
    auto entry = [this](const char *name, int index) {
        return [this, name, index] { pickEntry(name, index); };
    };
    const TColor red = ColorFromQColor(kRed);
    const Case cases[] = {
        {"TitleFontbutton", fontButton("TitleFontbutton"), [courier](const TCalendarPanel &p) { return p.TitleFont() == courier; }},
        {"HeaderFontButton", fontButton("HeaderFontButton"), [courier](const TCalendarPanel &p) { return p.HeadersFont() == courier; }},
        {"NumberFontButton", fontButton("NumberFontButton"), [courier](const TCalendarPanel &p) { return p.CellFont() == courier; }},
        {"Minititlefontbutton", fontButton("Minititlefontbutton"), [courier](const TCalendarPanel &p) { return p.MiniTitleFont() == courier; }},
        {"MiniHeaderFontButton", fontButton("MiniHeaderFontButton"), [courier](const TCalendarPanel &p) { return p.MiniHeadersFont() == courier; }},
        {"MiniCellFontButton", fontButton("MiniCellFontButton"), [courier](const TCalendarPanel &p) { return p.MiniCellFont() == courier; }},
        {"TitleBGColor", colorButton("TitleBGColor"), [red](const TCalendarPanel &p) { return p.TitleBGColor() == red; }},
        {"HeaderBGColor", colorButton("HeaderBGColor"), [red](const TCalendarPanel &p) { return p.HeadersBGColor() == red; }},
        {"MiniHeadersBGColorButton", colorButton("MiniHeadersBGColorButton"), [red](const TCalendarPanel &p) { return p.MiniHeadersBGColor() == red; }},
        {"MiniCalBGColorButton", colorButton("MiniCalBGColorButton"), [red](const TCalendarPanel &p) { return p.MiniCalBGColor() == red; }},
        {"CalHeaderStyleCombo", entry("CalHeaderStyleCombo", 0), [](const TCalendarPanel &p) { return p.HeadersStyle() == dsFirstChar; }},
        {"MiniHeadersStyleCombo", entry("MiniHeadersStyleCombo", 2), [](const TCalendarPanel &p) { return p.MiniHeadersStyle() == dsWhole; }},
        {"CalendarLineLayoutCombo", entry("CalendarLineLayoutCombo", 2),
         [](const TCalendarPanel &p) { return p.CalendarLineLayout() == llCellsOnly && p.CalendarBorder() == cbNone && p.HeadersBorder() == cbNone && p.CellBorder() == cbAll; }},
        {"MiniCalendarLineLayoutCombo", entry("MiniCalendarLineLayoutCombo", 1),
         [](const TCalendarPanel &p) { return p.MiniCalendarLineLayout() == mllBoxed && p.MiniCalBorder() == cbAll && p.MiniHeadersBorder() == cbTopBottom && p.MiniCellBorder() == cbNone; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        widget->ensureComposed();
        const QImage before = example().PaintImage();
        QSignalSpy invalidated(&example(), &TCalendarPanel::Invalidated);
        c.act();
        EXPECT_TRUE(c.changed(example()));
        EXPECT_GE(invalidated.count(), 1);
        EXPECT_NE(example().PaintImage(), before) << "the example page looks the same";
    }
    EXPECT_EQ(child<TColorButton>("TitleBGColor")->Color(), red);
    // Only the mini header background's dialog offers no custom colours.
    EXPECT_EQ(m_prompts.customColorsOffered, (QList<bool>{true, true, false, true}));
}

TEST_F(LookPages, ListsShowTheWorkingCopyAndCancelledDialogsChangeNothing)
{
    m_page.SetHeadersStyle(dsThreeChars);
    m_page.SetMiniCalendarLineLayout(mllMinimal);
    m_page.SetHeadersBGColor(ColorFromRgb(0, 128, 0));
    open();
    struct Shown { const char *combo; int index; QStringList entries; };
    const Shown shown[] = {
        {"CalHeaderStyleCombo", 1, {"First Character", "First Three Characters", "Whole Word"}},
        {"MiniHeadersStyleCombo", 0, {"First Character", "First Three Characters", "Whole Word"}},
        {"CalendarLineLayoutCombo", 0, {"Full", "Headers & Cells", "Cells Only"}},
        {"MiniCalendarLineLayoutCombo", 2, {"Full", "Boxed", "Minimal"}},
    };
    for (const Shown &s : shown) {
        SCOPED_TRACE(s.combo);
        auto *c = child<QComboBox>(s.combo);
        QStringList entries;
        for (int i = 0; i < c->count(); ++i)
            entries << c->itemText(i);
        EXPECT_EQ(entries, s.entries);
        EXPECT_EQ(c->currentIndex(), s.index);
    }
    EXPECT_EQ(child<TColorButton>("HeaderBGColor")->Color(), ColorFromRgb(0, 128, 0));

    const PageSettings before = example().Settings();
    click("HeaderBGColor"); // no answer scripted: cancelled
    click("TitleFontbutton");
    EXPECT_EQ(m_prompts.colorsOffered.constLast(), QColor(0, 128, 0));
    EXPECT_EQ(m_prompts.fontsOffered.constLast(), m_page.TitleFont());
    EXPECT_EQ(example().HeadersBGColor(), before.HeadersBGColor);
    EXPECT_EQ(example().TitleFont(), before.TitleFont);
}

using LanguagePage = PropertiesTest;

TEST_F(LanguagePage, LanguageButtonsSetAllNineteenNames)
{
    open();
    struct Case { const char *button; NameLanguage language; };
    const Case cases[] = {
        {"French", NameLanguage::French}, {"German", NameLanguage::German},
        {"Italian", NameLanguage::Italian}, {"Spanish", NameLanguage::Spanish},
        {"English", NameLanguage::English},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        EXPECT_EQ(example().Names(), BuiltInNames(c.language));
    }
    click("French");
    const QStringList months = child<QPlainTextEdit>("MonthNames")->toPlainText().split(u'\n');
    EXPECT_EQ(months.size(), 12);
    EXPECT_EQ(months.at(1), QString::fromUtf8("Février"));
    EXPECT_EQ(months.at(7), QString::fromUtf8("Août"));
    EXPECT_EQ(months.at(11), QString::fromUtf8("Décembre"));
    EXPECT_EQ(child<QPlainTextEdit>("DayNames")->toPlainText(),
              QStringLiteral("Dimanche\nLundi\nMardi\nMercredi\nJeudi\nVendredi\nSamedi"));
    click("German");
    EXPECT_EQ(example().Names().day(6), QStringLiteral("Freitag "));
    EXPECT_EQ(child("Spanish")->property("text").toString(), QString::fromUtf8("Español"));
}

TEST_F(LanguagePage, TypedNamesGoInWhenTheBoxLosesTheFocusOrAtOk)
{
    Options options;
    options.WarnOnLayoutChange = true;
    options.InitialLayoutClass = m_page.LayoutClass();
    open(options);
    // Ten lines (the last one ended) change ten months; blanks are kept as typed.
    typeLines("MonthNames", {"Jan", "Feb ", "", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", ""});
    EXPECT_EQ(example().Names().month(1), QStringLiteral("January")); // not before it loses the focus
    click("DayNames"); // the month box loses the focus
    EXPECT_EQ(example().Names().month(1), QStringLiteral("Jan"));
    EXPECT_EQ(example().Names().month(2), QStringLiteral("Feb "));
    EXPECT_EQ(example().Names().month(3), QString());
    EXPECT_EQ(example().Names().month(10), QStringLiteral("Oct"));
    EXPECT_EQ(example().Names().month(11), QStringLiteral("November"));
    EXPECT_EQ(example().Names().month(12), QStringLiteral("December"));

    // OK reached while the day box still has the focus (from the keyboard):
    // the typed names count, here seen while the erase question keeps the
    // dialog open. An eighth line is ignored.
    clickLayoutEntry(9);
    typeLines("DayNames", {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa", "Extra"});
    ASSERT_TRUE(child("DayNames")->hasFocus());
    dialog().OkButtonClick();
    ASSERT_EQ(m_prompts.questions.size(), 1);
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(example().Names().day(1), QStringLiteral("So"));
    EXPECT_EQ(example().Names().day(7), QStringLiteral("Sa"));
}

using MarginsPage = PropertiesTest;

TEST_F(MarginsPage, ListsShowTheStepBelowAndPickingSetsTheMargin)
{
    m_page.SetLeftMarginInch(0.6f);
    m_page.SetTopMarginInch(0.2f);
    m_page.SetRightMarginInch(2.0f);
    m_page.SetBottomMarginInch(1.0f);
    open();
    const char *combos[] = {"LeftMarginInchcombo", "TopMarginInchcombo", "RightMarginInchcombo",
                            "BottomMarginInchcombo"};
    const char *shown[] = {"½ Inch", "¼ Inch", "1½ Inch", "1 Inch"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(combos[i]);
        auto *c = child<QComboBox>(combos[i]);
        EXPECT_EQ(c->currentText(), QString::fromUtf8(shown[i]));
        EXPECT_EQ(c->count(), kMarginStepCount);
        EXPECT_FALSE(c->isEditable());
    }
    // Shown, not changed: 0.6 stays 0.6 until an entry is picked.
    EXPECT_EQ(example().LeftMarginInch(), 0.6f);
    EXPECT_EQ(example().RightMarginInch(), 2.0f);

    float (TCalendarPanel::*getters[])() const = {
        &TCalendarPanel::LeftMarginInch, &TCalendarPanel::TopMarginInch,
        &TCalendarPanel::RightMarginInch, &TCalendarPanel::BottomMarginInch};
    for (int i = 0; i < 4; ++i) {
        for (int step = 0; step < kMarginStepCount; ++step) {
            SCOPED_TRACE(testing::Message() << combos[i] << " step " << step);
            pickEntry(combos[i], step);
            EXPECT_EQ((example().*getters[i])(), 0.25f * static_cast<float>(step + 1));
        }
    }
}

TEST_F(MarginsPage, MillimetresAreOnlyLabels)
{
    m_page.SetLeftMarginInch(0.75f);
    m_page.SetTopMarginInch(1.5f);
    open();
    const PageSettings before = example().Settings();
    click("UseMillimeters");
    auto *left = child<QComboBox>("LeftMarginInchcombo");
    EXPECT_EQ(left->currentText(), QStringLiteral("19 mm"));
    EXPECT_EQ(child<QComboBox>("TopMarginInchcombo")->currentText(), QStringLiteral("38 mm"));
    QStringList entries;
    for (int i = 0; i < left->count(); ++i)
        entries << left->itemText(i);
    EXPECT_EQ(entries.join(u','), QStringLiteral("6 mm,13 mm,19 mm,25 mm,32 mm,38 mm"));
    pickEntry("RightMarginInchcombo", 3);
    EXPECT_EQ(example().RightMarginInch(), 1.0f);
    click("useInches");
    EXPECT_EQ(left->currentText(), QString::fromUtf8("¾ Inch"));
    EXPECT_EQ(child<QComboBox>("RightMarginInchcombo")->currentText(), QStringLiteral("1 Inch"));
    EXPECT_EQ(example().LeftMarginInch(), before.LeftMarginInch);
    EXPECT_EQ(example().TopMarginInch(), before.TopMarginInch);
    EXPECT_FALSE(dialog().Updating());
}

using DayPlannerPage = PropertiesTest;

TEST_F(DayPlannerPage, StartTimeComesFromTheTimeDialog)
{
    m_page.SetCalendarLayout(loDay15);
    m_page.SetStartTime(EncodeTime(8, 0));
    open();
    auto *label = child<QLabel>("TimeLabel");
    EXPECT_EQ(label->text(), QStringLiteral("8:00 AM"));
    click("StartingtimeButton"); // cancelled
    EXPECT_EQ(m_prompts.timesOffered.constLast(), QTime(8, 0));
    EXPECT_EQ(label->text(), QStringLiteral("8:00 AM"));
    EXPECT_EQ(example().StartTime(), EncodeTime(8, 0));

    m_prompts.timeAnswers << QTime(20, 30);
    QSignalSpy invalidated(&example(), &TCalendarPanel::Invalidated);
    click("StartingtimeButton");
    EXPECT_EQ(label->text(), QStringLiteral("8:30 PM"));
    EXPECT_EQ(example().StartTime(), EncodeTime(20, 30));
    EXPECT_GE(invalidated.count(), 1);
    clickLayoutEntry(9);
    EXPECT_FALSE(child("StartingtimeButton")->isEnabled());
}
