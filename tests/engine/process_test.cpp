// The process layer: how the encoder program is started, read, waited for
// and killed.
#include "common/fake_encoder.h"
#include "engine/convertTh.h"
#include "engine/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads the whole output of `child` on this thread, chunk by chunk.
QList<QString> readAllChunks(const ChildProcess &child, int chunkSize = 256)
{
    QObject context;
    QString pending;
    QList<QString> chunks;
    readOutput(child, chunkSize, pending, &context, [&] {
        chunks << pending;
        pending.clear();
    });
    return chunks;
}

class ProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        encoder = dir.filePath(QStringLiteral("register.dat"));
    }
    QTemporaryDir dir;
    QString encoder;
};

TEST_F(ProcessTest, ChildGetsItsArgumentsWholeAndOnePipeForBothOutputs)
{
    ASSERT_TRUE(
        writeFakeEncoder(encoder, {{"to stdout\n"}}, 0, QStringLiteral("echo 'to stderr' >&2")));
    const QStringList args = {"-y",
                              "-i",
                              "/tmp/say \"hi\".avi",
                              "-leading dash.avi",
                              "Ünïcødé  ビデオ.mkv",
                              "three   blanks ",
                              "",
                              "$HOME `id` ;|&"};
    const int before = openDescriptorCount();
    ChildProcess child = startChild(encoder, args, dir.path() + QLatin1Char('/'));
    ASSERT_GT(child.pid, 0);
    EXPECT_EQ(child.startError, 0);
    QString all;
    for (const QString &chunk : readAllChunks(child))
        all += chunk;
    const ChildEnd end = waitForChildEnd(child.pid);
    releaseChild(child);
    EXPECT_EQ(openDescriptorCount(), before);

    EXPECT_EQ(all, QStringLiteral("to stderr\nto stdout\n"));
    EXPECT_TRUE(end.succeeded());
    EXPECT_EQ(fakeArguments(encoder), args);
    EXPECT_EQ(fakeRecord(encoder, "cwd").trimmed(), QFile::encodeName(dir.path()));
}

TEST_F(ProcessTest, ChildRunsInItsOwnGroupWithOnlyTheStandardDescriptors)
{
    // A descriptor this program left inheritable does not reach the child.
    const int stray = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(stray, 0);
    ChildProcess child = startChild(QStringLiteral("/bin/sleep"), {"30"}, dir.path());
    ::close(stray);
    ASSERT_GT(child.pid, 0);

    const QString proc = QStringLiteral("/proc/%1/").arg(child.pid);
    // The loader may hold a library open for a moment; then only the three
    // standard descriptors remain.
    QStringList fds;
    for (QDeadlineTimer deadline(3000); !deadline.hasExpired(); QThread::msleep(10)) {
        fds = QDir(proc + QStringLiteral("fd"))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
        std::sort(fds.begin(), fds.end());
        if (fds == QStringList{"0", "1", "2"})
            break;
    }
    EXPECT_EQ(fds, (QStringList{"0", "1", "2"}));
    const QString in = QFile::symLinkTarget(proc + QStringLiteral("fd/0"));
    const QString out = QFile::symLinkTarget(proc + QStringLiteral("fd/1"));
    const QString err = QFile::symLinkTarget(proc + QStringLiteral("fd/2"));
    EXPECT_TRUE(in.contains(QStringLiteral("pipe:"))) << in.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("pipe:"))) << out.toStdString();
    EXPECT_EQ(out, err);
    EXPECT_NE(in, out);
    EXPECT_EQ(QFile::symLinkTarget(proc + QStringLiteral("cwd")), dir.path());
    EXPECT_EQ(::getpgid(child.pid), child.pid);
    EXPECT_NE(::getpgid(child.pid), ::getpgrp());

    killProcessGroup(child.pid);
    waitForChildEnd(child.pid);
    releaseChild(child);
}

TEST_F(ProcessTest, EndsAreToldApart)
{
    const struct {
        const char *what;
        QString script; // empty: no encoder file at all
        bool executable;
        bool started, exited;
        int exitCode, signal;
        bool succeeded;
    } cases[] = {
        {"exit 0", "exit 0", true, true, true, 0, 0, true},
        {"exit 3", "exit 3", true, true, true, 3, 0, false},
        {"killed", "kill -9 $$", true, true, false, -1, SIGKILL, false},
        {"missing", "", true, false, false, -1, 0, false},
        {"not executable", "exit 0", false, false, false, -1, 0, false},
    };
    for (const auto &c : cases) {
        QFile::remove(encoder);
        if (!c.script.isEmpty()) {
            ASSERT_TRUE(writeFakeEncoder(encoder, {}, 0, c.script));
            if (!c.executable)
                ::chmod(QFile::encodeName(encoder).constData(), 0600);
        }
        ChildProcess child = startChild(encoder, {"-i", "x"}, dir.path());
        EXPECT_EQ(child.pid > 0, c.started) << c.what;
        if (!c.started) {
            EXPECT_NE(child.startError, 0) << c.what;
            // The pipe is there and ends at once.
            EXPECT_TRUE(readAllChunks(child).isEmpty()) << c.what;
        } else {
            readAllChunks(child);
        }
        const ChildEnd end = waitForChildEnd(child.pid);
        releaseChild(child);
        EXPECT_EQ(end.started, c.started) << c.what;
        EXPECT_EQ(end.exited, c.exited) << c.what;
        if (c.exited) {
            EXPECT_EQ(end.exitCode, c.exitCode) << c.what;
        }
        EXPECT_EQ(end.signal, c.signal) << c.what;
        EXPECT_EQ(end.succeeded(), c.succeeded) << c.what;
    }
}

TEST_F(ProcessTest, ReadsInChunksUpToTheFirstZeroByte)
{
    QByteArray big(600, 'a');
    ASSERT_TRUE(writeFakeEncoder(encoder, {{big, 200}, {QByteArray("ab\0cd\r", 6)}}, 0));
    ChildProcess child = startChild(encoder, {}, dir.path());
    const QList<QString> chunks = readAllChunks(child);
    waitForChildEnd(child.pid);
    releaseChild(child);
    qsizetype total = 0;
    for (const QString &chunk : chunks) {
        EXPECT_LE(chunk.size(), 256);
        total += chunk.size();
    }
    EXPECT_EQ(total, 602);
    ASSERT_FALSE(chunks.isEmpty());
    EXPECT_EQ(chunks.last(), QStringLiteral("ab"));

    ChildProcess probe = startChild(encoder, {}, dir.path());
    qsizetype largest = 0;
    for (const QString &chunk : readAllChunks(probe, 2048))
        largest = std::max(largest, chunk.size());
    waitForChildEnd(probe.pid);
    releaseChild(probe);
    EXPECT_EQ(largest, 600);
}

TEST_F(ProcessTest, KillingTheGroupEndsEverythingTheChildStarted)
{
    adoptOrphans();
    ASSERT_TRUE(
        writeFakeEncoder(encoder, {{"started\n"}}, 0, QStringLiteral("sleep 30 & sleep 30 &")));
    ChildProcess child = startChild(encoder, {}, dir.path());
    ASSERT_GT(child.pid, 0);
    // The script ends, leaving two sleepers in its group...
    ChildEnd end = waitForChildEnd(child.pid);
    EXPECT_TRUE(end.succeeded());
    const pid_t group = child.pid;
    releaseChild(child);
    // ...which its end took along.
    EXPECT_TRUE(processGroupGone(group));

    ASSERT_TRUE(writeFakeEncoder(encoder, {}, 0,
                                 QStringLiteral("sleep 30 & sleep 30 & echo started; wait")));
    child = startChild(encoder, {}, dir.path());
    ASSERT_GT(child.pid, 0);
    // Once it says so, the script waits for its two sleepers.
    char said[16] = {};
    ASSERT_GT(::read(child.outputRead, said, sizeof said - 1), 0);
    EXPECT_STREQ(said, "started\n");
    EXPECT_TRUE(killProcessGroup(child.pid));
    end = waitForChildEnd(child.pid);
    EXPECT_FALSE(end.exited);
    EXPECT_EQ(end.signal, SIGKILL);
    const pid_t second = child.pid;
    readAllChunks(child);
    releaseChild(child);
    EXPECT_TRUE(processGroupGone(second));
    EXPECT_FALSE(killProcessGroup(second));
}

TEST_F(ProcessTest, ACancelledReaderStopsThoughAnEscapedProcessHoldsThePipe)
{
    const QString sleeper = dir.filePath(QStringLiteral("sleeper"));
    ASSERT_TRUE(writeFakeEncoder(encoder, {{"line\n"}}, 0,
                                 QStringLiteral("setsid sleep 30 & echo $! > '%1'").arg(sleeper)));
    ChildProcess child = startChild(encoder, {}, dir.path());
    waitForChildEnd(child.pid);
    cancelReader(child);
    // Reads what there is, then stops instead of waiting for the sleeper.
    const QList<QString> chunks = readAllChunks(child);
    releaseChild(child);
    ASSERT_EQ(chunks.size(), 1);
    EXPECT_EQ(chunks[0], QStringLiteral("line\n"));
    QFile file(sleeper);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const pid_t escaped = file.readAll().trimmed().toInt();
    ASSERT_GT(escaped, 0);
    ::kill(escaped, SIGKILL);
}

TEST(ConsumeLines, CountsLineEndsAndKeepsTheUnfinishedLine)
{
    const struct {
        const char *pending;
        int lineEnds;
        const char *left;
    } cases[] = {
        {"", 0, ""},         {"no end yet", 0, "no end yet"},
        {"a\r", 1, ""},      {"a\n", 1, ""},
        {"a\r\n", 1, ""},    {"a\r\nb", 1, "b"},
        {"a\rb\rc", 2, "c"}, {"a\r\rb", 2, "b"},
        {"a\n\nb", 1, "b"}, // an LF followed by an LF is one line end
        {"\r\n\r\n", 2, ""}, {"time=10.0 bitrate=1\rtime=11.0 bitrate=1\rtime=1", 2, "time=1"},
    };
    for (const auto &c : cases) {
        QString pending = QString::fromLatin1(c.pending);
        const QString before = pending;
        int lineEnds = 0;
        consumeLines(pending, [&] {
            ++lineEnds;
            EXPECT_EQ(pending, before); // unchanged during the walk
        });
        EXPECT_EQ(lineEnds, c.lineEnds) << c.pending;
        EXPECT_EQ(pending, QString::fromLatin1(c.left)) << c.pending;
    }
}

TEST(JobPosition, SpreadsTheRestOfTheScaleOverTheDuration)
{
    const struct {
        int32_t seconds, base, duration, position;
    } cases[] = {
        {45, 0, 90, 5000},  {45, 37, 90, 4982}, // 4981.5 rounds upward
        {90, 0, 90, 10000}, {1, 0, 3, 3333},
        {2, 0, 3, 6667},    {1, 0, 20000, 1},            // 0.5 rounds upward
        {1, 0, 20001, 0},   {45, 0, 0, 0},               // no duration: no share
        {45, 0, -5, 0},     {2000000, 0, 1, 2147483647}, // 64-bit product, held in range
        {-1, 0, 3, -3333},  {-1, 0, 20000, 0},           // -0.5 rounds upward
    };
    for (const auto &c : cases)
        EXPECT_EQ(jobPosition(c.seconds, c.base, c.duration), c.position)
            << c.seconds << " of " << c.duration << " above " << c.base;
}

TEST(PercentText, WritesTwoDecimals)
{
    const struct {
        int32_t value;
        const char *text;
    } cases[] = {
        {0, "00.00%"},    {5, "00.05%"},    {37, "00.37%"},
        {1234, "12.34%"}, {5019, "50.19%"}, {10000, "100.00%"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(percentText(c.value), QString::fromLatin1(c.text)) << c.value;
}

} // namespace
