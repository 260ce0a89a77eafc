// register.dat -y -i INPUT OPTIONS OUTPUT on real clips: progress, status,
// paths, rate clamps, AMR-NB, and nothing left running after a stop.
#include "common/media.h"
#include "encoder/clamp.h"
#include "encoder_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

ClipSpec shortClip(double seconds = 2.0, QString size = QStringLiteral("320x240"), bool audio = true)
{
    ClipSpec spec;
    spec.seconds = seconds;
    spec.size = size;
    spec.audio = audio;
    spec.codecArgs = {"-c:v", "mpeg4", "-q:v", "5"};
    if (audio)
        spec.codecArgs << "-c:a" << "libmp3lame";
    return spec;
}

// The old options as the converter writes them, split at blanks.
QStringList oldOptions()
{
    return QStringList{"-r", "25", "-b", "799000", "-ab", "192000", "-ac", "2", "-aspect", "1.3333",
                       "-s", "320x240", "-ar", "44100"};
}

QList<QByteArray> progressRecords(const QByteArray &output)
{
    QList<QByteArray> records;
    for (const QByteArray &line : outputLines(output))
        if (line.contains("time=") && line.contains("bitrate="))
            records << line;
    return records;
}

QStringList jobArgs(const QString &input, const QStringList &options, const QString &output)
{
    return QStringList{"-y", "-i", input} + options + QStringList{output};
}

} // namespace

TEST(Job, ProgressInSecondsRisesToTheClipLength)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("five.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(5.0)));
    const QString output = dir.filePath(QStringLiteral("five out.avi"));
    const EncoderResult result = runEncoder(
        jobArgs(input, oldOptions() + QStringList{"-c:v", "mpeg4", "-vtag", "DIVX", "-c:a", "libmp3lame"},
                output));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();

    const QList<QByteArray> records = progressRecords(result.output);
    ASSERT_FALSE(records.isEmpty()) << result.output.toStdString();
    int last = -1;
    for (const QByteArray &record : records) {
        EXPECT_FALSE(record.contains("time=00:")) << record.toStdString();
        EXPECT_TRUE(record.endsWith('\r') || record.endsWith("\r\n")) << record.toStdString();
        const int seconds = encodedSeconds(record);
        EXPECT_GE(seconds, last);
        last = seconds;
    }
    EXPECT_GE(last, 4);
    EXPECT_LE(last, 5);
    for (const QByteArray &line : outputLines(result.output)) {
        if (!records.contains(line)) {
            EXPECT_TRUE(line.endsWith("\r\n")) << line.toStdString();
        }
    }
    const QList<int> shown = runnerReading(result.output);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_GE(shown.last(), 4);

    EXPECT_TRUE(decodesCleanly(output));
    const QJsonObject video = firstStream(ffprobe(output), QStringLiteral("video"));
    EXPECT_EQ(video.value("codec_tag_string").toString(), QStringLiteral("DIVX"));
    EXPECT_EQ(video.value("width").toInt(), 320);
}

TEST(Job, AudioOnlyRecordsCarrySecondsToo)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(3.0)));
    const EncoderResult result =
        runEncoder(jobArgs(input, {"-vn", "-ab", "128000", "-c:a", "libmp3lame"}, dir.filePath("a.mp3")));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    const QList<QByteArray> records = progressRecords(result.output);
    ASSERT_FALSE(records.isEmpty());
    EXPECT_FALSE(records.last().contains("frame="));
    EXPECT_EQ(encodedSeconds(records.last()), 3) << records.last().toStdString();
}

struct FailureCase {
    const char *name;
    QStringList options;
    const char *input; // "clip", "text" or "missing"
};

class JobFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(JobFailure, ExitsNonZero)
{
    const FailureCase &c = GetParam();
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("in.avi"));
    if (QByteArray(c.input) == "clip") {
        ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    } else if (QByteArray(c.input) == "text") {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("no media here\n");
    }
    const EncoderResult result = runEncoder(jobArgs(input, c.options, dir.filePath("out.avi")));
    EXPECT_NE(result.exitCode, 0) << result.output.toStdString();
    EXPECT_FALSE(result.crashed);
    for (const QByteArray &line : outputLines(result.output)) {
        if (!line.contains("time=")) {
            EXPECT_TRUE(line.endsWith("\r\n")) << line.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobFailure,
    ::testing::Values(FailureCase{"UnknownEncoder", {"-c:v", "nosuchcodec"}, "clip"},
                      FailureCase{"UnknownOption", {"-nosuchoption", "1"}, "clip"},
                      FailureCase{"RefusedSize", {"-c:v", "h263", "-s", "320x240"}, "clip"},
                      FailureCase{"NonMediaInput", {"-c:v", "mpeg4"}, "text"},
                      FailureCase{"MissingInput", {"-c:v", "mpeg4"}, "missing"}),
    [](const auto &info) { return std::string(info.param.name); });

// Names a shell or FFmpeg would misread: input and output reach FFmpeg whole.
struct NameCase {
    const char *input, *output;
};

class JobNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(JobNames, FullAndRelativePaths)
{
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("made.avi"));
    ASSERT_TRUE(makeClip(made, shortClip(1.0)));
    const QString input = QString::fromUtf8(GetParam().input);
    const QString output = QString::fromUtf8(GetParam().output);
    ASSERT_TRUE(QFile::rename(made, dir.filePath(input)));

    for (const bool relative : {false, true}) {
        const QString in = relative ? input : dir.filePath(input);
        const QString out = relative ? output : dir.filePath(output);
        const EncoderResult result =
            runEncoder(jobArgs(in, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}, out),
                       QProcessEnvironment::systemEnvironment(), dir.path());
        EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
        EXPECT_TRUE(QFileInfo(dir.filePath(output)).size() > 0) << output.toStdString();
        EXPECT_TRUE(decodesCleanly(dir.filePath(output)));
        // Nothing else was written beside them.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        QFile::remove(dir.filePath(output));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, JobNames,
    ::testing::Values(NameCase{"in  two blanks.avi", "out  two blanks.avi"},
                      NameCase{"in \"quoted\" 'name'.avi", "out \"quoted\" 'name'.avi"},
                      NameCase{"\xC3\xBCn\xC3\xAF \xE5\x90\x8D in.avi", "\xC3\xBCn\xC3\xAF \xE5\x90\x8D out.avi"},
                      NameCase{"-a.avi", "-b.avi"},
                      NameCase{"in:colon.avi", "out:colon.avi"},
                      NameCase{"pipe:0", "pipe:1.avi"}),
    [](const auto &info) { return "Names" + std::to_string(info.index); });

TEST(Job, DvdReferenceRefused)
{
    QTemporaryDir dir;
    const EncoderResult result =
        runEncoder(jobArgs("vts://03*1200*56000*0*0*/media/dvd", {"-c:v", "mpeg4"}, dir.filePath("o.avi")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(outputLines(result.output).size(), 1);
    EXPECT_TRUE(result.output.contains("vts://")) << result.output.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("o.avi")));
}

TEST(Job, MissingFfmpeg)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), dir.path()); // no ffmpeg there
    const EncoderResult result = runEncoder(jobArgs(input, {"-c:v", "mpeg4"}, dir.filePath("o.avi")), env);
    EXPECT_EQ(result.exitCode, 127);
    ASSERT_EQ(outputLines(result.output).size(), 1);
    EXPECT_TRUE(result.output.contains("ffmpeg")) << result.output.toStdString();
    EXPECT_TRUE(result.output.endsWith("\r\n"));
}

// A stand-in ffmpeg shows what the encoder program passes and how it reports.
TEST(Job, FfmpegArgumentsStatusAndMissingOutput)
{
    QTemporaryDir dir;
    const QString fake = dir.filePath(QStringLiteral("ffmpeg"));
    QFile script(fake);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"arg:$a\" >&2; done\n"
                 "if [ -n \"$FAKE_WRITE\" ]; then echo data > \"$FAKE_WRITE\"; fi\nexit \"$FAKE_STATUS\"\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), dir.path() + ":/usr/bin:/bin");

    const QString output = dir.filePath(QStringLiteral("out.avi"));
    env.insert(QStringLiteral("FAKE_STATUS"), QStringLiteral("0"));
    EncoderResult result = runEncoder(jobArgs("/v/in.avi", {"-r", "25", "-c:v", "mpeg4"}, output), env);
    // FFmpeg said yes, but there is no output: a failure.
    EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
    const QByteArray expected = "arg:-hide_banner\r\narg:-nostdin\r\narg:-stats\r\narg:-stats_period\r\n"
                                "arg:0.25\r\narg:-y\r\narg:-i\r\narg:/v/in.avi\r\narg:-r\r\narg:25\r\n"
                                "arg:-c:v\r\narg:mpeg4\r\narg:" +
                                output.toUtf8() + "\r\n";
    EXPECT_TRUE(result.output.startsWith(expected)) << result.output.toStdString();

    env.insert(QStringLiteral("FAKE_WRITE"), output);
    result = runEncoder(jobArgs("/v/in.avi", {"-c:v", "mpeg4"}, output), env);
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();

    env.insert(QStringLiteral("FAKE_STATUS"), QStringLiteral("3"));
    result = runEncoder(jobArgs("/v/in.avi", {"-c:v", "mpeg4"}, output), env);
    EXPECT_EQ(result.exitCode, 3);
}

struct ClampCase {
    const char *name;
    QStringList options;
    const char *output;
    const char *message; // the line the encoder program prints
    int bitRate;         // the audio stream's rate in the output; 0: not checked
};

class JobClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(JobClamp, RateBroughtIntoRangeAndSaid)
{
    const ClampCase &c = GetParam();
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    const QString output = dir.filePath(QString::fromUtf8(c.output));
    const EncoderResult result = runEncoder(jobArgs(input, c.options, output));
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(QByteArray(c.message) + "\r\n")) << result.output.toStdString();
    EXPECT_TRUE(decodesCleanly(output));
    if (c.bitRate) {
        const QJsonObject audio = firstStream(ffprobe(output), QStringLiteral("audio"));
        EXPECT_EQ(audio.value("bit_rate").toString().toInt(), c.bitRate);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobClamp,
    ::testing::Values(
        ClampCase{"PcmRateIntoMp2",
                  {"-vn", "-ab", "1411000", "-ac", "2", "-ar", "44100", "-c:a", "mp2"},
                  "a.mp2",
                  "register.dat: audio bit rate 1411000 is above what mp2 takes at 44100 Hz; using 384000",
                  384000},
        ClampCase{"Mp2At22050",
                  {"-vn", "-ab", "192000", "-ac", "2", "-ar", "22050", "-c:a", "mp2"},
                  "a.mp2",
                  "register.dat: audio bit rate 192000 is above what mp2 takes at 22050 Hz; using 160000",
                  160000},
        ClampCase{"Wmav2Minimum",
                  {"-vn", "-ab", "12200", "-ac", "1", "-ar", "8000", "-c:a", "wmav2"},
                  "a.wma",
                  "register.dat: audio bit rate 12200 is below what wmav2 takes at 8000 Hz; using 24000",
                  0},
        ClampCase{"VorbisWindow",
                  {"-vn", "-ab", "192000", "-ac", "1", "-ar", "8000", "-c:a", "libvorbis"},
                  "a.ogg",
                  "register.dat: audio bit rate 192000 is above what libvorbis takes at 8000 Hz; using 40000",
                  0},
        ClampCase{"OriginalRateIntoMpegTarget",
                  {"-ab", "1411000", "-ar", "44100", "-c:v", "mpeg2video", "-pix_fmt", "yuv420p", "-c:a",
                   "mp2", "-f", "vob"},
                  "a.mpg",
                  "register.dat: audio bit rate 1411000 is above what mp2 takes at 44100 Hz; using 384000",
                  384000},
        ClampCase{"H264LevelLimit",
                  {"-b", "20000000", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-profile:v", "baseline",
                   "-level", "3.0", "-c:a", "aac"},
                  "a.mp4",
                  "register.dat: video bit rate 20000000 is above what H.264 level 3.0 allows; using 10000000",
                  0},
        ClampCase{"MaxRate",
                  {"-b", "20000000", "-c:v", "mpeg2video", "-maxrate", "15000k", "-bufsize", "1835k", "-c:a",
                   "mp2", "-f", "vob"},
                  "a.mpeg",
                  "register.dat: video bit rate 20000000 is above the maximum rate 15000k allows; using 15000000",
                  0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Job, RateInRangeIsLeftAlone)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    const EncoderResult result =
        runEncoder(jobArgs(input, {"-vn", "-ab", "192000", "-ar", "44100", "-c:a", "mp2"}, dir.filePath("a.mp2")));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_FALSE(result.output.contains("register.dat:")) << result.output.toStdString();
}

struct AmrCase {
    int bitRate;
    const char *extension;
};

class JobAmr : public ::testing::TestWithParam<AmrCase> {};

TEST_P(JobAmr, AmrNbAtEveryRate)
{
    const AmrCase &c = GetParam();
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(2.0)));
    const bool video = QByteArray(c.extension) != "amr";
    const QString output = dir.filePath(QStringLiteral("out.") + c.extension);
    QStringList options{"-r", "25", "-b", "200000", "-ab", QString::number(c.bitRate), "-ac", "1", "-s",
                        "176x144", "-ar", "8000"};
    options << (video ? QStringList{"-c:v", "h263", "-c:a", "libopencore_amrnb"}
                      : QStringList{"-vn", "-c:a", "libopencore_amrnb"});
    const EncoderResult result = runEncoder(jobArgs(input, options, output));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains("register.dat:")) << result.output.toStdString();
    const QList<QByteArray> records = progressRecords(result.output);
    EXPECT_GE(encodedSeconds(records.value(records.size() - 1)), 1);

    const QJsonObject probe = ffprobe(output);
    const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));
    EXPECT_EQ(audio.value("codec_name").toString(), QStringLiteral("amr_nb"));
    EXPECT_EQ(audio.value("sample_rate").toString(), QStringLiteral("8000"));
    EXPECT_EQ(audio.value("channels").toInt(), 1);
    EXPECT_NEAR(probe.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.25);
    const QJsonObject picture = firstStream(probe, QStringLiteral("video"));
    if (video) {
        EXPECT_EQ(picture.value("codec_name").toString(), QStringLiteral("h263"));
        EXPECT_EQ(picture.value("width").toInt(), 176);
    } else {
        EXPECT_TRUE(picture.isEmpty());
        // The first frame's header names the mode: the rate asked for.
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(7);
        ASSERT_EQ(head.left(6), "#!AMR\n");
        const std::vector<int> &rates = encoder::amrNbRates();
        const std::size_t mode = (static_cast<unsigned char>(head[6]) >> 3) & 0x0F;
        EXPECT_EQ(mode < rates.size() ? rates[mode] : 0, c.bitRate);
    }
    EXPECT_TRUE(decodesCleanly(output));
}

INSTANTIATE_TEST_SUITE_P(Rates, JobAmr,
                         ::testing::Values(AmrCase{12200, "amr"}, AmrCase{10200, "amr"}, AmrCase{7400, "amr"},
                                           AmrCase{5900, "amr"}, AmrCase{4750, "amr"}, AmrCase{12200, "3gp"},
                                           AmrCase{10200, "3gp"}, AmrCase{7400, "3gp"}, AmrCase{5900, "3gp"},
                                           AmrCase{4750, "3gp"}, AmrCase{12200, "3g2"}),
                         [](const auto &info) {
                             return std::string(info.param.extension) + std::to_string(info.param.bitRate);
                         });

TEST(Job, AmrContainerDefaultsAndSilentSources)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    // A bare .3gp asks for AMR-NB by default; the asked rate comes down to a mode.
    EncoderResult result = runEncoder(
        jobArgs(input, {"-ab", "128000", "-ac", "2", "-ar", "44100", "-s", "176x144", "-c:v", "h263"},
                dir.filePath("bare.3gp")));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(
        "register.dat: audio bit rate 128000 is above what AMR-NB takes at 8000 Hz; using 12200\r\n"));
    EXPECT_EQ(firstStream(ffprobe(dir.filePath("bare.3gp")), "audio").value("codec_name").toString(),
              QStringLiteral("amr_nb"));

    // A source without sound gives a 3GP without sound.
    const QString silent = dir.filePath(QStringLiteral("silent.avi"));
    ASSERT_TRUE(makeClip(silent, shortClip(1.0, QStringLiteral("320x240"), false)));
    result = runEncoder(jobArgs(silent, {"-ab", "12200", "-s", "176x144", "-c:v", "h263", "-c:a",
                                         "libopencore_amrnb"},
                                dir.filePath("silent.3gp")));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    const QJsonObject probe = ffprobe(dir.filePath("silent.3gp"));
    EXPECT_TRUE(firstStream(probe, "audio").isEmpty());
    EXPECT_FALSE(firstStream(probe, "video").isEmpty());

    // An .amr from a source without sound fails.
    result = runEncoder(jobArgs(silent, {"-c:a", "libopencore_amrnb"}, dir.filePath("silent.amr")));
    EXPECT_NE(result.exitCode, 0);
}

enum class Stop { GroupKill, EncoderKill, EncoderTerm, AmrEncoderKill };

std::string stopName(Stop stop)
{
    switch (stop) {
    case Stop::GroupKill: return "GroupKill";
    case Stop::EncoderKill: return "EncoderKill";
    case Stop::EncoderTerm: return "EncoderTerm";
    case Stop::AmrEncoderKill: return "AmrEncoderKill";
    }
    return {};
}

// Stopping: a job that never ends by itself (its video loops), in a process
// group of its own as the converter starts it.
class JobStop : public ::testing::TestWithParam<Stop> {};

TEST_P(JobStop, NothingOutlivesAStop)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(1.0)));
    const bool amr = GetParam() == Stop::AmrEncoderKill;
    const QStringList options =
        amr ? QStringList{"-vf", "loop=loop=-1:size=25", "-s", "176x144", "-c:v", "h263", "-c:a",
                          "libopencore_amrnb"}
            : QStringList{"-an", "-vf", "loop=loop=-1:size=25", "-c:v", "mpeg4"};
    const QString output = dir.filePath(amr ? QStringLiteral("loop.3gp") : QStringLiteral("loop.avi"));

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(QStringLiteral(PROGRAM_DIR));
    process.setChildProcessModifier([] { setpgid(0, 0); });
    process.start(encoderProgram(), jobArgs(input, options, output));
    ASSERT_TRUE(process.waitForStarted(10000));
    const pid_t encoder = static_cast<pid_t>(process.processId());

    // Progress keeps coming: several records in the first seconds.
    QByteArray output_;
    QElapsedTimer timer;
    timer.start();
    while (progressRecords(output_).size() < 4 && timer.elapsed() < 20000) {
        process.waitForReadyRead(500);
        output_ += process.readAll();
    }
    ASSERT_GE(progressRecords(output_).size(), 4) << output_.toStdString();
    const QList<pid_t> children = childrenOf(encoder);
    ASSERT_FALSE(children.isEmpty());

    switch (GetParam()) {
    case Stop::GroupKill:
        kill(-encoder, SIGKILL);
        break;
    case Stop::EncoderKill:
    case Stop::AmrEncoderKill:
        kill(encoder, SIGKILL);
        break;
    case Stop::EncoderTerm:
        kill(encoder, SIGTERM);
        break;
    }
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    for (const pid_t child : children)
        EXPECT_TRUE(waitEnded(child, 10000)) << "child " << child << " still runs";
    if (GetParam() == Stop::EncoderTerm) { // FFmpeg closed its file: what was written stays
        EXPECT_GT(QFileInfo(output).size(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, JobStop,
                         ::testing::Values(Stop::GroupKill, Stop::EncoderKill, Stop::EncoderTerm,
                                           Stop::AmrEncoderKill),
                         [](const auto &info) { return stopName(info.param); });

TEST(Job, AmrJobCutShortByDuration)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.avi"));
    ASSERT_TRUE(makeClip(input, shortClip(8.0)));
    const QString output = dir.filePath(QStringLiteral("short.3gp"));
    const EncoderResult result = runEncoder(
        jobArgs(input, {"-t", "1", "-s", "176x144", "-c:v", "h263", "-c:a", "libopencore_amrnb"}, output));
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    // The audio not needed any more is dropped quietly.
    EXPECT_FALSE(result.output.contains("rror")) << result.output.toStdString();
    const QJsonObject probe = ffprobe(output);
    EXPECT_NEAR(probe.value("format").toObject().value("duration").toString().toDouble(), 1.0, 0.1);
    EXPECT_EQ(firstStream(probe, "audio").value("codec_name").toString(), QStringLiteral("amr_nb"));
}
