// The profile matrix: every selectable profile, under several quality
// choices, converts a short clip through the encoder program with the
// command line the program builds; ffprobe and a full decode check each file.
#include "common/media.h"
#include "engine/filejob.h"
#include "engine/jobrecord.h"
#include "engine/options.h"
#include "profiledata/loaded_profile.h"
#include "profiledata/profile_facts.h"
#include "profiles/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <iostream>

namespace {

std::atomic<int> profilesChecked{0};
std::atomic<int> jobsChecked{0};

// Prints the totals of this run when the program ends.
class MatrixTotals : public ::testing::Environment
{
public:
    void TearDown() override
    {
        if (profilesChecked > 0)
            std::cout << "Profile matrix: " << profilesChecked << " profiles, " << jobsChecked
                      << " jobs checked" << std::endl;
    }
};
[[maybe_unused]] const auto *const totals =
    ::testing::AddGlobalTestEnvironment(new MatrixTotals);

// The source of every job: 2 seconds of 320x240 MPEG-4 video at 25 fps and
// 16-bit PCM stereo at 44100 Hz (1411 kb/s, more than several audio codecs
// take), made once per build folder.
QString sourceClip()
{
    const QString path = QStringLiteral(TEST_BINARY_DIR "profile-matrix-source.avi");
    if (QFileInfo::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".%1.avi").arg(QCoreApplication::applicationPid());
    ClipSpec spec;
    spec.codecArgs = {"-c:v", "mpeg4", "-b:v", "400k", "-c:a", "pcm_s16le"};
    if (!makeClip(partial, spec))
        return QString();
    // A concurrent test program may have made it meanwhile; either copy will do.
    QFile::rename(partial, path);
    QFile::remove(partial);
    return path;
}

// The source's task-list record, as the probe and the add step would fill it.
Toriginalinfo sourceRecord(const QString &path)
{
    const QJsonObject probe = ffprobe(path);
    const QJsonObject video = firstStream(probe, QStringLiteral("video"));
    const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));
    auto kbps = [](const QJsonObject &stream) {
        return QString::number(stream.value(QStringLiteral("bit_rate")).toString().toLongLong() /
                               1000);
    };
    return Toriginalinfo{path,
                         QStringLiteral("%1x%2")
                             .arg(video.value(QStringLiteral("width")).toInt())
                             .arg(video.value(QStringLiteral("height")).toInt()),
                         QStringLiteral("00:00:02"), kbps(video), kbps(audio)};
}

struct Choice {
    QString label;
    int size = -2, video = -2, audio = -2, channel = -2; // -2: keep the default
};

// The quality choices of the matrix for one loaded profile: the defaults of
// a first start, the highest and the lowest qualities, mono (with the
// smallest size, so that every size list is tried at both ends) and the
// largest size; for the disc targets both TV standards, in stereo and mono.
QList<Choice> choicesFor(const LoadedProfile &p)
{
    QList<Choice> list{{QStringLiteral("defaults")}};
    if (isDiscProfile(p.number)) {
        list << Choice{QStringLiteral("NTSC"), 1};
        // The channel box is disabled here; a remembered Mono still reaches
        // the command line.
        list << Choice{QStringLiteral("PAL, Mono"), 0, -2, -2, 0};
        list << Choice{QStringLiteral("NTSC, Mono"), 1, -2, -2, 0};
        return list;
    }
    const bool video = p.video.enabled && !p.noVideo();
    list << Choice{QStringLiteral("highest"), -2, video ? 0 : -2, 0};
    list << Choice{QStringLiteral("lowest"), -2, video ? 4 : -2, 4};
    int smallest = -1, largest = -1;
    if (p.size.enabled) {
        qint64 smallestArea = 0, largestArea = 0;
        for (int i = 0; i < p.size.items.size(); ++i) {
            const QString size = p.size.items[i].section(QLatin1Char('('), 0, 0);
            const qint64 area = size.section(QLatin1Char('x'), 0, 0).toLongLong() *
                                size.section(QLatin1Char('x'), 1, 1).toLongLong();
            if (area <= 0)
                continue; // the original-size item
            if (smallest < 0 || area < smallestArea)
                smallest = i, smallestArea = area;
            if (area > largestArea)
                largest = i, largestArea = area;
        }
    }
    list << Choice{QStringLiteral("mono, smallest size"), smallest >= 0 ? smallest : -2, -2, -2, 0};
    if (largest >= 0 && largest != p.size.selected)
        list << Choice{QStringLiteral("largest size"), largest};
    return list;
}

LoadedProfile withChoice(LoadedProfile p, const Choice &c)
{
    if (c.size != -2)
        p.size.selected = c.size;
    if (c.video != -2)
        p.video.selected = c.video;
    if (c.audio != -2)
        p.audio.selected = c.audio;
    if (c.channel != -2)
        p.channel.selected = c.channel;
    return p;
}

struct EncoderRun {
    bool finished = false;
    int exitCode = -1;
    QString output;
};

// Runs the encoder program as the program starts it: its argument vector,
// the program folder as working folder, one pipe for both outputs.
EncoderRun runEncoder(const intputrec &job)
{
    EncoderRun run;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(job.workDir);
    process.start(job.encoderPath, encoderArguments(job));
    process.closeWriteChannel();
    run.finished = process.waitForFinished(300000);
    if (!run.finished)
        process.kill(), process.waitForFinished();
    run.output = QString::fromLocal8Bit(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

// Checks one output file against what its command line asked for.
void checkOutput(const intputrec &job, const QString &extension, const Toriginalinfo &source)
{
    const QStringList words = encoderArguments(job);
    const QJsonObject probe = ffprobe(job.outputFile);
    ASSERT_FALSE(probe.isEmpty()) << "ffprobe cannot read " << job.outputFile.toStdString();
    const QJsonObject format = probe.value(QStringLiteral("format")).toObject();
    const QString formatName = format.value(QStringLiteral("format_name")).toString();
    const QString muxer = lastValue(words, {QStringLiteral("-f")});
    EXPECT_EQ(formatName, expectedFormatName(extension, muxer));
    // SWF files carry no duration; the full decode below reads them instead.
    if (formatName != QLatin1String("swf")) {
        EXPECT_GT(format.value(QStringLiteral("duration")).toString().toDouble(), 1.0);
    }

    DiscTarget target;
    const bool disc = discTarget(lastValue(words, {QStringLiteral("-target")}), &target);
    const QJsonObject video = firstStream(probe, QStringLiteral("video"));
    const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));

    if (words.contains(QStringLiteral("-vn"))) {
        EXPECT_TRUE(video.isEmpty()) << "an audio profile wrote a video stream";
    } else {
        ASSERT_FALSE(video.isEmpty()) << "no video stream";
        QString size = disc ? QStringLiteral("%1x%2").arg(target.width).arg(target.height)
                            : lastValue(words, {QStringLiteral("-s")});
        if (size.isEmpty())
            size = source.frameSize;
        EXPECT_EQ(QStringLiteral("%1x%2")
                      .arg(video.value(QStringLiteral("width")).toInt())
                      .arg(video.value(QStringLiteral("height")).toInt()),
                  size);
        const QString codec = disc ? target.videoCodec
                                   : decoderName(lastValue(words, {QStringLiteral("-c:v")}));
        EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString(), codec);
    }

    ASSERT_FALSE(audio.isEmpty()) << "no audio stream";
    const QString audioCodec = disc ? target.audioCodec
                                    : decoderName(lastValue(words, {QStringLiteral("-c:a")}));
    EXPECT_EQ(audio.value(QStringLiteral("codec_name")).toString(), audioCodec);
    const int channels = audio.value(QStringLiteral("channels")).toInt();
    const QString askedChannels = lastValue(words, {QStringLiteral("-ac")});
    // The Video CD target always writes stereo; the other targets keep the
    // asked count.
    const int expectedChannels = disc && target.stereo ? 2
                                 : askedChannels.isEmpty() ? 2
                                                           : askedChannels.toInt();
    EXPECT_EQ(channels, expectedChannels);
    const int rate = audio.value(QStringLiteral("sample_rate")).toString().toInt();
    const QString askedRate = lastValue(words, {QStringLiteral("-ar")});
    if (disc) {
        EXPECT_EQ(rate, target.sampleRate);
    } else if (!askedRate.isEmpty()) {
        EXPECT_EQ(rate, askedRate.toInt());
    }
    EXPECT_TRUE(acceptedSampleRates(audioCodec, formatName, muxer).count(rate)) << rate;

    QString errors;
    EXPECT_TRUE(decodesCleanly(job.outputFile, &errors)) << errors.toStdString();
}

class ProfileMatrix : public ::testing::TestWithParam<int>
{
};

} // namespace

TEST_P(ProfileMatrix, EveryChoiceMakesAPlayableFile)
{
    const int n = GetParam();
    const QString source = sourceClip();
    ASSERT_FALSE(source.isEmpty()) << "cannot make the source clip";
    const Toriginalinfo record = sourceRecord(source);
    ASSERT_EQ(record.frameSize, QStringLiteral("320x240"));

    const LoadedProfile loaded =
        loadProfileForTest(programFile(QStringLiteral("profiles.pop")), n);
    ASSERT_TRUE(loaded.lines.hasOptionsLine);
    const QString extension = profileExtension(loaded.displayName);
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());

    intputrec fixed;
    fixed.encoderPath = programFile(QStringLiteral("register.dat"));
    fixed.workDir = programFile(QString());
    fixed.profileOpts = loaded.lines.optionsLine;

    int jobs = 0;
    for (const Choice &choice : choicesFor(loaded)) {
        const QualityChoices choices = choicesOf(withChoice(loaded, choice));
        const FileJob job = fillFileJob(choices, record, out.path(), fixed);
        ASSERT_TRUE(job.ready);
        SCOPED_TRACE(QStringLiteral("profile %1, %2: %3")
                         .arg(n)
                         .arg(choice.label, commandLine(job.record))
                         .toStdString());
        const EncoderRun run = runEncoder(job.record);
        ASSERT_TRUE(run.finished) << "the encoder did not end";
        EXPECT_EQ(run.exitCode, 0) << run.output.right(2000).toStdString();
        ASSERT_TRUE(QFileInfo::exists(job.record.outputFile)) << run.output.right(2000).toStdString();
        EXPECT_TRUE(job.record.outputFile.endsWith(extension));
        checkOutput(job.record, extension, record);
        ++jobs;
    }
    ++profilesChecked;
    jobsChecked += jobs;
    std::cout << "profile " << n << " (" << loaded.displayName.toStdString() << "): " << jobs
              << " jobs checked" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Selectable, ProfileMatrix, ::testing::ValuesIn(selectableProfiles()),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return "profile_" + std::to_string(info.param);
                         });
