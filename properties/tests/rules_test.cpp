// The dialog's small rules: list entries and layouts, margin steps, box
// lines, the style sheet extension.
#include "languagetab.h"
#include "layoutchoice.h"
#include "marginsteps.h"
#include "stylesheetcommands.h"

#include <gtest/gtest.h>

using namespace ql;

TEST(LayoutChoice, EveryLayoutHasOneEntryAndComesBack)
{
    for (int v = 0; v < kLayoutCount; ++v) {
        SCOPED_TRACE(v);
        const auto layout = static_cast<TCalendarLayout>(v);
        const LayoutChoice c = ChoiceFromLayout(layout);
        EXPECT_EQ(c.Entry, v < 18 ? v / 2 : v - 9);
        EXPECT_EQ(c.Landscape, v < 18 && v % 2 == 1);
        EXPECT_EQ(LayoutFromChoice(c), layout);
    }
    // Planners ignore the orientation.
    EXPECT_EQ(LayoutFromChoice({12, true}), loDay15);
    EXPECT_EQ(LayoutListEntries().size(), kLayoutEntryCount);
}

TEST(MarginSteps, TheStepBelowWithEverythingUnderHalfAnInchFirst)
{
    struct Case { float inches; int index; };
    const Case cases[] = {{0.0f, 0},  {0.2f, 0},  {0.25f, 0}, {0.49f, 0}, {0.5f, 1},
                          {0.6f, 1},  {0.75f, 2}, {0.99f, 2}, {1.0f, 3},  {1.25f, 4},
                          {1.49f, 4}, {1.5f, 5},  {2.0f, 5},  {-1.0f, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.inches);
        EXPECT_EQ(MarginStepIndex(c.inches), c.index);
    }
    for (int i = 0; i < kMarginStepCount; ++i)
        EXPECT_EQ(MarginStepIndex(MarginStepValue(i)), i);
    EXPECT_LT(MarginStepValue(6), 0.0f);
    EXPECT_LT(MarginStepValue(-1), 0.0f);
    EXPECT_EQ(MarginInchEntries().size(), kMarginStepCount);
    EXPECT_EQ(MarginMillimetreEntries().size(), kMarginStepCount);
}

TEST(NameBoxes, LinesAsTheOldTextBoxCountedThem)
{
    struct Case { const char *text; QStringList lines; };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"Jan", {"Jan"}},
        {"Jan\n", {"Jan"}},
        {"Jan\n\nMar ", {"Jan", "", "Mar "}},
        {" a \n b \n\n", {" a ", " b ", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LanguageTab::boxLines(QString::fromLatin1(c.text)), c.lines);
    }
}

TEST(StyleSheetExtension, UpperCasedFromTheLastDotOfTheName)
{
    struct Case { const char *name; bool ok; };
    const Case cases[] = {
        {"/a/MyStyle.QLS", true}, {"/a/my.style.qls", true}, {"/a/x.Qls", true},
        {"/a/x.QLF", false},      {"/a/x.QLS.txt", false},   {"/a/x", false},
        {"/a.QLS/x", false},      {"/a/x.", false},          {"/a/.QLS", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StyleSheetCommands::HasStyleSheetExtension(QString::fromLatin1(c.name)), c.ok);
    }
}
