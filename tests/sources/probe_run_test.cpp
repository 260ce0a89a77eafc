// The probe run end to end: the encoder program started on a file, its
// output read in pieces, the waiting caller, and what is left afterwards.
#include "common/fake_encoder.h"
#include "sources/gettime.h"
#include "sources/probe_values.h"
#include "sources/tasklist.h"

#include "common/media.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>

namespace {

const QByteArray crlf = "\r\n";
const QByteArray durationLine = "  Duration: 00:01:30.52, start: 0.000000, bitrate: 1205 kb/s";
const QByteArray videoLine = "    Stream #0.0: Video: wmv3, yuv420p, 640x480, 1000 kb/s, 25 tbr";
const QByteArray audioLine = "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s";

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

class ProbeRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        job.encoderPath = dir.filePath(QStringLiteral("register.dat"));
        job.workDir = dir.path() + QLatin1Char('/');
    }
    // Probes `file` and waits as the task list does.
    void probe(const QString &file)
    {
        startProbe(file, job);
        EXPECT_TRUE(probing.load());
        waitForProbe();
        EXPECT_FALSE(probing.load());
    }
    QTemporaryDir dir;
    intputrec job;
};

TEST_F(ProbeRunTest, ProbeValuesComeFromTheLastParseRun)
{
    const ProbeValues old{"11:11:11", "1", "2", "3", "9x9"};
    const ProbeValues full{"00:01:30", "1205", "1000", "128", "640x480"};
    const QByteArray description = "Input #0, avi, from 'a.avi':" + crlf + durationLine + crlf +
                                   videoLine + crlf + audioLine + crlf;
    QByteArray padding;
    for (int i = 0; i < 40; ++i)
        padding += "    Metadata: comment       : " + QByteArray(20, 'a' + i % 26) + crlf;
    const struct {
        const char *what;
        QList<FakeOutput> outputs;
        int status;
        ProbeValues after;
    } cases[] = {
        // The encoder's status is not looked at: only what it printed.
        {"one write, status 1", {{description}}, 1, full},
        {"one write, status 0", {{description}}, 0, full},
        // A second read that lacks the duration line empties the total rate.
        {"two reads",
         {{"Input #0" + crlf + durationLine + crlf, 300}, {videoLine + crlf + audioLine + crlf}},
         1,
         {"00:01:30", "", "1000", "128", "640x480"}},
        // More than one chunk of 2048 bytes in one write: the same.
        {"beyond one chunk",
         {{durationLine + crlf + padding + videoLine + crlf + audioLine + crlf}},
         1,
         {"00:01:30", "", "1000", "128", "640x480"}},
        {"line split over two reads",
         {{durationLine.left(25), 300}, {durationLine.mid(25) + crlf + audioLine + crlf}},
         1,
         {"00:01:30", "1205", "", "128", ""}},
        {"LF-only lines",
         {{"Input\n" + durationLine + "\n" + videoLine + "\n" + audioLine + "\n"}},
         1,
         {"00:01:30", "", "", "", ""}},
        // The last line's CR never comes: that line is not used.
        {"last CR missing",
         {{"Input" + crlf + durationLine + crlf + audioLine}},
         1,
         {"00:01:30", "1205", "", "", ""}},
        // Silence: no parse run, so the duration is empty and the others
        // keep the values of the probe before.
        {"silent", {}, 0, {"", "1", "2", "3", "9x9"}},
        {"no line end at all", {{durationLine}}, 1, {"", "1", "2", "3", "9x9"}},
        {"unreadable file",
         {{"a.xyz: Invalid data found when processing input" + crlf}},
         1,
         {"", "", "", "", ""}},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(writeFakeEncoder(job.encoderPath, c.outputs, c.status)) << c.what;
        setProbeValues(old);
        probe(QStringLiteral("/media/a.avi"));
        EXPECT_EQ(probeValues(), c.after) << c.what;
    }
}

TEST_F(ProbeRunTest, EncoderGetsTheFileAsOneArgumentInTheProgramFolder)
{
    ASSERT_TRUE(writeFakeEncoder(job.encoderPath, {{durationLine + crlf}}, 1));
    const QString awkward[] = {
        QStringLiteral("/tmp/my \"best\" clip.avi"),
        QStringLiteral("-starts with a dash.mp4"),
        QStringLiteral("/tmp/Ünïcødé  ビデオ.mkv"),
        QStringLiteral("/tmp/a   b.avi"),
    };
    for (const QString &file : awkward) {
        probe(file);
        EXPECT_EQ(fakeArguments(job.encoderPath), (QStringList{"-i", file}));
        EXPECT_EQ(fakeRecord(job.encoderPath, "cwd").trimmed(), QFile::encodeName(dir.path()));
    }
}

TEST_F(ProbeRunTest, MissingEncoderEndsAtOnceWithoutADuration)
{
    setProbeValues({"00:00:01", "5", "6", "7", "8x8"});
    probe(QStringLiteral("/media/a.avi"));
    EXPECT_EQ(probeValues(), (ProbeValues{"", "5", "6", "7", "8x8"}));
}

// Adding a file: its record from the filled values, or none when the probe
// found no total bit rate.
TEST_F(ProbeRunTest, AnAddedFileGetsItsRecordOrNone)
{
    ASSERT_TRUE(writeFakeEncoder(job.encoderPath,
                                 {{"Input" + crlf + durationLine + crlf + audioLine + crlf}}, 1));
    const std::optional<Toriginalinfo> record =
        probeSourceFile(QStringLiteral("/media/a.avi"), job);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->sourcePath, QStringLiteral("/media/a.avi"));
    EXPECT_EQ(record->durationText, QStringLiteral("00:01:30"));
    EXPECT_EQ(record->videoRate, QStringLiteral("1077")); // 1205 - 128
    EXPECT_EQ(record->audioRate, QStringLiteral("128"));
    EXPECT_EQ(record->frameSize, QStringLiteral("320x240"));

    ASSERT_TRUE(writeFakeEncoder(job.encoderPath,
                                 {{"a.xyz: Invalid data found when processing input" + crlf}}, 1));
    EXPECT_FALSE(probeSourceFile(QStringLiteral("/media/a.xyz"), job));
}

TEST_F(ProbeRunTest, WaitingKeepsTheWindowAliveWithoutSpinning)
{
    ASSERT_TRUE(writeFakeEncoder(job.encoderPath, {{durationLine + crlf, 1000}}, 1));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    probe(QStringLiteral("/media/a.avi"));
    const double waited = clock.elapsed() / 1000.0;
    const double cpu = processCpuSeconds() - cpuBefore;
    EXPECT_GE(waited, 0.9);
    EXPECT_EQ(probeDuration, QStringLiteral("00:01:30"));
    // Timers fired while the caller waited...
    EXPECT_GE(ticks, 10);
    // ...and the wait slept instead of polling: far less processor time
    // than time waited.
    EXPECT_LT(cpu, 0.3 * waited) << cpu << " s of processor in " << waited << " s";
}

TEST_F(ProbeRunTest, TwoHundredProbesLeaveNoDescriptorOrThreadBehind)
{
    ASSERT_TRUE(writeFakeEncoder(job.encoderPath,
                                 {{durationLine + crlf + videoLine + crlf + audioLine + crlf}}, 1));
    probe(QStringLiteral("/media/warm-up.avi"));
    endProbe();
    waitUntilQuiet();
    const int descriptors = openDescriptorCount();
    const int threads = threadCount();
    for (int i = 0; i < 200; ++i) {
        setProbeValues({});
        probe(QStringLiteral("/media/clip%1.avi").arg(i));
        ASSERT_EQ(probeTotalRate, QStringLiteral("1205")) << i;
    }
    endProbe();
    waitUntilQuiet();
    EXPECT_EQ(openDescriptorCount(), descriptors);
    EXPECT_EQ(threadCount(), threads);
}

TEST_F(ProbeRunTest, EndingAHangingProbeKillsItsGroup)
{
    adoptOrphans();
    ASSERT_TRUE(writeFakeEncoder(job.encoderPath, {{durationLine + crlf}}, 1,
                                 QStringLiteral("sleep 30 & sleep 30")));
    QFile::remove(job.encoderPath + QStringLiteral(".pid"));
    startProbe(QStringLiteral("/media/a.avi"), job);
    const pid_t pid = fakeStarted(job.encoderPath);
    ASSERT_GT(pid, 0);
    endProbe();
    EXPECT_TRUE(processGroupGone(pid));
    EXPECT_FALSE(probing.load());
}

// The real encoder program on real clips: its description, read by the
// probe, gives what ffprobe gives.
TEST_F(ProbeRunTest, RealEncoderAgreesWithFfprobe)
{
    intputrec real;
    real.encoderPath = programFile(QStringLiteral("register.dat"));
    real.workDir = programFile(QString());
    if (placeholderEncoder(real.workDir))
        GTEST_SKIP() << "the program folder holds the placeholder encoder";
    const struct {
        const char *name;
        ClipSpec spec;
    } clips[] = {
        {"a.avi",
         {3.0,
          "320x240",
          25,
          true,
          44100,
          2,
          {"-c:v", "mpeg4", "-b:v", "400k", "-c:a", "libmp3lame", "-b:a", "128k"}}},
        {"b c.mp4",
         {2.5,
          "640x480",
          25,
          true,
          48000,
          2,
          {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"}}},
        {"d.mkv", {2.0, "176x144", 25, false, 44100, 2, {}}},
    };
    for (const auto &clip : clips) {
        const QString path = dir.filePath(QString::fromUtf8(clip.name));
        ASSERT_TRUE(makeClip(path, clip.spec)) << clip.name;
        const QJsonObject facts = ffprobe(path);
        const QJsonObject format = facts.value(QStringLiteral("format")).toObject();
        const QJsonObject video = firstStream(facts, QStringLiteral("video"));
        setProbeValues({});
        startProbe(path, real);
        waitForProbe();

        const int seconds = int(format.value(QStringLiteral("duration")).toString().toDouble());
        EXPECT_EQ(durationToSeconds(probeDuration), seconds) << clip.name;
        EXPECT_EQ(probeFrameSize, QStringLiteral("%1x%2")
                                      .arg(video.value(QStringLiteral("width")).toInt())
                                      .arg(video.value(QStringLiteral("height")).toInt()))
            << clip.name;
        // Rates in kb/s within rounding; a rate ffprobe does not know is
        // empty here too.
        auto expectRate = [&](const QString &probed, const QJsonObject &facts, const char *what) {
            const QString known = facts.value(QStringLiteral("bit_rate")).toString();
            if (known.isEmpty() || known == QStringLiteral("N/A")) {
                EXPECT_EQ(probed, QString()) << clip.name << " " << what;
                return;
            }
            bool ok = false;
            EXPECT_LE(std::abs(probed.toInt(&ok) - known.toDouble() / 1000), 1.0)
                << clip.name << " " << what << " " << probed.toStdString();
            EXPECT_TRUE(ok) << clip.name << " " << what << " " << probed.toStdString();
        };
        expectRate(probeTotalRate, format, "total");
        expectRate(probeVideoRate, video, "video");
        expectRate(probeAudioRate, firstStream(facts, QStringLiteral("audio")), "audio");
    }
}

} // namespace
