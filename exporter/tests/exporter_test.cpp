// Runs the real quillon-export program and looks at what it leaves behind.
#include <QDir>
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
