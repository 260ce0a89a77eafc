#include "profiles/qualityboxes.h"

#include <gtest/gtest.h>

namespace {

const QStringList rates5 = designedRateItems();

QStringList withItems(QStringList items, const QStringList &more)
{
    return items << more;
}

const QString orgV = originalVideoItem;
const QString orgA = originalAudioItem;
const QString noV = noVideoItem;

// Applies a whole profile (size line, rate line, options) to the model.
void load(QualityBoxes &boxes, VideoRates &rates, int profile, const char *extension,
          const char *sizeLine, const char *rateLine, RunMode mode = RunMode::File)
{
    ProfileLines lines;
    lines.opened = true;
    lines.hasSizeLine = lines.hasRateLine = lines.hasOptionsLine = true;
    lines.sizeLine = QString::fromLatin1(sizeLine);
    lines.rateLine = QString::fromLatin1(rateLine);
    lines.optionsLine = QStringLiteral("-opts %1").arg(profile);
    QString opts;
    applyProfileLines(boxes, rates, opts, lines,
                      ProfileRules{profile, mode, QString::fromLatin1(extension)});
    EXPECT_EQ(opts, lines.optionsLine);
}

} // namespace

TEST(QualityBoxes, DesignedItems)
{
    const QualityBoxes boxes = QualityBoxes::designed();
    EXPECT_TRUE(boxes.cb_size.items.isEmpty());
    EXPECT_EQ(boxes.cb_videobitrate.items, QStringList({"Higher quality", "High quality", "Normal",
                                                        "Low Quliay", "Lower Quliay"}));
    EXPECT_EQ(boxes.cb_audiobitrate.items, boxes.cb_videobitrate.items);
    EXPECT_EQ(boxes.cb_channel.items, QStringList({"Mono", "Stereo"}));
    EXPECT_EQ(boxes.cb_channel.shownText(), QStringLiteral("Stereo"));
    EXPECT_EQ(boxes.cb_videobitrate.selected, -1);
}

TEST(QualityBoxes, FillSizeList)
{
    struct Case {
        int profile;
        const char *extension;
        const char *line;
        QStringList items;
        int selected;
    } cases[] = {
        {1,
         ".asf",
         "320x240 640x480(VGA)",
         {"320x240", "640x480(VGA)", "The original width and height"},
         -1},
        {1, ".asf", "320x240", {"320x240"}, -1},
        {1, ".asf", "320x240  640x480", {"320x240"}, -1},
        {1, ".asf", " 320x240 640x480", {"No Video"}, 0},
        {1,
         ".asf",
         "320x240 640x480 9",
         {"320x240", "640x480", "The original width and height"},
         -1},
        {14,
         ".wmv",
         "320x240 640x480",
         {"320x240", "640x480", "The original width and height"},
         -1},
        {4, ".mp4", "320x240 640x480", {"320x240", "640x480"}, -1},
        {27, ".mp4", "320x240 640x480", {"320x240", "640x480"}, -1},
        {53, ".MP4", "1920x1080 1280x720", {"1920x1080", "1280x720"}, -1},
        {68, ".3gp", "176x144 352x288", {"176x144", "352x288"}, -1},
        {102,
         ".avi",
         "320x240 640x480",
         {"320x240", "640x480", "The original width and height"},
         -1},
        {111,
         ".mpg",
         "320x240 640x480",
         {"320x240", "640x480", "The original width and height"},
         -1},
        {112, ".mpg", "352x288", {"PAL", "NTSC"}, -1},
        {113, ".mpg", "", {"PAL", "NTSC"}, -1},
        {114, ".vob", "720x576 720x480 352x240", {"PAL", "NTSC"}, -1},
        {115, ".mpeg", "1280x720 1920x1080", {"1280x720", "1920x1080"}, -1},
        {118, ".mp4", "320x240 640x480", {"320x240", "640x480"}, -1},
        {123, ".MP4", "320x240 640x480", {"320x240", "640x480"}, -1},
        {131, ".mkv", "320x240 640x480", {"320x240", "640x480"}, -1},
        {17, ".mp3", "", {"No Video"}, 0},
        {20, ".wav", "x", {"No Video"}, 0},
    };
    for (const Case &c : cases) {
        QualityBoxes boxes = QualityBoxes::designed();
        // Whatever the box held before is replaced, its selection too.
        boxes.cb_size.items = QStringList{"a", "b", "c"};
        boxes.cb_size.selected = 2;
        fillSizeList(boxes, QString::fromLatin1(c.line),
                     ProfileRules{c.profile, RunMode::File, QString::fromLatin1(c.extension)});
        EXPECT_EQ(boxes.cb_size.items, c.items) << c.profile << " " << c.line;
        EXPECT_EQ(boxes.cb_size.selected, c.selected) << c.profile << " " << c.line;
        // The size line touches no other box.
        EXPECT_EQ(boxes.cb_videobitrate, QualityBoxes::designed().cb_videobitrate);
    }
}

TEST(QualityBoxes, OriginalQualityItems)
{
    enum Start { Designed, WithOriginals };
    struct Case {
        Start start;
        int profile;
        const char *extension;
        RunMode mode;
        QStringList video, audio;
    } cases[] = {
        {Designed, 1, ".asf", RunMode::File, withItems(rates5, {orgV}), withItems(rates5, {orgA})},
        {Designed, 1, ".asf", RunMode::Dvd, rates5, rates5},
        {Designed, 4, ".mp4", RunMode::File, rates5, rates5},
        {Designed, 102, ".avi", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {Designed, 118, ".mp4", RunMode::File, rates5, rates5},
        {Designed, 123, ".MP4", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {Designed, 123, ".MP4", RunMode::Dvd, rates5, rates5},
        {Designed, 131, ".mkv", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {Designed, 53, ".MP4", RunMode::File, rates5, rates5},
        {Designed, 91, ".avi", RunMode::File, rates5, rates5},
        // Never twice; withdrawn for ".mp4"; profiles 15 to 101 leave them.
        {WithOriginals, 1, ".asf", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {WithOriginals, 4, ".mp4", RunMode::File, rates5, rates5},
        {WithOriginals, 118, ".mp4", RunMode::Dvd, rates5, rates5},
        {WithOriginals, 1, ".asf", RunMode::Dvd, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {WithOriginals, 27, ".mp4", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
        {WithOriginals, 112, ".mpg", RunMode::File, withItems(rates5, {orgV}),
         withItems(rates5, {orgA})},
    };
    for (const Case &c : cases) {
        QualityBoxes boxes = QualityBoxes::designed();
        if (c.start == WithOriginals) {
            boxes.cb_videobitrate.add(orgV);
            boxes.cb_audiobitrate.add(orgA);
        }
        VideoRates rates;
        load(boxes, rates, c.profile, c.extension, "320x240 640x480", "100 200 300 400 500",
             c.mode);
        EXPECT_EQ(boxes.cb_videobitrate.items, c.video) << c.profile << " " << int(c.mode);
        EXPECT_EQ(boxes.cb_audiobitrate.items, c.audio) << c.profile << " " << int(c.mode);
    }
}

TEST(QualityBoxes, VideoLineEnablesBoxesAndStoresRates)
{
    struct Case {
        int profile;
        const char *extension;
        const char *sizes;
        const char *rateLine;
        bool sizeOn, videoOn, audioOn, channelOn;
        VideoRates rates;       // from slots "a" to "e" before the load
        const char *videoShown; // selected text of cb_videobitrate ("" for none)
    } cases[] = {
        {1,
         ".asf",
         "320x240 640x480",
         "100 200 300 400 500",
         true,
         true,
         true,
         true,
         {"500", "400", "300", "200", "100"},
         ""},
        {6,
         ".rm",
         "320x240 640x480",
         "100 200",
         true,
         true,
         true,
         true,
         {"a", "b", "c", "200", "100"},
         ""},
        // Audio: no sizes and "*": no video; slots 1 to 4 keep their values.
        {17, ".mp3", "", "*", false, false, true, true, {"*", "b", "c", "d", "e"}, "No Video"},
        // One size and "*" is the no-video case as well.
        {71,
         ".amr",
         "176x144",
         "*",
         false,
         false,
         true,
         true,
         {"*", "b", "c", "d", "e"},
         "No Video"},
        // "*" with two sizes is not: boxes stay enabled, no rate is stored.
        {27, ".mp4", "320x240 640x480", "*", true, true, true, true, {"a", "b", "c", "d", "e"}, ""},
        // Disc targets: rates untouched, the three boxes off.
        {112, ".mpg", "352x288", "1150", true, false, false, false, {"a", "b", "c", "d", "e"}, ""},
        {113,
         ".mpg",
         "480x576",
         "2000 2500",
         true,
         false,
         false,
         false,
         {"a", "b", "c", "d", "e"},
         ""},
        {114, ".vob", "720x576", "*", true, false, false, false, {"a", "b", "c", "d", "e"}, ""},
        // More than five values: the first five are kept, the rest ignored.
        {8,
         ".3gp",
         "176x144 352x288",
         "1 20 30 40 50 60 70",
         true,
         true,
         true,
         true,
         {"50", "40", "30", "20", "1"},
         ""},
    };
    for (const Case &c : cases) {
        QualityBoxes boxes = QualityBoxes::designed();
        VideoRates rates = {"a", "b", "c", "d", "e"};
        load(boxes, rates, c.profile, c.extension, c.sizes, c.rateLine);
        EXPECT_EQ(boxes.cb_size.enabled, c.sizeOn) << c.profile;
        EXPECT_EQ(boxes.cb_videobitrate.enabled, c.videoOn) << c.profile;
        EXPECT_EQ(boxes.cb_audiobitrate.enabled, c.audioOn) << c.profile;
        EXPECT_EQ(boxes.cb_channel.enabled, c.channelOn) << c.profile;
        EXPECT_EQ(rates, c.rates) << c.profile;
        EXPECT_EQ(boxes.cb_videobitrate.shownText(), QString::fromLatin1(c.videoShown))
            << c.profile;
    }
}

TEST(QualityBoxes, StoreVideoRates)
{
    struct Case {
        const char *line;
        VideoRates rates; // from "a" to "e" before
    } cases[] = {
        {"100 200 300 400 500", {"500", "400", "300", "200", "100"}},
        {"100 200", {"a", "b", "c", "200", "100"}},
        {"100  200 300", {"a", "b", "c", "d", "100"}},
        {" 100 200", {"a", "b", "c", "d", "e"}},
        {"100 200 3", {"a", "b", "c", "200", "100"}},
        {"*", {"a", "b", "c", "d", "e"}},
        {"", {"a", "b", "c", "d", "e"}},
        {"1 2 3 4 5 6", {"5", "4", "3", "2", "1"}},
        {"10 20 30 40 50 60 70", {"50", "40", "30", "20", "10"}},
    };
    for (const Case &c : cases) {
        VideoRates rates = {"a", "b", "c", "d", "e"};
        storeVideoRates(rates, QString::fromLatin1(c.line));
        EXPECT_EQ(rates, c.rates) << c.line;
    }
}

TEST(QualityBoxes, SwitchingBetweenVideoAndAudioProfiles)
{
    struct Step {
        int profile;
        const char *extension;
        const char *sizes, *rateLine;
    };
    const Step video1{1, ".asf", "320x240 640x480", "100 200 300 400 500"};
    const Step audio17{17, ".mp3", "", "*"};
    const Step audio18{18, ".ogg", "", "*"};
    const Step mp4118{118, ".mp4", "320x240 640x480", "100 200 300 400 500"};
    const Step ipod27{27, ".mp4", "320x240 640x480", "100 200 300 400 500"};
    struct Case {
        const char *name;
        std::vector<Step> steps;
        RunMode mode;
        QStringList video;
        int videoSelected;
        bool videoOn;
    } cases[] = {
        // A video profile after an audio one: "No Video" goes, the box is on again.
        {"audio then video", {audio17, video1}, RunMode::File, withItems(rates5, {orgV}), -1, true},
        {"audio then video, DVD", {audio17, video1}, RunMode::Dvd, rates5, -1, true},
        {"audio then ipod", {audio17, ipod27}, RunMode::File, rates5, -1, true},
        // An audio profile after a video one.
        {"video then audio",
         {video1, audio17},
         RunMode::File,
         withItems(rates5, {orgV, noV}),
         6,
         false},
        // Two audio profiles offer "No Video" once.
        {"two audio",
         {video1, audio17, audio18},
         RunMode::File,
         withItems(rates5, {orgV, noV}),
         6,
         false},
        // Back to a video profile: its original item once, not twice.
        {"video audio video",
         {video1, audio17, video1},
         RunMode::File,
         withItems(rates5, {orgV}),
         -1,
         true},
        // An ".mp4" profile after an audio one offers no original item.
        {"video audio mp4", {video1, audio17, mp4118}, RunMode::File, rates5, -1, true},
        // Profiles 15 to 101 keep an original item left by an earlier profile.
        {"video audio ipod",
         {video1, audio17, ipod27},
         RunMode::File,
         withItems(rates5, {orgV}),
         -1,
         true},
    };
    for (const Case &c : cases) {
        QualityBoxes boxes = QualityBoxes::designed();
        VideoRates rates;
        for (const Step &s : c.steps)
            load(boxes, rates, s.profile, s.extension, s.sizes, s.rateLine, c.mode);
        EXPECT_EQ(boxes.cb_videobitrate.items, c.video) << c.name;
        EXPECT_EQ(boxes.cb_videobitrate.selected, c.videoSelected) << c.name;
        EXPECT_EQ(boxes.cb_videobitrate.enabled, c.videoOn) << c.name;
        EXPECT_EQ(boxes.cb_size.enabled, c.videoOn) << c.name;
    }
}

TEST(QualityBoxes, LinesTheFileDoesNotReachKeepTheirEffect)
{
    QualityBoxes boxes = QualityBoxes::designed();
    VideoRates rates;
    load(boxes, rates, 1, ".asf", "320x240 640x480", "100 200 300 400 500");
    const QualityBoxes before = boxes;

    struct Case {
        bool size, rate, options;
    } cases[] = {{false, false, false}, {true, false, false}, {true, true, false}};
    for (const Case &c : cases) {
        QualityBoxes b = before;
        VideoRates r = rates;
        QString opts = QStringLiteral("-old");
        ProfileLines lines;
        lines.opened = true;
        lines.hasSizeLine = c.size;
        lines.sizeLine = QStringLiteral("176x144");
        lines.hasRateLine = c.rate;
        lines.rateLine = QStringLiteral("64");
        lines.hasOptionsLine = c.options;
        lines.optionsLine = QStringLiteral("-new");
        applyProfileLines(b, r, opts, lines,
                          ProfileRules{7, RunMode::File, QStringLiteral(".wmv")});
        EXPECT_EQ(b.cb_size.items, c.size ? QStringList{"176x144"} : before.cb_size.items);
        EXPECT_EQ(r[4], c.rate ? QStringLiteral("64") : rates[4]);
        EXPECT_EQ(opts, QStringLiteral("-old"));
    }
}

TEST(QualityBoxes, RememberedChoicesSelectWhatTheBoxesHave)
{
    QualityBoxes boxes = QualityBoxes::designed();
    boxes.cb_size.items = QStringList{"320x240", "640x480"};
    boxes.cb_size.selected = 1;
    boxes.cb_videobitrate.selected = 3;
    selectQualityChoices(boxes, {5, std::nullopt, 4, -1});
    EXPECT_EQ(boxes.cb_size.selected, -1);        // beyond the items
    EXPECT_EQ(boxes.cb_videobitrate.selected, 3); // not remembered: unchanged
    EXPECT_EQ(boxes.cb_audiobitrate.selected, 4);
    EXPECT_EQ(boxes.cb_channel.selected, -1); // remembered as none
}
