// Runs the real quillon-export program and looks at what it leaves behind.
#include "calendarpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExportRun
{
    int exitCode = -1;
    QString err;
};

ExportRun exportWith(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(QL_EXPORTER), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(Exporter, WritesPageImagesAtTheZoomGiven)
{
    QTemporaryDir dir;
    struct Case
    {
        QStringList args;
        const char *file;
        QSize size;
    } cases[] = {
        {{}, "default.png", {816, 1056}},
        {{"--zoom", "70"}, "zoom70.png", {571, 739}},
        {{"--layout", "LOFullCalendarLS"}, "landscape.bmp", {1056, 816}},
        {{"--layout", "9", "--paper", "a4"}, "a4ls.png", {1122, 793}},
        {{"--layout", "loday15", "--day", "31", "--month", "12", "--year", "1997"}, "day.png", {816, 1056}},
        {{"--week-start", "monday", "--zoom", "50"}, "monday.png", {408, 528}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString out = dir.filePath(QString::fromLatin1(c.file));
        const ExportRun r = exportWith(c.args + QStringList{QStringLiteral("-o"), out});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QImage img(out);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), c.size);
        // A page was drawn: grid lines and text leave plenty of dark pixels.
        int dark = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2)
                dark += qGray(img.pixel(x, y)) < 128;
        EXPECT_GT(dark, 500);
    }
}

TEST(Exporter, BadRequestsExitWithStatusTwoAndTheUsage)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    const QStringList cases[] = {
        {"--layout", "22", "-o", out},        {"--layout", "loNothing", "-o", out},
        {"--paper", "legal", "-o", out},      {"--month", "13", "-o", out},
        {"--week-start", "friday", "-o", out}, {"--zoom", "abc", "-o", out},
        {"--bogus", "-o", out},               {"-o", dir.filePath("x.gif")},
        {"--layout"},                         {},
        {"--day", "30", "--month", "2", "--year", "1997", "-o", out},
    };
    for (const auto &args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ExportRun r = exportWith(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QLatin1String("usage:"))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(Exporter, UnwritableOutputLeavesNoFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("missing/folder/page.png"));
    const ExportRun r = exportWith({QStringLiteral("-o"), out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Unable to write to ") + out)) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(Exporter, CalendarFilesAndStyleSheetsInAndOut)
{
    QTemporaryDir dir;
    const QString qlf = dir.filePath(QStringLiteral("cal.qlf"));
    const QString qls = dir.filePath(QStringLiteral("style.qls"));
    ExportRun r = exportWith({"--layout", "loWeek", "--month", "3", "--year", "2027", "--day", "8", "-o", qlf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = exportWith({"--layout", "LOFullCalendarLS", "--paper", "a4", "-o", qls});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    // The file's layout and date hold where the command line says nothing...
    const QString week = dir.filePath(QStringLiteral("week.png"));
    r = exportWith({qlf, "-o", week});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(week).size(), QSize(816, 1056));
    // ...a style sheet brings its layout and paper...
    const QString styled = dir.filePath(QStringLiteral("styled.png"));
    r = exportWith({qlf, "--style", qls, "--zoom", "50", "-o", styled});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(styled).size(), QSize(561, 396));
    // ...and options on the command line come last.
    const QString again = dir.filePath(QStringLiteral("again.qlf"));
    r = exportWith({qlf, "--style", qls, "--layout", "0", "-o", again});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile f(again);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("0102010201" "0201" "0200"))); // A4, portrait
}

TEST(Exporter, UnreadableInputsSayWhich)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("junk.qlf"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a calendar");
    f.close();
    const QString out = dir.filePath(QStringLiteral("out.png"));
    ExportRun r = exportWith({junk, "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("quillon-export: Unable to open %1. Possibly corrupted, possibly not a Calendar file").arg(junk));
    EXPECT_FALSE(QFile::exists(out));

    r = exportWith({"--style", junk, "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QLatin1String("possibly not a Calendar Style file"))) << r.err.toStdString();
    r = exportWith({dir.filePath(QStringLiteral("missing.qlf")), "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
}

namespace {

// pdfinfo and pdftotext come with poppler-utils, which the test set-up installs.
QString runTool(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(Exporter, PdfPagesAreSearchableAndSized)
{
    QTemporaryDir dir;
    struct Case
    {
        QStringList args;
        const char *file;
        int pages;
        const char *size;
        QStringList texts;
    } cases[] = {
        {{"--layout", "loFC12After", "--month", "1", "--year", "1997"}, "one.pdf", 1, "612 x 792",
         {"January 1997", "December 1997", "Wednesday"}},
        {{"--layout", "LOFullCalendarLS", "--paper", "a4", "--month", "11", "--year", "1997", "--months", "12"},
         "year.pdf", 12, "842 x 595", {"November 1997", "December 1997", "January 1998", "October 1998"}},
        {{"--layout", "loWeek", "--month", "12", "--year", "1997", "--day", "29", "--months", "3"}, "weeks.pdf", 3,
         "612 x 792", {"December 29, 1997 - January 4, 1998", "January 5-11, 1998", "January 12-18, 1998"}},
        {{"--layout", "loDay10", "--month", "2", "--year", "2028", "--day", "28", "--months", "3"}, "days.pdf", 3,
         "612 x 792", {"Monday, February 28, 2028", "February 29, 2028", "Wednesday, March 1, 2028", "8:00 AM"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString out = dir.filePath(QString::fromLatin1(c.file));
        const ExportRun r = exportWith(c.args + QStringList{QStringLiteral("-o"), out});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString info = runTool(QStringLiteral("pdfinfo"), {out});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(c.pages)))) << info.toStdString();
        EXPECT_TRUE(info.contains(QString::fromLatin1(c.size))) << info.toStdString();
        const QString text = runTool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")}).simplified();
        for (const QString &t : c.texts)
            EXPECT_TRUE(text.contains(t)) << t.toStdString() << " in " << text.left(400).toStdString();
        EXPECT_LT(QFileInfo(out).size(), 100 * 1024 * c.pages);
    }
}

TEST(Exporter, PagesAfterTheFirstHaveEmptyCellsUnlessKept)
{
    QTemporaryDir dir;
    const QString qlf = dir.filePath(QStringLiteral("note.qlf"));
    // A calendar file whose cell 10 holds a note, made with the exporter itself.
    {
        ql::TCalendarPanel page;
        page.SetMainCalMonth(3);
        QTextCursor(&page.CellStorage(10).document()).insertText(QStringLiteral("Dentist"));
        page.SaveToCalendarFile(qlf);
    }
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
    ASSERT_EQ(exportWith({qlf, "--months", "3", "-o", plain}).exitCode, 0);
    ASSERT_EQ(exportWith({qlf, "--months", "3", "--keep-contents", "-o", kept}).exitCode, 0);
    EXPECT_EQ(runTool(QStringLiteral("pdftotext"), {plain, QStringLiteral("-")}).count(QStringLiteral("Dentist")), 1);
    EXPECT_EQ(runTool(QStringLiteral("pdftotext"), {kept, QStringLiteral("-")}).count(QStringLiteral("Dentist")), 3);
}
