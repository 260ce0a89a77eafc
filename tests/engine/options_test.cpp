#include "engine/options.h"
#include "profiles/catalogue.h"

#include <gtest/gtest.h>

namespace {

const char *const originalSize = "The original width and height";
const char *const originalVideo = "The Original Video Quliay";
const char *const originalAudio = "The Original Audio Quliay";
const char *const qualityItems[] = {"Higher quality", "High quality", "Normal", "Low Quliay",
                                    "Lower Quliay"};

QualityBox sizeBox(const char *text, int index = 0)
{
    QualityBox box;
    box.index = index;
    box.text = QString::fromLatin1(text);
    box.original = box.text == QLatin1String(originalSize);
    return box;
}

// index 0 to 4: the designed items; 5: the original-quality item.
QualityBox qualityBox(int index, const char *originalText)
{
    QualityBox box;
    box.index = index;
    if (index >= 0 && index < 5)
        box.text = QString::fromLatin1(qualityItems[index]);
    else if (index == 5) {
        box.text = QString::fromLatin1(originalText);
        box.original = true;
    }
    return box;
}

QualityBox channelBox(int index)
{
    QualityBox box;
    box.index = index;
    box.text = index == 0 ? QStringLiteral("Mono") : QStringLiteral("Stereo");
    return box;
}

QualityChoices choicesFor(int profile, const char *size, int video, int audio, int channel)
{
    QualityChoices c;
    c.profile = profile;
    c.displayName = displayNameOf(profile);
    c.videoRates = {QStringLiteral("1500"), QStringLiteral("1000"), QStringLiteral("768"),
                    QStringLiteral("512"), QStringLiteral("384")};
    c.size = sizeBox(size);
    c.video = qualityBox(video, originalVideo);
    c.audio = qualityBox(audio, originalAudio);
    c.channel = channelBox(channel);
    return c;
}

Toriginalinfo sourceRow(const char *frameSize = "1280x720", const char *videoRate = "1077",
                        const char *audioRate = "128", const char *duration = "00:01:30")
{
    return Toriginalinfo{QStringLiteral("/videos/clip.one.avi"), QString::fromLatin1(frameSize),
                         QString::fromLatin1(duration), QString::fromLatin1(videoRate),
                         QString::fromLatin1(audioRate)};
}

struct Expected {
    const char *size;
    const char *aspect;
    const char *video;
    const char *audio;
    const char *sampleRate;
    const char *channel;
    const char *target;
    qint64 videoPart;
    qint64 total;
};

void expectOptions(const QualityChoices &c, const Toriginalinfo &row, const Expected &e,
                   const std::string &label)
{
    SCOPED_TRACE(label);
    const QString size = sizeOption(c, row);
    const QString audio = audioOption(c, row);
    EXPECT_EQ(size, QString::fromLatin1(e.size));
    EXPECT_EQ(aspectOption(c, size), QString::fromLatin1(e.aspect));
    EXPECT_EQ(videoOption(c, row), QString::fromLatin1(e.video));
    EXPECT_EQ(audio, QString::fromLatin1(e.audio));
    EXPECT_EQ(sampleRateOption(c, audio), QString::fromLatin1(e.sampleRate));
    EXPECT_EQ(channelOption(c), QString::fromLatin1(e.channel));
    EXPECT_EQ(targetOption(c), QString::fromLatin1(e.target));
    const BitRateEstimate estimate = estimateBitRate(c, row);
    EXPECT_EQ(estimate.video, e.videoPart);
    EXPECT_EQ(estimate.total, e.total);
}

} // namespace

TEST(OptionBuilders, ProfileGroups)
{
    struct Case {
        int profile;
        bool disc, list;
    } cases[] = {{1, false, false},   {14, false, false},  {15, false, true},  {101, false, true},
                 {102, false, false}, {111, false, false}, {112, true, false}, {114, true, false},
                 {115, false, false}, {132, false, false}};
    for (const Case &c : cases) {
        EXPECT_EQ(isDiscProfile(c.profile), c.disc) << c.profile;
        EXPECT_EQ(isListProfile(c.profile), c.list) << c.profile;
    }
}

// Every option of one job, and the estimate, for a table of choices.
TEST(OptionBuilders, OptionTextsAndEstimates)
{
    struct Case {
        const char *label;
        QualityChoices choices;
        Toriginalinfo row;
        Expected expected;
    };
    QualityChoices vga = choicesFor(2, "640x480 (VGA)", 2, 1, 1);
    QualityChoices original = choicesFor(2, originalSize, 2, 1, 1);
    QualityChoices excellent = choicesFor(123, "1280x720", 0, 1, 1);
    QualityChoices normal = choicesFor(122, "1280x720", 0, 1, 1);
    QualityChoices mini = choicesFor(121, "1280x720", 4, 1, 1);
    QualityChoices threeGp = choicesFor(8, "176x144", 2, 0, 1);
    QualityChoices threeGpLow = choicesFor(8, "176x144", 2, 4, 0);
    QualityChoices threeGpOriginal = choicesFor(8, "176x144", 2, 5, 1);
    QualityChoices amr = choicesFor(71, "No Video", 5, 3, 1);
    amr.videoRates[0] = QStringLiteral("*");
    amr.size.enabled = false;
    amr.video.enabled = false;
    QualityChoices vcd = choicesFor(113, "NTSC", 2, 1, 1);
    QualityChoices dvd = choicesFor(114, "PAL", 2, 1, 0);
    QualityChoices audioOnly = choicesFor(17, "No Video", 5, 2, 1);
    audioOnly.videoRates[0] = QStringLiteral("*");
    audioOnly.size.enabled = false;
    audioOnly.video.enabled = false;
    QualityChoices list300 = choicesFor(27, "320x240", 0, 2, 1);
    list300.videoRates[0] = QStringLiteral("300");
    QualityChoices listLowest = choicesFor(27, "320x240", 4, 4, 0);
    QualityChoices listOriginal = choicesFor(27, "320x240", 5, 5, 1);
    QualityChoices lowAudio = choicesFor(2, "320x240", 2, 3, 1);
    QualityChoices highestAudio = choicesFor(2, "320x240", 2, 0, 1);
    QualityChoices lowestAudio = choicesFor(2, "320x240", 2, 4, 1);
    QualityChoices originalAll = choicesFor(1, originalSize, 5, 5, 1);

    const Case cases[] = {
        {"profile 2, 320x240, Normal, High quality, Stereo",
         choicesFor(2, "320x240", 2, 1, 1),
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 799000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 799, 991}},
        {"size with a remark keeps the blank before it",
         vga,
         sourceRow(),
         {" -s 640x480 ", " -aspect 1.3333", " -r 25 -b 1598000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 1598, 1790}},
        {"original size item takes the source's size and height",
         original,
         sourceRow("1280x720"),
         {" -s 1280x720", " -aspect 1.7778", " -r 25 -b 2398000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 2398, 2590}},
        {"profile 123 uses the Excellent row",
         excellent,
         sourceRow(),
         {" -s 1280x720", " -aspect 1.7778", " -r 25 -b 7495000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 7495, 7687}},
        {"profile 122 uses the Normal row",
         normal,
         sourceRow(),
         {" -s 1280x720", " -aspect 1.7778", " -r 25 -b 4500000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 4500, 4692}},
        {"profile 121 uses the Mini row",
         mini,
         sourceRow(),
         {" -s 1280x720", " -aspect 1.7778", " -r 25 -b 576000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 576, 768}},
        {".3gp takes the AMR rates, 8000 Hz and one channel",
         threeGp,
         sourceRow(),
         {" -s 176x144", " -aspect 1.2222", " -r 25 -b 480000", " -ab 12200", " -ar 8000 ",
          " -ac 1 ", "", 480, 492}},
        {".3gp lowest AMR rate, Mono",
         threeGpLow,
         sourceRow(),
         {" -s 176x144", " -aspect 1.2222", " -r 25 -b 480000", " -ab 4750", " -ar 8000 ",
          " -ac 1 ", "", 480, 485}},
        {".3gp with the original audio item takes the highest AMR mode",
         threeGpOriginal,
         sourceRow(),
         {" -s 176x144", " -aspect 1.2222", " -r 25 -b 480000", " -ab 12200", " -ar 8000 ",
          " -ac 1 ", "", 480, 492}},
        {".amr audio only",
         amr,
         sourceRow(),
         {"", "", "", " -ab 5900", " -ar 8000 ", " -ac 1 ", "", 0, 6}},
        {"Super Video CD, NTSC",
         vcd,
         sourceRow(),
         {"", "", "", "", "", " -ac 2", " -target ntsc-svcd ", 0, 1948}},
        {"DVD, PAL, Mono",
         dvd,
         sourceRow(),
         {"", "", "", "", "", " -ac 1", " -target pal-dvd ", 0, 3222}},
        {"list profile without video",
         audioOnly,
         sourceRow(),
         {"", "", "", " -ab 128000", " -ar 44100 ", " -ac 2", "", 0, 128}},
        {"list profile, slot 0 is 300",
         list300,
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 300000", " -ab 128000", " -ar 44100 ",
          " -ac 2", "", 300, 428}},
        {"list profile, lowest qualities, Mono",
         listLowest,
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 384000", " -ab 32000", " -ar 22050 ",
          " -ac 1", "", 384, 416}},
        {"list profile with original items left in the boxes",
         listOriginal,
         sourceRow("1280x720", "2500", "1411"),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 2500000", " -ab 1411000", " -ar 48000 ",
          " -ac 2", "", 2500, 3911}},
        {"Low Quliay audio",
         lowAudio,
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 799000", " -ab 64000", " -ar 22050 ",
          " -ac 2", "", 799, 863}},
        {"Higher quality audio",
         highestAudio,
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 799000", " -ab 320000", " -ar 48000 ",
          " -ac 2", "", 799, 1119}},
        {"Lower Quliay audio",
         lowestAudio,
         sourceRow(),
         {" -s 320x240", " -aspect 1.3333", " -r 25 -b 799000", " -ab 32000", " -ar 22050 ",
          " -ac 2", "", 799, 831}},
        {"all original items on a size-based profile",
         originalAll,
         sourceRow("720x576", "4000", "192"),
         {" -s 720x576", " -aspect 1.2500", " -r 25 -b 4000000", " -ab 192000", " -ar 44100 ",
          " -ac 2", "", 4000, 4192}},
    };
    for (const Case &c : cases)
        expectOptions(c.choices, c.row, c.expected, c.label);
}

// The video part is the frame height times the factor, a half going to the
// even neighbour.
TEST(OptionBuilders, VideoPartRounding)
{
    struct Case {
        int profile;
        const char *size;
        int video;
        qint64 expected;
    } cases[] = {
        {2, "320x240", 2, 799},   // 799.2
        {2, "640x50", 4, 76},     // 75.5 -> 76
        {2, "640x150", 4, 226},   // 226.5 -> 226
        {118, "320x50", 4, 40},   // 0.8 x 50
        {118, "320x30", 3, 32},   // 31.8
        {120, "320x50", 0, 520},  // 520.5 -> 520
        {120, "320x150", 0, 1562}, // 1561.5 -> 1562
        {1, "1920x1080", 0, 6750},
        {131, "640x480", 1, 1997}, // 1996.8
    };
    for (const auto &c : cases) {
        const QualityChoices choices = choicesFor(c.profile, c.size, c.video, 1, 1);
        EXPECT_EQ(estimateBitRate(choices, sourceRow()).video, c.expected)
            << c.profile << " " << c.size << " " << c.video;
    }
}

// What the builders do where a choice cannot give a value: nothing breaks,
// the option is left to the encoder's default.
TEST(OptionBuilders, ChoicesWithoutValue)
{
    // A size without "x" is passed as it stands; no aspect, no bit rate.
    QualityChoices named = choicesFor(2, "vga", 2, 1, 1);
    EXPECT_EQ(sizeOption(named, sourceRow()), QStringLiteral(" -s vga"));
    EXPECT_EQ(aspectOption(named, QStringLiteral(" -s vga")), QString());
    EXPECT_EQ(videoOption(named, sourceRow()), QStringLiteral(" -r 25"));
    EXPECT_EQ(estimateBitRate(named, sourceRow()).video, 0);
    EXPECT_EQ(estimateBitRate(named, sourceRow()).total, 192);

    // Width or height that is no number, or zero: no aspect.
    for (const char *size : {" -s axb", " -s 320x", " -s x240", " -s 320x0", " -s 0x240"})
        EXPECT_EQ(aspectOption(named, QString::fromLatin1(size)), QString()) << size;

    // Boxes without a selection: no size, no bit rates, no channel count.
    QualityChoices none = choicesFor(4, "", -1, -1, -1);
    none.size.index = -1;
    EXPECT_EQ(sizeOption(none, sourceRow()), QString());
    EXPECT_EQ(videoOption(none, sourceRow()), QStringLiteral(" -r 25"));
    EXPECT_EQ(audioOption(none, sourceRow()), QString());
    EXPECT_EQ(sampleRateOption(none, QString()), QString());
    EXPECT_EQ(channelOption(none), QString());
    EXPECT_EQ(estimateBitRate(none, sourceRow()).total, 0);

    // A list profile without a selection, or with a rate slot that is no number.
    QualityChoices list = choicesFor(60, "640x480", -1, 2, 1);
    EXPECT_EQ(videoOption(list, sourceRow()), QStringLiteral(" -r 25"));
    list.video = qualityBox(1, originalVideo);
    list.videoRates[1] = QString();
    EXPECT_EQ(videoOption(list, sourceRow()), QStringLiteral(" -r 25"));
    EXPECT_EQ(estimateBitRate(list, sourceRow()).video, 0);

    // The original size item with a source of unknown size: nothing to pass.
    QualityChoices original = choicesFor(2, originalSize, 2, 1, 1);
    EXPECT_EQ(sizeOption(original, sourceRow("")), QString());
    EXPECT_EQ(estimateBitRate(original, sourceRow("")).video, 0);

    // Source rates that are not whole numbers or not above zero.
    QualityChoices originals = choicesFor(1, "320x240", 5, 5, 1);
    for (const char *rate : {"", "abc", "0", "-100"}) {
        const Toriginalinfo row = sourceRow("320x240", rate, rate);
        EXPECT_EQ(videoOption(originals, row), QStringLiteral(" -r 25")) << rate;
        EXPECT_EQ(audioOption(originals, row), QString()) << rate;
        EXPECT_EQ(estimateBitRate(originals, row).total, 0) << rate;
    }

    // A disc profile whose size box shows nothing targets PAL.
    QualityChoices disc = choicesFor(112, "", 2, 1, 1);
    EXPECT_EQ(targetOption(disc), QStringLiteral(" -target pal-vcd "));
    EXPECT_EQ(estimateBitRate(disc, sourceRow()).total, 1393);
}

// Rates far beyond 32 bits: the option texts and estimates do not wrap.
TEST(OptionBuilders, LargeRatesDoNotWrap)
{
    QualityChoices c = choicesFor(1, "320x240", 5, 5, 1);
    const Toriginalinfo row = sourceRow("320x240", "5000000", "3000000");
    EXPECT_EQ(videoOption(c, row), QStringLiteral(" -r 25 -b 5000000000"));
    EXPECT_EQ(audioOption(c, row), QStringLiteral(" -ab 3000000000"));
    EXPECT_EQ(estimateBitRate(c, row).total, 8000000);

    QualityChoices tall = choicesFor(120, "100x300000000", 0, 1, 1);
    EXPECT_EQ(estimateBitRate(tall, sourceRow()).video, 3123000000LL);
}

TEST(OptionBuilders, BoxSnapshots)
{
    const QStringList sizes{"320x240", "640x480 (VGA)", "The original width and height"};
    struct Case {
        int index;
        bool enabled;
        int expectedIndex;
        const char *text;
        bool original;
    } cases[] = {{0, true, 0, "320x240", false},
                 {1, false, 1, "640x480 (VGA)", false},
                 {2, true, 2, "The original width and height", true},
                 {3, true, -1, "", false},
                 {-1, true, -1, "", false}};
    for (const Case &c : cases) {
        const QualityBox box = makeQualityBox(sizes, c.index, c.enabled);
        EXPECT_EQ(box.index, c.expectedIndex) << c.index;
        EXPECT_EQ(box.text, QString::fromLatin1(c.text)) << c.index;
        EXPECT_EQ(box.enabled, c.enabled) << c.index;
        EXPECT_EQ(box.original, c.original) << c.index;
    }
    const QStringList video{"Higher quality", "High quality", "Normal", "Low Quliay",
                            "Lower Quliay", "The Original Video Quliay"};
    EXPECT_TRUE(makeQualityBox(video, 5, true).original);
    EXPECT_FALSE(makeQualityBox(video, 4, true).original);
    const QStringList audio{"The Original Audio Quliay"};
    EXPECT_TRUE(makeQualityBox(audio, 0, true).original);
}
