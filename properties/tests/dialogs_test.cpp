// The day planner start time dialog and the About box.
#include "aboutbox.h"
#include "colorbutton.h"
#include "fakeprompts.h"
#include "fontcolordialog.h"
#include "graphicpanel.h"
#include "programfolders.h"
#include "settimedialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kSilver(0xC0, 0xC0, 0xC0);

// The cells shown in yellow, as "h<tag>" and "m<tag>".
QStringList yellowCells(const TSetTimeDialog &d)
{
    QStringList cells;
    for (int h = 0; h < 24; ++h) {
        if (d.hourCell(h)->Color() == kYellow)
            cells << QStringLiteral("h%1").arg(h);
        else
            EXPECT_EQ(d.hourCell(h)->Color(), kSilver);
    }
    for (int m = 0; m < 60; ++m) {
        if (d.minuteCell(m)->Color() == kYellow)
            cells << QStringLiteral("m%1").arg(m);
        else
            EXPECT_EQ(d.minuteCell(m)->Color(), kSilver);
    }
    return cells;
}

} // namespace

TEST(SetTimeDialog, ShowsTheTimeAndTakesClicks)
{
    TSetTimeDialog d;
    d.SetTime(QTime(8, 0));
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Set Time As: 08:00 am"));
    EXPECT_EQ(yellowCells(d), (QStringList{"h8", "m0"}));
    EXPECT_EQ(d.hourCell(8)->text(), QStringLiteral("8"));

    struct Click { bool hour; int tag; const char *caption; const char *title; QTime time; };
    const Click clicks[] = {
        {true, 12, "12", "Set Time As: 12:00 pm", QTime(12, 0)},  // "12" of the PM rows
        {false, 30, "30", "Set Time As: 12:30 pm", QTime(12, 30)},
        {true, 0, "12", "Set Time As: 12:30 am", QTime(0, 30)},   // "12" of the AM rows
        {true, 23, "11", "Set Time As: 11:30 pm", QTime(23, 30)},
        {false, 5, "05", "Set Time As: 11:05 pm", QTime(23, 5)},
    };
    for (const Click &c : clicks) {
        SCOPED_TRACE(c.title);
        TGraphicPanel *cell = c.hour ? d.hourCell(c.tag) : d.minuteCell(c.tag);
        EXPECT_EQ(cell->text(), QString::fromLatin1(c.caption));
        QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
        EXPECT_EQ(d.windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(d.Time(), c.time);
        EXPECT_EQ(yellowCells(d), (QStringList{QStringLiteral("h%1").arg(c.time.hour()),
                                               QStringLiteral("m%1").arg(c.time.minute())}));
    }
    EXPECT_EQ(d.hourCell(5)->toolTip(), QStringLiteral("Click to set the hours portion of the time"));
    EXPECT_EQ(d.minuteCell(59)->toolTip(), QStringLiteral("Click to set the minutes portion of the time"));
}

TEST(SetTimeDialog, OkAndEscape)
{
    TSetTimeDialog d;
    d.SetTime(QTime(20, 0)); // a 15-hour planner from 20:00 runs past midnight; any hour is fine
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Set Time As: 08:00 pm"));
    auto *ok = d.findChild<QPushButton *>(QStringLiteral("Okbutton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);

    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());
}

TEST(AboutBox, ShowsVersionAndSettingsFolder)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quillon"));
    auto *version = box.findChild<QLabel *>(QStringLiteral("Label4"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version " QL_TEST_PROJECT_VERSION));
    auto *settings = box.findChild<QLabel *>(QStringLiteral("SettingsLabel"));
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->text().contains(DataFolder())) << settings->text().toStdString();
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    box.show();
    QTest::mouseClick(box.okButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST(FontColorDialog, KeepsAFaceThisMachineLacksUnlessAnotherIsPicked)
{
    FakePrompts prompts;
    const CalFont missing{QStringLiteral("No Such Face 1997"), 26, fsBold | fsItalic,
                          ColorFromRgb(200, 0, 0)};
    FontColorDialog d(missing, prompts);
    const CalFont chosen = d.font();
    EXPECT_EQ(chosen.Name, missing.Name);
    EXPECT_EQ(chosen.Size, 26);
    EXPECT_EQ(chosen.Style, fsBold | fsItalic);
    EXPECT_EQ(chosen.Color, missing.Color);

    // The colour comes from its own button.
    prompts.colorAnswers << QColor(0, 0, 255);
    auto *color = d.findChild<TColorButton *>(QStringLiteral("FontColor"));
    ASSERT_NE(color, nullptr);
    d.show();
    QTest::mouseClick(color, Qt::LeftButton);
    EXPECT_EQ(d.font().Color, ColorFromRgb(0, 0, 255));

    // Through QFont and back, a face that exists keeps every attribute.
    const CalFont underlined{QStringLiteral("Serif"), 12, fsUnderline | fsStrikeOut, clBlack};
    const CalFont back = FontColorDialog::fromQFont(FontColorDialog::toQFont(underlined), clBlack);
    EXPECT_EQ(back.Size, 12);
    EXPECT_EQ(back.Style, fsUnderline | fsStrikeOut);
}
