#include "engine/filejob.h"
#include "profiles/catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QualityChoices divxChoices()
{
    QualityChoices c;
    c.profile = 2;
    c.displayName = displayNameOf(2);
    c.size.index = 0;
    c.size.text = QStringLiteral("320x240");
    c.video.index = 2;
    c.video.text = QStringLiteral("Normal");
    c.audio.index = 1;
    c.audio.text = QStringLiteral("High quality");
    c.channel.index = 1;
    c.channel.text = QStringLiteral("Stereo");
    return c;
}

Toriginalinfo row(const QString &path)
{
    return Toriginalinfo{path, QStringLiteral("640x480"), QStringLiteral("00:01:30"),
                         QStringLiteral("1077"), QStringLiteral("128")};
}

} // namespace

TEST(FileJob, CaptionsAndFolders)
{
    struct Case {
        const char *path;
        const char *caption;
    } captions[] = {{"/v/clip.one.avi", "clip.one"}, {"/v/clip", "clip"},
                    {"/v.d/clip", "clip"},          {"/v/a b.mkv", "a b"},
                    {"/v/.hidden", ""},             {"/v/-a.avi", "-a"}};
    for (const Case &c : captions)
        EXPECT_EQ(sourceCaption(QString::fromUtf8(c.path)), QString::fromUtf8(c.caption)) << c.path;

    EXPECT_EQ(outputFolderPath(QStringLiteral("/out")), QStringLiteral("/out/"));
    EXPECT_EQ(outputFolderPath(QStringLiteral("/out/")), QStringLiteral("/out/"));
    EXPECT_EQ(outputFolderPath(QString()), QString());
    EXPECT_EQ(outputFolderPath(QStringLiteral("   ")), QString());
    EXPECT_EQ(outputFolderPath(QStringLiteral("rel")),
              QDir::current().absoluteFilePath(QStringLiteral("rel")) + QLatin1Char('/'));
}

// The worked example of a job record, with every slot, in a folder that
// does not exist yet.
TEST(FileJob, FillsTheRecordAndCreatesTheFolder)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folderText = tmp.path() + QStringLiteral("/new out");
    intputrec fixed;
    fixed.encoderPath = QStringLiteral("/prog/register.dat");
    fixed.workDir = QStringLiteral("/prog/");
    fixed.inputFile = QStringLiteral("stale");
    fixed.profileOpts = QStringLiteral("-c:v mpeg4 -vtag DIVX");

    const FileJob job =
        fillFileJob(divxChoices(), row(QStringLiteral("/videos/clip.one.avi")), folderText, fixed);
    ASSERT_TRUE(job.ready);
    EXPECT_EQ(job.outputFolder, folderText + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(folderText).isDir());
    const intputrec &r = job.record;
    EXPECT_EQ(r.encoderPath, QStringLiteral("/prog/register.dat"));
    EXPECT_EQ(r.workDir, QStringLiteral("/prog/"));
    EXPECT_EQ(r.inputFile, QStringLiteral("/videos/clip.one.avi"));
    EXPECT_EQ(r.outputFile, folderText + QStringLiteral("/clip.one.avi"));
    EXPECT_EQ(r.sizeOpt, QStringLiteral(" -s 320x240"));
    EXPECT_EQ(r.aspectOpt, QStringLiteral(" -aspect 1.3333"));
    EXPECT_EQ(r.videoRateOpt, QStringLiteral(" -r 25 -b 799000"));
    EXPECT_EQ(r.audioRateOpt, QStringLiteral(" -ab 192000"));
    EXPECT_EQ(r.sampleRateOpt, QStringLiteral(" -ar 44100 "));
    EXPECT_EQ(r.channelOpt, QStringLiteral(" -ac 2"));
    EXPECT_EQ(r.durationSecs, 90);
    EXPECT_EQ(r.profileOpts, QStringLiteral("-c:v mpeg4 -vtag DIVX"));
}

// Existing files are never overwritten: a.mp4, then a_1.mp4, a_2.mp4.
TEST(FileJob, OutputNamesNeverOverwrite)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QualityChoices c = divxChoices();
    c.profile = 4;
    c.displayName = displayNameOf(4);
    const Toriginalinfo source = row(QStringLiteral("/videos/a.avi"));
    const QString folder = tmp.path() + QLatin1Char('/');

    const char *expected[] = {"a.mp4", "a_1.mp4", "a_2.mp4", "a_3.mp4"};
    for (const char *name : expected) {
        const FileJob job = fillFileJob(c, source, tmp.path(), intputrec());
        ASSERT_TRUE(job.ready);
        EXPECT_EQ(job.record.outputFile, folder + QLatin1String(name));
        touch(job.record.outputFile);
    }

    // A name without an extension gets one; a gap in the numbers is reused.
    QFile::remove(folder + QStringLiteral("a_1.mp4"));
    EXPECT_EQ(fillFileJob(c, source, tmp.path(), intputrec()).record.outputFile,
              folder + QStringLiteral("a_1.mp4"));
    EXPECT_EQ(fillFileJob(c, row(QStringLiteral("/videos/noext")), tmp.path(), intputrec())
                  .record.outputFile,
              folder + QStringLiteral("noext.mp4"));

    // The source itself in the output folder with the profile's extension
    // is not overwritten either.
    touch(folder + QStringLiteral("same.mp4"));
    EXPECT_EQ(fillFileJob(c, row(folder + QStringLiteral("same.mp4")), tmp.path(), intputrec())
                  .record.outputFile,
              folder + QStringLiteral("same_1.mp4"));

    // A dangling link is a name in use, too.
    ASSERT_TRUE(QFile::link(folder + QStringLiteral("nowhere"), folder + QStringLiteral("b.mp4")));
    EXPECT_EQ(
        fillFileJob(c, row(QStringLiteral("/x/b.avi")), tmp.path(), intputrec()).record.outputFile,
        folder + QStringLiteral("b_1.mp4"));
}

TEST(FileJob, RefusesAnEmptyOutputFolder)
{
    for (const char *text : {"", "  "}) {
        const FileJob job = fillFileJob(divxChoices(), row(QStringLiteral("/v/a.avi")),
                                        QString::fromLatin1(text), intputrec());
        EXPECT_FALSE(job.ready) << '"' << text << '"';
        EXPECT_TRUE(job.record.outputFile.isEmpty());
    }
    EXPECT_STRNE(noOutputFolderMessage, "");
}

// The disc profiles replace the profile's options by the target option and
// leave out the options the target decides.
TEST(FileJob, DiscProfilesUseTheTarget)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    struct Case {
        int profile;
        const char *standard;
        const char *target;
        const char *file;
    } cases[] = {{112, "PAL", " -target pal-vcd ", "a.mpg"},
                 {113, "NTSC", " -target ntsc-svcd ", "a.mpg"},
                 {114, "NTSC", " -target ntsc-dvd ", "a.vob"}};
    for (const Case &c : cases) {
        QualityChoices choices = divxChoices();
        choices.profile = c.profile;
        choices.displayName = displayNameOf(c.profile);
        choices.size.text = QString::fromLatin1(c.standard);
        choices.video.enabled = choices.audio.enabled = choices.channel.enabled = false;
        intputrec loaded;
        loaded.profileOpts = QStringLiteral("-target pal-vcd");
        const FileJob job =
            fillFileJob(choices, row(QStringLiteral("/v/a.avi")), tmp.path(), loaded);
        const intputrec &r = job.record;
        EXPECT_EQ(r.profileOpts, QString::fromLatin1(c.target)) << c.profile;
        EXPECT_EQ(r.outputFile, tmp.path() + QLatin1Char('/') + QLatin1String(c.file));
        EXPECT_TRUE(r.sizeOpt.isEmpty() && r.aspectOpt.isEmpty() && r.videoRateOpt.isEmpty() &&
                    r.audioRateOpt.isEmpty() && r.sampleRateOpt.isEmpty())
            << c.profile;
        EXPECT_EQ(r.channelOpt, QStringLiteral(" -ac 2"));
    }
}
