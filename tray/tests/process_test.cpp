// Starts the real osprel program, under the offscreen platform, with a data
// folder and a single-instance key of the test's own (see startoptions.h).
#include "traytestutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OsprelProcess : public testing::Test
{
protected:
    void SetUp() override
    {
        m_key = QStringLiteral("osprel-test-%1").arg(QCoreApplication::applicationPid());
    }

    void prepare(QProcess &process, const QString &probe = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("OSPREL_DATA_FOLDER"), m_dir.path());
        env.insert(QStringLiteral("OSPREL_INSTANCE_KEY"), m_key);
        if (!probe.isEmpty())
            env.insert(QStringLiteral("OSPREL_STARTUP_PROBE"), probe);
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(OSPREL_EXECUTABLE));
    }

    QTemporaryDir m_dir;
    QString m_key;
};

} // namespace

TEST_F(OsprelProcess, ASecondStartEndsAndLeavesOneRunningCopy)
{
    QProcess first;
    prepare(first, QStringLiteral("report"));
    first.start();
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(first.waitForReadyRead(15000)) << "the first copy never painted its grid";
    EXPECT_TRUE(first.readAllStandardOutput().startsWith("osprel: first paint after"));

    QProcess second;
    prepare(second);
    second.start();
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(5000);
    // Its first start wrote the settings and the welcome note into the test's folder.
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(QStringLiteral("OSPRL.INI"))));
    EXPECT_EQ(QDir(m_dir.filePath(QStringLiteral("Notes"))).entryList(QDir::Files).size(), 1);
}

TEST_F(OsprelProcess, StartupProbeQuitsAfterTheFirstPaintAndOtherArgumentsAreReported)
{
    QProcess process;
    prepare(process, QStringLiteral("quit"));
    process.setArguments({QStringLiteral("--bogus")});
    process.start();
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("osprel: first paint after"));
    EXPECT_TRUE(process.readAllStandardError().contains("ignoring \"--bogus\""));
}
