// Save As Style Sheet and Load Style Sheet: the file dialogs, the extension
// checks, the messages, and what a loaded or rejected file does.
#include "propertiestest.h"

#include "programfolders.h"
#include "radiogroup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

using namespace ql;

using StyleSheets = PropertiesTest;

TEST_F(StyleSheets, SaveChecksTheExtensionAndWritesUnderTheNameAsTyped)
{
    open();
    struct Case { const char *name; bool written; };
    const Case cases[] = {
        {"MyStyle.QLS", true},
        {"lower.qls", true},
        {"Notes.txt", false},
        {"dots.QLS.bak", false},
        {"noext", false}, // the real dialog adds QLS; a name without it is refused
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_prompts.informations.clear();
        const QString file = path(QString::fromLatin1(c.name));
        m_prompts.saveAnswers << file;
        click("SaveAsStyleSheetButton");
        EXPECT_EQ(QFileInfo::exists(file), c.written);
        EXPECT_EQ(m_prompts.informations,
                  c.written ? QStringList() : QStringList{"Must save as a Calendar Style Sheet (*.QLS)"});
    }
    EXPECT_EQ(m_prompts.fileDialogs.constFirst(),
              QStringLiteral("Save As Calendar Style Sheet | ") + DataFolder()
                  + QStringLiteral("MyStyle.QLS | Calendar Style Sheet (*.QLS) | QLS"));
    click("SaveAsStyleSheetButton"); // cancelled: nothing
    EXPECT_TRUE(m_prompts.informations.size() <= 1);
}

TEST_F(StyleSheets, AFailedSaveIsReportedAndLeavesWhatWasThere)
{
    open();
    // A folder stands where the file would go: the write cannot replace it.
    const QString file = path(QStringLiteral("Kept.QLS"));
    ASSERT_TRUE(QDir().mkpath(file));
    {
        QFile inside(file + QStringLiteral("/inside.txt"));
        ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
        inside.write("old");
    }
    m_prompts.saveAnswers << file;
    click("SaveAsStyleSheetButton");
    ASSERT_EQ(m_prompts.informations.size(), 1);
    EXPECT_TRUE(m_prompts.informations.constFirst().contains(QStringLiteral("Kept.QLS")))
        << m_prompts.informations.constFirst().toStdString();
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral("/inside.txt")));
    // The dialog goes on working.
    clickLayoutEntry(0);
    EXPECT_EQ(example().CalendarLayout(), loFullCalendar);
}

TEST_F(StyleSheets, LoadAppliesTheLooksButNotTheDate)
{
    TCalendarPanel styled;
    styled.SetCalendarLayout(loDay10);
    styled.SetPaperSize(1);
    styled.SetHeadersBGColor(ColorFromRgb(10, 20, 30));
    styled.SetMonthName(1, QStringLiteral("Janvier"));
    styled.SetTopMarginInch(1.25f);
    styled.SetMainCalMonth(5);
    styled.SetStartOfWeek(2);
    const QString file = path(QStringLiteral("Planner.qls"));
    styled.SaveToStyleSheet(file);

    open();
    m_prompts.openAnswers << file;
    click("LoadStyleSheetButton");
    EXPECT_TRUE(m_prompts.informations.isEmpty()) << m_prompts.informations.join(u'|').toStdString();
    EXPECT_EQ(m_prompts.fileDialogs.constLast(),
              QStringLiteral("Open Calendar Style Sheet | ") + DataFolder()
                  + QStringLiteral(" | Calendar Style Sheet (*.QLS) | QLS"));
    EXPECT_EQ(example().CalendarLayout(), loDay10);
    EXPECT_EQ(example().PaperSize(), 1);
    EXPECT_EQ(example().HeadersBGColor(), ColorFromRgb(10, 20, 30));
    EXPECT_EQ(example().Names().month(1), QStringLiteral("Janvier"));
    EXPECT_EQ(example().MainCalMonth(), 12); // the date is not part of a style
    EXPECT_EQ(example().StartOfWeek(), 1);
    // The controls follow the loaded settings.
    EXPECT_EQ(child<QListWidget>("LayoutList")->currentRow(), 11);
    EXPECT_EQ(child<TRadioGroup>("PaperSize")->ItemIndex(), 1);
    EXPECT_EQ(child<QLabel>("SelectMonthYearLabel")->text(), QStringLiteral("Select Starting Date"));
    EXPECT_FALSE(child("rOrientation")->isEnabled());
    EXPECT_TRUE(child("StartingtimeButton")->isEnabled());
    EXPECT_FALSE(dialog().Updating());
}

TEST_F(StyleSheets, ARejectedFileIsReportedAndChangesNothing)
{
    open();
    const QString corrupt = path(QStringLiteral("Broken.QLS"));
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // The header and the first items of a settings block, then nothing.
        f.write(QByteArray::fromHex("01020102020200020102"));
    }
    const QString calendarFile = path(QStringLiteral("Calendar.QLS"));
    TCalendarPanel other;
    other.SetCalendarLayout(loMC60Month);
    other.SetTitleBGColor(ColorFromRgb(1, 2, 3));
    other.SaveToCalendarFile(calendarFile); // a calendar file under a style sheet's name
    const QString missing = path(QStringLiteral("Gone.QLS"));

    for (const QString &file : {corrupt, calendarFile, missing}) {
        SCOPED_TRACE(file.toStdString());
        m_prompts.informations.clear();
        const PageSettings before = example().Settings();
        m_prompts.openAnswers << file;
        click("LoadStyleSheetButton");
        ASSERT_EQ(m_prompts.informations.size(), 1);
        EXPECT_EQ(m_prompts.informations.constFirst(),
                  QStringLiteral("Unable to open ") + QFileInfo(file).absoluteFilePath()
                      + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file"));
        EXPECT_TRUE(example().SettingsEqual(m_page));
        EXPECT_EQ(example().CalendarLayout(), before.CalendarLayout);
        EXPECT_EQ(example().TitleBGColor(), before.TitleBGColor);
        EXPECT_EQ(example().CalendarBorder(), before.CalendarBorder);
        EXPECT_EQ(example().NumberPosition(), before.NumberPosition);
    }
    // The dialog still reacts to changes.
    clickLayoutEntry(5);
    EXPECT_EQ(example().CalendarLayout(), loMC12Month);
}

TEST_F(StyleSheets, WrongExtensionOnLoadReadsNothing)
{
    m_page.SetCalendarLayout(loWeek);
    open();
    TCalendarPanel other;
    const QString file = path(QStringLiteral("Style.txt"));
    other.SaveToStyleSheet(file);
    CalFont miniTitle = example().MiniTitleFont();
    miniTitle.Size = 14;
    example().SetMiniTitleFont(miniTitle);
    m_prompts.openAnswers << file;
    click("LoadStyleSheetButton");
    EXPECT_EQ(m_prompts.informations, QStringList{"Must be a Calendar Style Sheet (*.QLS)"});
    EXPECT_EQ(example().CalendarLayout(), loWeek);
    // Nothing was refreshed either: no layout pass reset the chosen size.
    EXPECT_EQ(example().MiniTitleFont().Size, 14);
}
