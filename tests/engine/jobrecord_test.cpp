// The job record's text rules: whole numbers, quoting, durations, the
// encoded time of a progress line, the joined command line and the argument
// vector.
#include "engine/jobrecord.h"

#include <gtest/gtest.h>

namespace {

TEST(WholeNumbers, SignAndDigitsOnly)
{
    EXPECT_TRUE(parseWholeNumber(QStringLiteral("1205")));
    EXPECT_TRUE(parseWholeNumber(QStringLiteral("-3")));
    for (const char *text : {"", "N/A", "12.5", " 12", "1e3"})
        EXPECT_FALSE(parseWholeNumber(QString::fromLatin1(text))) << text;
    // The values, up to the ends of 64 bits.
    EXPECT_EQ(parseWholeNumber(QStringLiteral("+0042")), 42);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("-9223372036854775808")), INT64_MIN);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("9223372036854775807")), INT64_MAX);
    for (const char *text : {"9223372036854775808", "-9223372036854775809", "+", "-", "1 ", "--1"})
        EXPECT_FALSE(parseWholeNumber(QString::fromLatin1(text))) << text;
}

TEST(QuoteArg, WrapsOnlyTextsWithABlank)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"", ""},
        {"C:/v/a.avi", "C:/v/a.avi"},
        {"D:/out dir/a.mp4", "\"D:/out dir/a.mp4\""},
        {" ", "\" \""},
        {"tab\there", "tab\there"}, // only the blank counts
        {"say \"hi\" now", "\"say \"hi\" now\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quoteArg(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(DurationToSeconds, ReadsHoursMinutesSecondsOrGivesZero)
{
    const struct {
        const char *text;
        int32_t seconds;
    } cases[] = {
        {"00:01:30", 90},     {"01:00:00", 3600},
        {"99:59:59", 359999}, {"00:01:30.52", 90}, // only characters 1 to 8 count
        {"12:34:56", 45296},  {"", 0},
        {"00:01", 0},    // no seconds
        {"N/A, sta", 0}, // a probe of a file without a duration
        {"00:0a:10", 0},      {"ab:cd:ef", 0},
        {"0:01:30", 0},   // characters 1-2 are "0:"
        {"00 01 30", 90}, // the separators are not looked at
        {"00:01: 3", 0},  // " 3" is not an integer
    };
    for (const auto &c : cases)
        EXPECT_EQ(durationToSeconds(QString::fromUtf8(c.text)), c.seconds) << c.text;
}

TEST(ParseEncodedSeconds, TakesTheWholeSecondsOfTheFirstTime)
{
    const struct {
        const char *text;
        int32_t seconds;
    } cases[] = {
        {"frame=  500 fps= 60 q=2.0 size= 900kB time=45.12 bitrate= 163.4kbits/s", 45},
        {"size=     470kB time=20.01 bitrate= 192.5kbits/s speed= 105x", 20},
        {"time=83.45 bitrate= 512.0kbits/s", 83},
        {"time=0.40 bitrate= 1.0kbits/s", 0},               // zero seconds: no progress
        {"time=00:00:45.12 bitrate= 163.4kbits/s", 0},      // clock time is not an integer
        {"time=10.0 bitrate=1\rtime=11.0 bitrate=1\r", 10}, // the first one counts
        {"frame= 1 time=45.12", 0},                         // no bitrate= yet
        {"bitrate= 1 kb/s", 0},                             // no time=
        {"bitrate= 1 time=45.12", 0},                       // bitrate= before time=
        {"time=45 bitrate= 1", 45},                         // no fraction: the word is read
        {"time= bitrate= 1", 0},
        {"time=12345.67 bitrate=", 12345},
        {"time=-0.02 bitrate= 1", 0},
        {"", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseEncodedSeconds(QString::fromUtf8(c.text)), c.seconds) << c.text;
}

intputrec exampleJob()
{
    intputrec job;
    job.encoderPath = QStringLiteral("C:\\Conv\\register.dat");
    job.inputFile = QStringLiteral("C:\\v\\a.avi");
    job.outputFile = QStringLiteral("D:\\out\\a.mp4");
    job.videoRateOpt = QStringLiteral(" -r 25 -b 1200000");
    job.audioRateOpt = QStringLiteral(" -ab 128000");
    job.channelOpt = QStringLiteral(" -ac 2");
    job.aspectOpt = QStringLiteral(" -aspect 1.3333");
    job.sizeOpt = QStringLiteral(" -s 320x240");
    job.sampleRateOpt = QStringLiteral(" -ar 44100 ");
    job.profileOpts = QStringLiteral(" -vcodec mpeg4");
    return job;
}

TEST(CommandLine, JoinsTheRecordCharacterForCharacter)
{
    EXPECT_EQ(
        commandLine(exampleJob()),
        QStringLiteral("C:\\Conv\\register.dat -y  -i C:\\v\\a.avi -r 25 -b 1200000 -ab 128000 "
                       "-ac 2 -aspect 1.3333 -s 320x240  -ar 44100  -vcodec mpeg4 "
                       "D:\\out\\a.mp4"));
}

TEST(CommandLine, QuotesPathsWithBlanksButNeverOptions)
{
    intputrec job = exampleJob();
    job.encoderPath = QStringLiteral("/opt/clip forge/register.dat");
    job.inputFile = QStringLiteral("/home/me/my clip.avi");
    job.outputFile = QStringLiteral("/out dir/a.mp4");
    job.profileOpts = QStringLiteral(" -metadata title=two words");
    job.aspectOpt.clear();
    job.sampleRateOpt.clear();
    EXPECT_EQ(
        commandLine(job),
        QStringLiteral("\"/opt/clip forge/register.dat\" -y  -i \"/home/me/my clip.avi\" -r 25 "
                       "-b 1200000 -ab 128000 -ac 2 -s 320x240  -metadata title=two words "
                       "\"/out dir/a.mp4\""));
}

TEST(SplitOptionWords, SplitsAtBlanksAndGroupsQuotedWords)
{
    const struct {
        const char *text;
        QStringList words;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {" -r 25 -b 1200000", {"-r", "25", "-b", "1200000"}},
        {" -ar 44100 ", {"-ar", "44100"}},
        {"-c:v\tmpeg4  -vtag DIVX", {"-c:v", "mpeg4", "-vtag", "DIVX"}},
        {" -metadata title=\"My clip\"", {"-metadata", "title=My clip"}},
        {" -metadata \"comment=a  b\" -y", {"-metadata", "comment=a  b", "-y"}},
        {" -vf \"\" -an", {"-vf", "", "-an"}},
        {" -x \"open end", {"-x", "open end"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(splitOptionWords(QString::fromUtf8(c.text)), c.words) << c.text;
}

TEST(EncoderArguments, PassesInputAndOutputWholeAndSplitsEachOptionText)
{
    intputrec job = exampleJob();
    EXPECT_EQ(encoderArguments(job),
              (QStringList{"-y",  "-i",      "C:\\v\\a.avi", "-r",     "25",
                           "-b",  "1200000", "-ab",          "128000", "-ac",
                           "2",   "-aspect", "1.3333",       "-s",     "320x240",
                           "-ar", "44100",   "-vcodec",      "mpeg4",  "D:\\out\\a.mp4"}));

    // Paths that a split of the joined text would break stay whole.
    const QString awkward[] = {
        QStringLiteral("/tmp/say \"hi\".avi"),
        QStringLiteral("-leading dash.avi"),
        QStringLiteral("/tmp/Ünïcødé  ビデオ.mkv"),
        QStringLiteral("/tmp/three   blanks .mp4"),
        QStringLiteral("vts://D:/VIDEO_TS/VTS_01_0.IFO?title=1"),
    };
    for (const QString &path : awkward) {
        job.inputFile = path;
        job.outputFile = path + QStringLiteral(".out");
        const QStringList args = encoderArguments(job);
        EXPECT_EQ(args.at(2), path);
        EXPECT_EQ(args.last(), path + QStringLiteral(".out"));
        EXPECT_EQ(args.size(), 20);
    }

    // A text without its leading blank does not run into its neighbour.
    job = exampleJob();
    job.sampleRateOpt = QStringLiteral(" -ar 44100");
    job.profileOpts = QStringLiteral("-c:v mpeg4 -c:a \"aac\"");
    const QStringList args = encoderArguments(job);
    EXPECT_EQ(args.mid(15, 6), (QStringList{"-ar", "44100", "-c:v", "mpeg4", "-c:a", "aac"}));
}

} // namespace
