// The description's text: the classic lines, CR LF ends, one chunk, and
// values that the converter's probe rules read right.
#include "encoder/describe.h"
#include "encoder_support.h"

#include <gtest/gtest.h>

using namespace encoder;

namespace {

MediaDescription sampleMedia()
{
    MediaDescription media;
    media.formatName = "avi";
    media.path = "/videos/clip one.avi";
    media.duration = 90'520'000;
    media.start = 0;
    media.bitRate = 1'205'000;
    VideoStreamInfo video;
    video.index = 0;
    video.codec = "mpeg4";
    video.profile = "Simple Profile";
    video.pixelFormat = "yuv420p";
    video.width = 320;
    video.height = 240;
    video.bitRate = 1'077'000;
    video.frameRate = 25;
    media.video = video;
    AudioStreamInfo audio;
    audio.index = 1;
    audio.codec = "mp3";
    audio.sampleRate = 44100;
    audio.layout = "stereo";
    audio.sampleFormat = "fltp";
    audio.bitRate = 128'000;
    media.audio = audio;
    return media;
}

} // namespace

TEST(Description, ClassicLinesEndingInCrLf)
{
    const std::string text = formatDescription(sampleMedia());
    EXPECT_EQ(text, "Input #0, avi, from 'clip one.avi':\r\n"
                    "  Duration: 00:01:30.52, start: 0.000000, bitrate: 1205 kb/s\r\n"
                    "    Stream #0.0: Video: mpeg4 (Simple Profile), yuv420p, 320x240, 1077 kb/s, 25 tbr\r\n"
                    "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\r\n");
    const ProbeValues values = readProbeValues(QByteArray::fromStdString(text));
    EXPECT_EQ(values.duration, "00:01:30");
    EXPECT_EQ(values.totalRate, "1205");
    EXPECT_EQ(values.videoRate, "1077");
    EXPECT_EQ(values.audioRate, "128");
    EXPECT_EQ(values.frameSize, "320x240");
}

struct ReadCase {
    const char *name;
    void (*change)(MediaDescription &);
    const char *duration, *totalRate, *videoRate, *audioRate, *frameSize;
};

class DescriptionRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DescriptionRead, ProbeRulesFindTheValues)
{
    MediaDescription media = sampleMedia();
    GetParam().change(media);
    const std::string text = formatDescription(media);
    ASSERT_LE(text.size(), kMaxDescriptionBytes);
    for (const QByteArray &line : outputLines(QByteArray::fromStdString(text)))
        EXPECT_TRUE(line.endsWith("\r\n")) << line.toStdString();
    const ProbeValues v = readProbeValues(QByteArray::fromStdString(text));
    EXPECT_EQ(v.duration, GetParam().duration) << text;
    EXPECT_EQ(v.totalRate, GetParam().totalRate) << text;
    EXPECT_EQ(v.videoRate, GetParam().videoRate) << text;
    EXPECT_EQ(v.audioRate, GetParam().audioRate) << text;
    EXPECT_EQ(v.frameSize, GetParam().frameSize) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionRead,
    ::testing::Values(
        ReadCase{"NoStreamRates",
                 [](MediaDescription &m) { m.video->bitRate = 0; m.audio->bitRate = 0; },
                 "00:01:30", "1205", "", "", "320x240"},
        ReadCase{"RateFromSizeAndDuration",
                 [](MediaDescription &m) { m.bitRate = 0; m.fileSize = 1'000'000; m.duration = 8'000'000; },
                 "00:00:08", "1000", "1077", "128", "320x240"},
        ReadCase{"NoRateNoDuration",
                 [](MediaDescription &m) { m.bitRate = 0; m.fileSize = 1'000'000; m.duration.reset(); },
                 "N/A, sta", "", "1077", "128", "320x240"},
        ReadCase{"HundredHoursAndMore",
                 [](MediaDescription &m) { m.duration = 123LL * 3600 * 1'000'000; },
                 "99:59:59", "1205", "1077", "128", "320x240"},
        ReadCase{"XInCodecProfileAndPixelFormat",
                 [](MediaDescription &m) {
                     m.video->codec = "dnxhd";
                     m.video->profile = "DNXHR LB";
                     m.video->pixelFormat = "xyz12le";
                 },
                 "00:01:30", "1205", "1077", "128", "320x240"},
        ReadCase{"ExtendedProfile",
                 [](MediaDescription &m) { m.video->codec = "h264"; m.video->profile = "Extended"; },
                 "00:01:30", "1205", "1077", "128", "320x240"},
        ReadCase{"KeysInTheFileName",
                 [](MediaDescription &m) { m.path = "/v/Duration: 11:11:11 Video: 9x9 bitrate: 7 kb/s.avi"; },
                 "00:01:30", "1205", "1077", "128", "320x240"},
        ReadCase{"LineBreaksInTheFileName",
                 [](MediaDescription &m) { m.path = "/v/a\rVideo: 1x1, 5 kb/s\r\nb.avi"; },
                 "00:01:30", "1205", "1077", "128", "320x240"},
        ReadCase{"AudioOnly", [](MediaDescription &m) { m.video.reset(); },
                 "00:01:30", "1205", "", "128", ""},
        ReadCase{"VideoOnly", [](MediaDescription &m) { m.audio.reset(); },
                 "00:01:30", "1205", "1077", "", "320x240"},
        ReadCase{"UnknownFrameSize", [](MediaDescription &m) { m.video->width = 0; },
                 "00:01:30", "1205", "1077", "128", ""},
        ReadCase{"HighDefinition",
                 [](MediaDescription &m) { m.video->width = 1920; m.video->height = 1080; },
                 "00:01:30", "1205", "1077", "128", "1920x1080"},
        ReadCase{"LongNamesEverywhere",
                 [](MediaDescription &m) {
                     m.path = "/v/" + std::string(4000, 'n') + ".avi";
                     m.formatName = std::string(300, 'f');
                     m.video->codec = std::string(300, 'c');
                     m.video->profile = std::string(300, 'p');
                     m.video->pixelFormat = std::string(300, 'q');
                     m.audio->codec = std::string(300, 'a');
                     m.audio->layout = std::string(300, 'l');
                 },
                 "00:01:30", "1205", "1077", "128", "320x240"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Description, AudioBeforeVideoKeepsTheFileOrder)
{
    MediaDescription media = sampleMedia();
    media.audio->index = 0;
    media.video->index = 1;
    const std::string text = formatDescription(media);
    EXPECT_LT(text.find("Stream #0.0: Audio:"), text.find("Stream #0.1: Video:"));
}

TEST(Description, Durations)
{
    const struct {
        int64_t us;
        const char *text;
    } cases[] = {{0, "00:00:00.00"},
                 {4'994'999, "00:00:04.99"},
                 {4'995'000, "00:00:05.00"},
                 {3'723'450'000, "01:02:03.45"},
                 {359'999'990'000, "99:59:59.99"},
                 {359'999'995'000, "99:59:59.99"},
                 {360'000'000'000, "99:59:59.99"},
                 {-1, "00:00:00.00"}};
    for (const auto &c : cases)
        EXPECT_EQ(formatDuration(c.us), c.text) << c.us;
    EXPECT_EQ(formatStart(0), "0.000000");
    EXPECT_EQ(formatStart(1'400'000), "1.400000");
    EXPECT_EQ(formatStart(-23'220), "-0.023220");
}

TEST(Description, FrameRatesAsFfmpegPrintsThem)
{
    const struct {
        double rate;
        const char *text;
    } cases[] = {{25, "25"}, {30000.0 / 1001, "29.97"}, {90000, "90k"}, {1.0 / 24, "0.04"},
                 {0.001, "0.0010"}, {59.94, "59.94"}};
    for (const auto &c : cases)
        EXPECT_EQ(formatFrameRate(c.rate), c.text) << c.rate;
}

TEST(Description, NamesForOneLine)
{
    EXPECT_EQ(printableName("a:b\r\nc\td.avi", 96), "a_b??c?d.avi");
    EXPECT_EQ(printableText("vts://01*0", 96), "vts://01*0");
    const std::string longName = std::string(60, 'a') + "\xC3\xA9" + std::string(60, 'b');
    const std::string shortened = printableName(longName, 40);
    EXPECT_LE(shortened.size(), 40u);
    EXPECT_NE(shortened.find("..."), std::string::npos);
    // Cuts fall between letters: both sides of "..." hold whole two-byte "é"s.
    std::string accents;
    for (int i = 0; i < 50; ++i)
        accents += "\xC3\xA9";
    const std::string cut = printableName(accents, 41);
    const std::size_t dots = cut.find("...");
    ASSERT_NE(dots, std::string::npos);
    for (const std::string &side : {cut.substr(0, dots), cut.substr(dots + 3)}) {
        EXPECT_EQ(side.size() % 2, 0u) << cut;
        EXPECT_EQ(static_cast<unsigned char>(side.at(0)), 0xC3u) << cut;
    }
}

TEST(Description, LowercaseXHidden)
{
    EXPECT_EQ(hideLowercaseX("dnxhd"), "DNXHD");
    EXPECT_EQ(hideLowercaseX("xyz12le"), "XYZ12LE");
    EXPECT_EQ(hideLowercaseX("h264"), "h264");
    EXPECT_EQ(hideLowercaseX("DNXHR LB"), "DNXHR LB");
}

TEST(Description, ErrorLine)
{
    EXPECT_EQ(probeErrorLine("/v/none.avi", "No such file or directory"),
              "/v/none.avi: No such file or directory\r\n");
}
