#include "helpviewer.h"
#include "testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace ql;
using testutil::writeFile;

namespace {

// Every help context the programs open, and the pages they must find.
const char *const ShippedPages[] = {
    "quillon-contents.html", "quillon-2100.html", "quillon-2101.html",    "quillon-2102.html",
    "quillon-2103.html",     "quillon-2104.html", "quillon-2105.html",    "quillon-2106.html",
    "quillon-2107.html",     "quillon-2108.html", "osprel-contents.html", "osprel-1000.html",
};

class HelpViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(m_dir.path()).mkpath("bin/help");
        QDir(m_dir.path()).mkpath("share/quillon/help");
    }
    QString binHelp() const { return m_dir.path() + "/bin/help"; }
    QString shareHelp() const { return m_dir.path() + "/share/quillon/help"; }

    HelpViewer viewer()
    {
        HelpViewer v("quillon", {binHelp(), shareHelp()});
        v.setOpener([this](const QUrl &url) {
            m_opened.append(url);
            return m_openSucceeds;
        });
        v.setReporter([this](const QString &text) { m_reported.append(text); });
        return v;
    }

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;
    QStringList m_reported;
    bool m_openSucceeds = true;
};

TEST_F(HelpViewerTest, PagesNextToTheProgramComeFirst)
{
    writeFile(binHelp() + "/quillon-2100.html", "build");
    writeFile(shareHelp() + "/quillon-2100.html", "installed");
    writeFile(shareHelp() + "/quillon-contents.html", "installed");

    EXPECT_TRUE(viewer().showContext(2100));
    EXPECT_TRUE(viewer().showContents());
    EXPECT_EQ(m_opened, (QList<QUrl>{QUrl::fromLocalFile(binHelp() + "/quillon-2100.html"),
                                     QUrl::fromLocalFile(shareHelp() + "/quillon-contents.html")}));
    EXPECT_TRUE(m_reported.isEmpty());
}

TEST_F(HelpViewerTest, AMissingPageIsReportedByName)
{
    EXPECT_FALSE(viewer().showContext(2105));
    EXPECT_TRUE(m_opened.isEmpty());
    ASSERT_EQ(m_reported.size(), 1);
    EXPECT_TRUE(m_reported[0].contains("quillon-2105.html")) << m_reported[0].toStdString();
}

TEST_F(HelpViewerTest, ABrowserThatCannotBeStartedIsReported)
{
    writeFile(binHelp() + "/quillon-contents.html", "x");
    m_openSucceeds = false;
    EXPECT_FALSE(viewer().showContents());
    ASSERT_EQ(m_reported.size(), 1);
    EXPECT_TRUE(m_reported[0].contains(binHelp() + "/quillon-contents.html"));
}

TEST(HelpFolders, ExecutableFolderThenTheInstalledShareFolder)
{
    qputenv("XDG_DATA_DIRS", "/opt/xdg:/usr/share");
    const QStringList folders = HelpViewer::defaultFolders("osprel");
    const QString exe = QCoreApplication::applicationDirPath();
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], exe + "/help");
    EXPECT_EQ(folders[1], QDir::cleanPath(exe + "/../share/osprel/help"));
    EXPECT_TRUE(folders.contains("/opt/xdg/osprel/help"));
    EXPECT_TRUE(folders.contains("/usr/share/osprel/help"));
}

// The pages in the source tree and their copies next to the built programs:
// every context has its page, and every link between pages leads somewhere.
TEST(ShippedHelp, EveryContextHasAPageAndEveryLinkResolves)
{
    for (const QString &folder :
         {QStringLiteral(QL_HELP_SOURCE_DIR), QStringLiteral(QL_HELP_BUILD_DIR)}) {
        SCOPED_TRACE(folder.toStdString());
        const HelpViewer viewer("", {folder});
        for (const char *page : ShippedPages) {
            SCOPED_TRACE(page);
            const QString path = viewer.findPage(page);
            ASSERT_FALSE(path.isEmpty());
            const QString html = QString::fromUtf8(testutil::readFile(path));
            EXPECT_TRUE(html.contains("<title>"));
            static const QRegularExpression link(R"re(href="([^"#:]+)")re");
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                EXPECT_TRUE(QFileInfo::exists(folder + '/' + target)) << target.toStdString();
            }
        }
    }
}

} // namespace
