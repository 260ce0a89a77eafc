// The command line, the options a job asks, and the rate clamps.
#include "encoder/clamp.h"
#include "encoder/cmdline.h"
#include "encoder/media.h"
#include "encoder/options.h"

#include <gtest/gtest.h>

using namespace encoder;

namespace {
std::vector<std::string> words(std::initializer_list<const char *> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}
} // namespace

TEST(CommandLine, ProbeJobAndInvalid)
{
    auto probe = parseCommandLine(words({"-i", "/v/a b.avi"}));
    EXPECT_EQ(probe.mode, CommandLine::Mode::Probe);
    EXPECT_EQ(probe.input, "/v/a b.avi");

    auto job = parseCommandLine(words({"-y", "-i", "-i", "-r", "25", "-s", "320x240", "-a.avi"}));
    EXPECT_EQ(job.mode, CommandLine::Mode::Convert);
    EXPECT_EQ(job.leading, words({"-y"}));
    EXPECT_EQ(job.input, "-i");
    EXPECT_EQ(job.options, words({"-r", "25", "-s", "320x240"}));
    EXPECT_EQ(job.output, "-a.avi");

    auto bare = parseCommandLine(words({"-y", "-i", "in.avi", "out.avi"}));
    EXPECT_EQ(bare.mode, CommandLine::Mode::Convert);
    EXPECT_TRUE(bare.options.empty());

    EXPECT_EQ(parseCommandLine({}).mode, CommandLine::Mode::Invalid);
    EXPECT_EQ(parseCommandLine(words({"-i"})).mode, CommandLine::Mode::Invalid);
    EXPECT_EQ(parseCommandLine(words({"in.avi", "out.avi"})).mode, CommandLine::Mode::Invalid);
}

TEST(CommandLine, PathsFfmpegWouldMisread)
{
    const struct {
        const char *in, *out;
    } cases[] = {{"/v/a.avi", "/v/a.avi"},       {"-a.avi", "file:-a.avi"},
                 {"a:b.avi", "file:a:b.avi"},     {"pipe:1", "file:pipe:1"},
                 {"/v/a:b.avi", "/v/a:b.avi"},    {"file:/v/a.avi", "file:/v/a.avi"},
                 {"clip one.avi", "clip one.avi"}, {"subfile,x", "file:subfile,x"}};
    for (const auto &c : cases)
        EXPECT_EQ(ffmpegPath(c.in), c.out) << c.in;
    EXPECT_TRUE(isDvdReference("vts://03*1200*56000*0*0*/E:"));
    EXPECT_FALSE(isDvdReference("/v/vts://x"));
}

TEST(Options, LaterOptionsWin)
{
    const auto r = scanOptions(words({"-r", "25", "-b", "799000", "-ab", "192000", "-ac", "2", "-aspect",
                                      "1.3333", "-s", "320x240", "-ar", "44100", "-c:v", "mpeg4",
                                      "-vtag", "DIVX", "-c:a", "libmp3lame", "-ar", "22050"}));
    EXPECT_EQ(r.videoCodec, "mpeg4");
    EXPECT_EQ(r.audioCodec, "libmp3lame");
    EXPECT_EQ(r.sampleRate, 22050);
    EXPECT_EQ(r.channels, 2);
    EXPECT_EQ(r.audioBitRate, "192000");
    EXPECT_EQ(r.videoBitRate, "799000");
    EXPECT_FALSE(r.noAudio);
}

TEST(Options, Forms)
{
    auto r = scanOptions(words({"-acodec", "mp2", "-vcodec", "mpeg2video", "-b:a", "128k", "-b:v", "2M",
                                "-profile:v", "baseline", "-level", "3.0", "-maxrate", "1500k", "-f",
                                "vob", "-an", "-metadata", "title=-ab 5"}));
    EXPECT_EQ(r.audioCodec, "mp2");
    EXPECT_EQ(r.videoCodec, "mpeg2video");
    EXPECT_EQ(r.audioBitRate, "128k");
    EXPECT_EQ(r.videoBitRate, "2M");
    EXPECT_EQ(r.profile, "baseline");
    EXPECT_EQ(r.level, "3.0");
    EXPECT_EQ(r.maxRate, "1500k");
    EXPECT_EQ(r.format, "vob");
    EXPECT_TRUE(r.noAudio);

    r = scanOptions(words({"-c", "copy"}));
    EXPECT_EQ(r.audioCodec, "copy");
    EXPECT_EQ(r.videoCodec, "copy");

    r = scanOptions(words({"-ar", "22050", "-target", "pal-dvd"}));
    EXPECT_EQ(r.audioCodec, "ac3");
    EXPECT_EQ(r.sampleRate, 48000);
    r = scanOptions(words({"-target", "ntsc-vcd", "-ar", "22050"}));
    EXPECT_EQ(r.audioCodec, "mp2");
    EXPECT_EQ(r.sampleRate, 22050);
}

TEST(Options, BitRates)
{
    const struct {
        const char *text;
        int64_t value; // -1: not a rate
    } cases[] = {{"192000", 192000}, {"192k", 192000}, {"1.5M", 1500000}, {"12.2k", 12200},
                 {"0", 0},           {"", -1},         {"abc", -1},       {"5x", -1}};
    for (const auto &c : cases) {
        const auto rate = parseBitRate(c.text);
        EXPECT_EQ(rate ? *rate : -1, c.value) << c.text;
    }
}

TEST(Options, AudioOptionsTakenOut)
{
    EXPECT_EQ(withoutAudioOptions(words({"-r", "25", "-b", "799000", "-ab", "12200", "-ac", "1", "-s",
                                         "176x144", "-ar", "8000", "-c:v", "h263", "-c:a",
                                         "libopencore_amrnb", "-acodec", "x", "-b:a", "1", "-y"})),
              words({"-r", "25", "-b", "799000", "-s", "176x144", "-c:v", "h263", "-y"}));
}

TEST(Clamp, AmrNbRates)
{
    const struct {
        int64_t asked;
        int use;
    } cases[] = {{12200, 12200}, {10200, 10200}, {7400, 7400}, {5900, 5900}, {4750, 4750},
                 {128000, 12200}, {12199, 10200}, {1000, 4750}, {6000, 5900}};
    for (const auto &c : cases)
        EXPECT_EQ(nearestAmrNbRate(c.asked), c.use) << c.asked;
}

TEST(Clamp, H264LevelLimits)
{
    const struct {
        const char *level, *profile;
        int64_t max; // -1: unknown level
    } cases[] = {{"3.0", "baseline", 10'000'000}, {"3", "main", 10'000'000}, {"30", "", 12'500'000},
                 {"3.1", "high", 17'500'000},    {"4.1", "high", 62'500'000}, {"1b", "baseline", 128'000},
                 {"2.1", "baseline", 4'000'000}, {"4.0", "high10", 60'000'000}, {"8", "main", -1},
                 {"", "main", -1}};
    for (const auto &c : cases) {
        const auto max = h264LevelMaxBitRate(c.level, c.profile);
        EXPECT_EQ(max ? *max : -1, c.max) << c.level << " " << c.profile;
    }
}

TEST(Clamp, FittingRateSearchesDownThenUp)
{
    // An encoder that takes 32k to 160k in steps of 32k.
    const AudioEncoderTest steps = [](const std::string &, int, int, int64_t rate) {
        return rate >= 32000 && rate <= 160000 && rate % 32000 == 0;
    };
    const struct {
        int64_t asked;
        int64_t use; // 0: no change
    } cases[] = {{128000, 0}, {1411000, 160000}, {100000, 96000}, {12200, 32000}};
    for (const auto &c : cases) {
        const auto use = fittingAudioBitRate("codec", 44100, 2, c.asked, steps);
        EXPECT_EQ(use ? *use : 0, c.use) << c.asked;
    }
    const AudioEncoderTest never = [](const std::string &, int, int, int64_t) { return false; };
    EXPECT_FALSE(fittingAudioBitRate("codec", 8000, 2, 128000, never));
}

// The encoders' own limits (measured with Debian's FFmpeg 5.1).
struct EncoderLimitCase {
    const char *name;
    const char *encoder;
    int sampleRate, channels;
    int64_t asked;
    int64_t use; // 0: taken as asked (or failing for another reason)
};

class EncoderLimits : public ::testing::TestWithParam<EncoderLimitCase> {};

TEST_P(EncoderLimits, RateComesIntoRange)
{
    const EncoderLimitCase &c = GetParam();
    quietLibav();
    OutputRequest request;
    request.audioBitRate = std::to_string(c.asked);
    const auto change = planAudioRate(request, {c.encoder, c.sampleRate, c.channels}, audioEncoderOpens);
    if (c.use == 0) {
        EXPECT_FALSE(change) << change->message;
        return;
    }
    ASSERT_TRUE(change);
    EXPECT_EQ(change->options, (std::vector<std::string>{"-b:a", std::to_string(c.use)}));
    const std::string shown = c.encoder == std::string("libopencore_amrnb") ? "AMR-NB" : c.encoder;
    EXPECT_NE(change->message.find("what " + shown + " takes at " +
                                   std::to_string(c.sampleRate) + " Hz; using " + std::to_string(c.use)),
              std::string::npos)
        << change->message;
}

INSTANTIATE_TEST_SUITE_P(
    Measured, EncoderLimits,
    ::testing::Values(EncoderLimitCase{"Mp2PcmRateAt44100", "mp2", 44100, 2, 1411000, 384000},
                      EncoderLimitCase{"Mp2At22050", "mp2", 22050, 2, 192000, 160000},
                      EncoderLimitCase{"Mp2BetweenSteps", "mp2", 48000, 2, 129000, 128000},
                      EncoderLimitCase{"Mp2At8000Fails", "mp2", 8000, 2, 128000, 0},
                      EncoderLimitCase{"Mp2Fits", "mp2", 44100, 2, 192000, 0},
                      EncoderLimitCase{"Wmav2Minimum", "wmav2", 8000, 1, 12200, 24000},
                      EncoderLimitCase{"VorbisStereo22050", "libvorbis", 22050, 2, 192000, 160000},
                      EncoderLimitCase{"VorbisMono8000", "libvorbis", 8000, 1, 192000, 40000},
                      EncoderLimitCase{"VorbisStereoTooLow", "libvorbis", 44100, 2, 32000, 48000},
                      EncoderLimitCase{"Ac3Fits", "ac3", 48000, 2, 448000, 0},
                      EncoderLimitCase{"LameCapsItself", "libmp3lame", 8000, 1, 320000, 0},
                      EncoderLimitCase{"AmrNb", "libopencore_amrnb", 8000, 1, 128000, 12200}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Clamp, VideoRateAboveLevelOrMaxRate)
{
    OutputRequest request;
    request.videoBitRate = "20000000";
    request.level = "3.0";
    request.profile = "baseline";
    auto change = planVideoRate(request, "libx264");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->options, (std::vector<std::string>{"-b:v", "10000000"}));
    EXPECT_EQ(change->message,
              "register.dat: video bit rate 20000000 is above what H.264 level 3.0 allows; using 10000000");
    EXPECT_FALSE(planVideoRate(request, "mpeg4")); // the level is x264's

    request = {};
    request.videoBitRate = "20000k";
    request.maxRate = "15000k";
    change = planVideoRate(request, "mpeg2video");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->options, (std::vector<std::string>{"-b:v", "15000000"}));

    request.maxRate = "25000k";
    EXPECT_FALSE(planVideoRate(request, "mpeg2video"));
    request.noVideo = true;
    request.maxRate = "1k";
    EXPECT_FALSE(planVideoRate(request, "mpeg2video"));
}

TEST(Clamp, ContainerDefaults)
{
    quietLibav();
    EXPECT_EQ(defaultEncoder("", "/o/a.mp4", true), "aac");
    EXPECT_EQ(defaultEncoder("", "/o/a.mp4", false), "libx264");
    EXPECT_EQ(defaultEncoder("", "/o/a.mp2", true), "mp2");
    EXPECT_EQ(defaultEncoder("", "/o/a.3gp", true), "amr_nb");
    EXPECT_EQ(defaultEncoder("", "/o/a.amr", false), "");
    EXPECT_EQ(defaultEncoder("vob", "/o/a.bin", true), "mp2");
}
