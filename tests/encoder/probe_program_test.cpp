// register.dat -i FILE on real clips, compared with ffprobe's view of them
// and read with the converter's probe rules.
#include "common/media.h"
#include "encoder_support.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void expectCrLfLines(const QByteArray &output)
{
    ASSERT_FALSE(output.isEmpty());
    for (const QByteArray &line : outputLines(output))
        EXPECT_TRUE(line.endsWith("\r\n")) << line.toStdString();
}

// "hh:mm:ss.cc" after "Duration: " as seconds.
double printedDuration(const QByteArray &text)
{
    const qsizetype d = text.indexOf("Duration: ");
    if (d < 0)
        return -1;
    const QByteArray clock = text.mid(d + 10, 11);
    return clock.mid(0, 2).toInt() * 3600 + clock.mid(3, 2).toInt() * 60 + clock.mid(6, 5).toDouble();
}

QString kbps(const QJsonObject &object)
{
    const QString rate = object.value(QStringLiteral("bit_rate")).toString();
    return rate.isEmpty() ? QString() : QString::number(rate.toLongLong() / 1000);
}

struct ContainerCase {
    const char *name;
    const char *file;
    ClipSpec spec;
};

ClipSpec clip(QStringList codecArgs, QString size = QStringLiteral("320x240"), bool audio = true,
              int sampleRate = 44100, int channels = 2)
{
    ClipSpec spec;
    spec.seconds = 2.4;
    spec.size = size;
    spec.audio = audio;
    spec.sampleRate = sampleRate;
    spec.channels = channels;
    spec.codecArgs = codecArgs;
    return spec;
}

class ProbeContainers : public ::testing::TestWithParam<ContainerCase> {};

} // namespace

TEST_P(ProbeContainers, DescriptionMatchesFfprobe)
{
    const ContainerCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(c.file));
    ASSERT_TRUE(makeClip(path, c.spec));

    const EncoderResult result = runEncoder({"-i", path});
    EXPECT_EQ(result.exitCode, 0);
    const QByteArray &text = result.output;
    EXPECT_LE(text.size(), 2048);
    EXPECT_TRUE(text.startsWith("Input #0, ")) << text.toStdString();
    expectCrLfLines(text);

    const QJsonObject probe = ffprobe(path);
    const QJsonObject format = probe.value(QStringLiteral("format")).toObject();
    const QJsonObject video = firstStream(probe, QStringLiteral("video"));
    const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));
    const double duration = format.value(QStringLiteral("duration")).toString().toDouble();
    const ProbeValues values = readProbeValues(text);

    EXPECT_NEAR(printedDuration(text), duration, 0.006) << text.toStdString();
    EXPECT_NEAR(clockSeconds(values.duration), duration, 1.0);
    QString total = kbps(format);
    if (total.isEmpty())
        total = QString::number(static_cast<long long>(
            format.value(QStringLiteral("size")).toString().toDouble() * 8 / duration / 1000));
    EXPECT_EQ(values.totalRate, total) << text.toStdString();
    if (video.isEmpty()) {
        EXPECT_TRUE(values.frameSize.isEmpty());
        EXPECT_FALSE(text.contains("Video:"));
    } else {
        EXPECT_EQ(values.frameSize, QStringLiteral("%1x%2")
                                        .arg(video.value("width").toInt())
                                        .arg(video.value("height").toInt()));
        EXPECT_EQ(values.videoRate, kbps(video)) << text.toStdString();
    }
    if (audio.isEmpty())
        EXPECT_FALSE(text.contains("Audio:"));
    else
        EXPECT_EQ(values.audioRate, kbps(audio)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Clips, ProbeContainers,
    ::testing::Values(
        ContainerCase{"AviMpeg4Mp3", "a.avi", clip({"-c:v", "mpeg4", "-c:a", "libmp3lame"})},
        ContainerCase{"Mp4H264Aac", "a.mp4", clip({"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"})},
        ContainerCase{"Mkv", "a.mkv", clip({})},
        ContainerCase{"MpgMpeg2Mp2", "a.mpg", clip({"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"})},
        ContainerCase{"WmvWmv2Wmav2", "a.wmv", clip({"-c:v", "wmv2", "-c:a", "wmav2"})},
        ContainerCase{"FlvMp3", "a.flv", clip({"-c:v", "flv", "-c:a", "libmp3lame"})},
        ContainerCase{"MovMpeg4Aac", "a.mov", clip({"-c:v", "mpeg4", "-c:a", "aac"})},
        ContainerCase{"ThreeGpH263Aac", "a.3gp",
                      clip({"-c:v", "h263", "-c:a", "aac"}, "176x144", true, 8000, 1)},
        ContainerCase{"TsMpeg2Mp2", "a.ts", clip({"-c:v", "mpeg2video", "-c:a", "mp2"})},
        ContainerCase{"Mp3AudioOnly", "a.mp3", clip({}, QString())},
        ContainerCase{"WavAudioOnly", "a.wav", clip({}, QString(), true, 22050, 1)},
        ContainerCase{"Mp4VideoOnly", "v.mp4", clip({"-c:v", "libx264"}, "640x480", false)}),
    [](const auto &info) { return std::string(info.param.name); });

// Names a shell or FFmpeg would misread reach the probe whole.
class ProbeNames : public ::testing::TestWithParam<const char *> {};

TEST_P(ProbeNames, FullAndRelativePaths)
{
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("made.avi"));
    ASSERT_TRUE(makeClip(made, clip({"-c:v", "mpeg4", "-c:a", "libmp3lame"})));
    const QString name = QString::fromUtf8(GetParam());
    ASSERT_TRUE(QFile::rename(made, dir.filePath(name)));

    for (const QString &path : {dir.filePath(name), name}) {
        const EncoderResult result = runEncoder({"-i", path}, QProcessEnvironment::systemEnvironment(),
                                                dir.path());
        EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
        const ProbeValues values = readProbeValues(result.output);
        EXPECT_EQ(values.duration, "00:00:02") << result.output.toStdString();
        EXPECT_EQ(values.frameSize, "320x240") << result.output.toStdString();
        EXPECT_FALSE(values.totalRate.isEmpty());
        expectCrLfLines(result.output);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ProbeNames,
                         ::testing::Values("with  two blanks.avi", "quote\"d 'name'.avi",
                                           "\xC3\xBCn\xC3\xAF c\xC3\xB6" "d\xC3\xA9 \xE5\x90\x8D.avi",
                                           "-a.avi", "colon:name.avi", "pipe:1",
                                           "Duration: 11:11:11 Video: 9x9 bitrate: 7 kb.avi",
                                           "line\rbreak.avi"),
                         [](const auto &info) { return "Name" + std::to_string(info.index); });

TEST(Probe, MissingAndNonMediaFiles)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.avi"));
    EncoderResult result = runEncoder({"-i", missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, (missing + ": No such file or directory\r\n").toUtf8());
    EXPECT_TRUE(readProbeValues(result.output).totalRate.isEmpty());

    // A path that holds the keys the converter looks for gives it no values.
    const QString keys = dir.filePath(QStringLiteral("Duration: 00:00:09 bitrate: 9 kb/s Video: 9x9, 9 kb/s.avi"));
    result = runEncoder({"-i", keys});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.output.endsWith(": No such file or directory\r\n"));
    const ProbeValues values = readProbeValues(result.output);
    EXPECT_TRUE(values.duration.isEmpty() && values.totalRate.isEmpty() && values.videoRate.isEmpty() &&
                values.frameSize.isEmpty())
        << result.output.toStdString();

    const QString text = dir.filePath(QStringLiteral("notes.avi"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are no pictures\n");
    file.close();
    result = runEncoder({"-i", text});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, (text + ": Invalid data found when processing input\r\n").toUtf8());
}

TEST(Probe, UnreadableFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.avi"));
    ASSERT_TRUE(makeClip(path, clip({"-c:v", "mpeg4"})));
    QFile::setPermissions(path, QFileDevice::Permissions());
    const EncoderResult result = runEncoder({"-i", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, (path + ": Permission denied\r\n").toUtf8());
}

TEST(Probe, HundredHoursAndMore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.mkv"));
    // Three stills 60 hours apart: a file of 120 hours.
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "color=size=16x16:rate=1:duration=3", "-vf",
                           "setpts=N*216000/TB", "-fps_mode", "passthrough", "-c:v", "png", path}));
    const EncoderResult result = runEncoder({"-i", path});
    EXPECT_EQ(result.exitCode, 0);
    const ProbeValues values = readProbeValues(result.output);
    EXPECT_EQ(values.duration, "99:59:59") << result.output.toStdString();
    EXPECT_EQ(clockSeconds(values.duration), 359999);
    EXPECT_EQ(values.frameSize, "16x16");
}

TEST(Probe, LowercaseXInCodecProfileAndPixelFormat)
{
    QTemporaryDir dir;
    const QString dnxhr = dir.filePath(QStringLiteral("dnxhr.mov"));
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=256x144:duration=0.2", "-c:v", "dnxhd",
                           "-profile:v", "dnxhr_lb", "-pix_fmt", "yuv422p", dnxhr}));
    const QString xyz = dir.filePath(QStringLiteral("xyz.nut"));
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=64x48:duration=0.2", "-c:v", "rawvideo",
                           "-pix_fmt", "xyz12le", xyz}));
    for (const auto &[path, size] : {std::pair{dnxhr, "256x144"}, std::pair{xyz, "64x48"}}) {
        const EncoderResult result = runEncoder({"-i", path});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(readProbeValues(result.output).frameSize, size) << result.output.toStdString();
    }
}

// The converter reads the description in chunks of 2048 bytes and keeps only
// what the last chunk said: the whole description must come in one write.
TEST(Probe, DescriptionInOneWrite)
{
    if (!QFile::exists(QStringLiteral("/usr/bin/strace")))
        GTEST_SKIP() << "strace is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a b.mp4"));
    ASSERT_TRUE(makeClip(path, clip({"-c:v", "libx264", "-c:a", "aac"})));
    const QString trace = dir.filePath(QStringLiteral("trace"));
    QProcess strace;
    strace.start(QStringLiteral("/usr/bin/strace"),
                 {"-f", "-e", "trace=write,writev,pwrite64", "-o", trace, encoderProgram(), "-i", path});
    ASSERT_TRUE(strace.waitForFinished(60000));
    QFile file(trace);
    if (strace.exitCode() != 0 || !file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "strace cannot trace here";
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count("write"), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("write(1, \"Input #0")) << text.toStdString();
}

TEST(Probe, DvdReferenceRefused)
{
    const EncoderResult result = runEncoder({"-i", "vts://01*0*5000*0*0*/media/dvd"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(outputLines(result.output).size(), 1);
    EXPECT_TRUE(result.output.contains("vts://01*0*5000*0*0*/media/dvd")) << result.output.toStdString();
    EXPECT_TRUE(readProbeValues(result.output).totalRate.isEmpty());
}
