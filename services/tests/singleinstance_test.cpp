#include "testutil.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Two (or three) real processes of the helper program, sharing a private
// runtime folder so that nothing else on the machine gets in the way.
class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_runtime.isValid());
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("XDG_RUNTIME_DIR", m_runtime.path());
    }

    void start(QProcess &p, const QString &key, const QString &mode)
    {
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral(QL_SINGLEINSTANCE_HELPER), {key, mode});
        ASSERT_TRUE(p.waitForStarted(5000));
    }

    // The next line the process prints, or what it printed until it stopped.
    static QByteArray nextLine(QProcess &p)
    {
        while (!p.canReadLine()) {
            if (!p.waitForReadyRead(10000))
                return p.readAll();
        }
        return p.readLine().trimmed();
    }

    // Starts a copy that must end at once as the second copy.
    void expectSecondCopy(const QString &key)
    {
        QProcess second;
        start(second, key, "wait");
        ASSERT_TRUE(second.waitForFinished(15000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(second.readAllStandardOutput(), "secondary\n");
    }

    static void expectActivatedAndEnded(QProcess &first)
    {
        EXPECT_EQ(nextLine(first), "activated");
        ASSERT_TRUE(first.waitForFinished(10000));
        EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(first.exitCode(), 0);
    }

    QTemporaryDir m_runtime;
    QProcessEnvironment m_env;
};

TEST_F(SingleInstanceTest, SecondStartBringsTheFirstForwardAndEnds)
{
    QProcess first;
    start(first, "quillon-test", "wait");
    ASSERT_EQ(nextLine(first), "primary");

    expectSecondCopy("quillon-test");
    expectActivatedAndEnded(first);

    // Once the first copy has ended, the next start is a first copy again,
    // and it has nothing left behind to trip over.
    EXPECT_FALSE(QFileInfo::exists(m_runtime.filePath("quillon-test.socket")));
    QProcess again;
    start(again, "quillon-test", "wait");
    EXPECT_EQ(nextLine(again), "primary");
    again.kill();
    again.waitForFinished();
}

TEST_F(SingleInstanceTest, ACrashedCopyDoesNotStopTheNextStart)
{
    QProcess crashed;
    start(crashed, "osprel-test", "crash");
    ASSERT_EQ(nextLine(crashed), "primary");
    ASSERT_TRUE(crashed.waitForFinished(10000));
    ASSERT_EQ(crashed.exitStatus(), QProcess::CrashExit);
    // What it left behind: its lock and a socket nobody answers on.
    ASSERT_TRUE(QFileInfo::exists(m_runtime.filePath("osprel-test.lock")));
    ASSERT_TRUE(QFileInfo::exists(m_runtime.filePath("osprel-test.socket")));
    QLocalSocket probe;
    probe.connectToServer(m_runtime.filePath("osprel-test.socket"));
    EXPECT_FALSE(probe.waitForConnected(1000));

    QProcess next;
    start(next, "osprel-test", "wait");
    ASSERT_EQ(nextLine(next), "primary");
    expectSecondCopy("osprel-test");
    expectActivatedAndEnded(next);
}

TEST_F(SingleInstanceTest, DifferentProgramsDoNotMeet)
{
    QProcess a;
    QProcess b;
    start(a, "quillon-test", "wait");
    start(b, "osprel-test", "wait");
    EXPECT_EQ(nextLine(a), "primary");
    EXPECT_EQ(nextLine(b), "primary");
    a.kill();
    b.kill();
    a.waitForFinished();
    b.waitForFinished();
}

} // namespace
