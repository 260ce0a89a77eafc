#include "app/main_fixture.h"
#include "app/profile_support.h"
#include "config/ini.h"
#include "profiles/catalogue.h"

#include <gtest/gtest.h>

namespace {

const QStringList rates5 = designedRateItems();
const QString orgS = originalSizeItem;
const QString orgV = originalVideoItem;
const QString orgA = originalAudioItem;
const QString noV = noVideoItem;

QStringList plus(QStringList items, const QStringList &more)
{
    return items << more;
}

VideoRates ratesOf(int n)
{
    const QString num = QString::number(n);
    return {num + "05", num + "04", num + "03", num + "02", num + "01"};
}

struct BoxCase {
    QStringList items;
    int selected;
    bool enabled;
};

void expectBox(const QComboBox *box, const BoxCase &expected, const std::string &what)
{
    const ComboModel model = comboModel(box);
    EXPECT_EQ(model.items, expected.items) << what;
    EXPECT_EQ(model.selected, expected.selected) << what;
    EXPECT_EQ(model.enabled, expected.enabled) << what;
}

} // namespace

struct LoadCase {
    const char *edition; // "clipforge" (file mode) or "clipforge-dvd"
    int profile;
    BoxCase size, video, audio, channel;
    VideoRates rates;
    const char *opts;
};

class ProfileLoad : public ::testing::TestWithParam<LoadCase>
{
};

// Each window starts on profile 1 (nothing saved), then loads the profile.
TEST_P(ProfileLoad, FillsTheBoxesRatesAndOptions)
{
    const LoadCase &c = GetParam();
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QString::fromLatin1(c.edition), folder.path());
    ASSERT_EQ(w->loadedProfile, 1);

    clickProfile(w.w(), c.profile);
    const std::string what = std::string(c.edition) + " " + std::to_string(c.profile);
    expectBox(w->cb_size, c.size, what + " size");
    expectBox(w->cb_videobitrate, c.video, what + " video");
    expectBox(w->cb_audiobitrate, c.audio, what + " audio");
    expectBox(w->cb_channel, c.channel, what + " channel");
    EXPECT_EQ(w.w().profileVideoRates, c.rates) << what;
    EXPECT_EQ(w->jobRecord.profileOpts, QString::fromLatin1(c.opts)) << what;
    EXPECT_EQ(w->loadedProfile, c.profile);
    EXPECT_EQ(w->profileDisplayName, displayNameOf(c.profile));
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

const BoxCase stereo{{"Mono", "Stereo"}, 1, true};
const BoxCase stereoOff{{"Mono", "Stereo"}, 1, false};
const BoxCase palNtsc{{"PAL", "NTSC"}, 0, true};
const BoxCase noVideoSize{{"No Video"}, 0, false};

INSTANTIATE_TEST_SUITE_P(
    FileMode, ProfileLoad,
    ::testing::Values(
        LoadCase{"clipforge",
                 1,
                 {plus(sixSizes, {orgS}), 0, true},
                 {plus(rates5, {orgV}), 5, true},
                 {plus(rates5, {orgA}), 5, true},
                 stereo,
                 ratesOf(1),
                 "-opts 1"},
        // ".mp4": no original items; the default index 5 is beyond the rates.
        LoadCase{"clipforge",
                 4,
                 {sixSizes, 5, true},
                 {rates5, -1, true},
                 {rates5, -1, true},
                 stereo,
                 ratesOf(4),
                 "-opts 4"},
        LoadCase{"clipforge",
                 17,
                 noVideoSize,
                 {plus(rates5, {orgV, noV}), 6, false},
                 {plus(rates5, {orgA}), 2, true},
                 stereo,
                 {"*", "104", "103", "102", "101"},
                 "-vn -opts 17"},
        LoadCase{"clipforge",
                 112,
                 palNtsc,
                 {plus(rates5, {orgV}), 5, false},
                 {plus(rates5, {orgA}), 5, false},
                 stereoOff,
                 ratesOf(1),
                 "-target 112"},
        LoadCase{"clipforge",
                 113,
                 palNtsc,
                 {plus(rates5, {orgV}), 5, false},
                 {plus(rates5, {orgA}), 5, false},
                 stereoOff,
                 ratesOf(1),
                 "-target 113"},
        LoadCase{"clipforge",
                 114,
                 palNtsc,
                 {plus(rates5, {orgV}), 5, false},
                 {plus(rates5, {orgA}), 5, false},
                 stereoOff,
                 ratesOf(1),
                 "-target 114"},
        LoadCase{"clipforge",
                 118,
                 {sixSizes, 5, true},
                 {rates5, 2, true},
                 {rates5, 2, true},
                 stereo,
                 ratesOf(118),
                 "-opts 118"},
        // ".MP4" is not ".mp4": the original rates are offered, no original size above 111.
        LoadCase{"clipforge",
                 123,
                 {sixSizes, 5, true},
                 {plus(rates5, {orgV}), 2, true},
                 {plus(rates5, {orgA}), 2, true},
                 stereo,
                 ratesOf(123),
                 "-opts 123"},
        LoadCase{"clipforge",
                 131,
                 {sixSizes, 4, true},
                 {plus(rates5, {orgV}), 5, true},
                 {plus(rates5, {orgA}), 5, true},
                 stereo,
                 ratesOf(131),
                 "-opts 131"}),
    [](const auto &info) { return "Profile" + std::to_string(info.param.profile); });

INSTANTIATE_TEST_SUITE_P(DvdMode, ProfileLoad,
                         ::testing::Values(LoadCase{"clipforge-dvd",
                                                    1,
                                                    {plus(sixSizes, {orgS}), 0, true},
                                                    {rates5, 2, true},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    ratesOf(1),
                                                    "-opts 1"},
                                           LoadCase{"clipforge-dvd",
                                                    4,
                                                    {sixSizes, 2, true},
                                                    {rates5, 2, true},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    ratesOf(4),
                                                    "-opts 4"},
                                           LoadCase{"clipforge-dvd",
                                                    17,
                                                    noVideoSize,
                                                    {plus(rates5, {noV}), 5, false},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    {"*", "104", "103", "102", "101"},
                                                    "-vn -opts 17"},
                                           LoadCase{"clipforge-dvd",
                                                    112,
                                                    palNtsc,
                                                    {rates5, 2, false},
                                                    {rates5, 2, false},
                                                    stereoOff,
                                                    ratesOf(1),
                                                    "-target 112"},
                                           LoadCase{"clipforge-dvd",
                                                    114,
                                                    palNtsc,
                                                    {rates5, 2, false},
                                                    {rates5, 2, false},
                                                    stereoOff,
                                                    ratesOf(1),
                                                    "-target 114"},
                                           LoadCase{"clipforge-dvd",
                                                    118,
                                                    {sixSizes, 2, true},
                                                    {rates5, 2, true},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    ratesOf(118),
                                                    "-opts 118"},
                                           LoadCase{"clipforge-dvd",
                                                    123,
                                                    {sixSizes, 2, true},
                                                    {rates5, 2, true},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    ratesOf(123),
                                                    "-opts 123"},
                                           LoadCase{"clipforge-dvd",
                                                    131,
                                                    {sixSizes, 4, true},
                                                    {rates5, 2, true},
                                                    {rates5, 2, true},
                                                    stereo,
                                                    ratesOf(131),
                                                    "-opts 131"}),
                         [](const auto &info) {
                             return "Profile" + std::to_string(info.param.profile);
                         });

TEST(ProfileLoadEdges, AVideoProfileAfterAnAudioProfile)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    clickProfile(w.w(), 17);
    clickProfile(w.w(), 2);
    // "No Video" is gone, both boxes are on, and profile 2's defaults apply.
    expectBox(w->cb_size, {plus(sixSizes, {orgS}), 4, true}, "size");
    expectBox(w->cb_videobitrate, {plus(rates5, {orgV}), 5, true}, "video");
    EXPECT_EQ(w.w().profileVideoRates, ratesOf(2));
    // Back to audio and to profile 1: the original items are offered once.
    clickProfile(w.w(), 18);
    clickProfile(w.w(), 1);
    expectBox(w->cb_videobitrate, {plus(rates5, {orgV}), 5, true}, "video again");
    expectBox(w->cb_audiobitrate, {plus(rates5, {orgA}), 5, true}, "audio again");
}

TEST(ProfileLoadEdges, AMissingDefinitionFileStopsTheLoad)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    w->cb_size->setCurrentIndex(3);
    const QualityBoxes before = qualityBoxesOf(w.w());
    const QString opts = w->jobRecord.profileOpts;
    folder.removeProfiles();

    clickProfile(w.w(), 4);
    const QStringList errors = w.recorder.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(folder.profilesPath())) << errors[0].toStdString();
    // The name has changed and profile 1's choices are saved; the rest stays.
    EXPECT_EQ(w->profileDisplayName, displayNameOf(4));
    EXPECT_EQ(
        IniFile(w->qualityMemoryPath).readInteger(QStringLiteral("1"), QStringLiteral("size"), -9),
        3);
    EXPECT_EQ(qualityBoxesOf(w.w()).cb_size, before.cb_size);
    EXPECT_EQ(qualityBoxesOf(w.w()).cb_videobitrate, before.cb_videobitrate);
    EXPECT_EQ(w->jobRecord.profileOpts, opts);
    EXPECT_EQ(w->loadedProfile, 1);
    EXPECT_EQ(w.w().profileVideoRates, ratesOf(1));
}

TEST(ProfileLoadEdges, NoDefinitionFileAtStart)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    folder.removeProfiles();
    MainWindow w(QStringLiteral("clipforge-psp"), folder.path());
    EXPECT_EQ(w.recorder.texts(QStringLiteral("error")).size(), 1);
    EXPECT_EQ(w->currentProfile, 53);
    EXPECT_EQ(w->loadedProfile, 0);
    EXPECT_EQ(w->profileDisplayName, displayNameOf(53));
}

TEST(ProfileLoadEdges, AShortFileAppliesTheLinesItHas)
{
    ScopedConfigHome home;
    // Profile 1 whole, then profile 2's comment and size line only.
    TestProgramFolder folder(testProfilesText(1) + "# profile 2\n176x144 320x240\n");
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    clickProfile(w.w(), 2);
    EXPECT_EQ(comboModel(w->cb_size).items, QStringList({"176x144", "320x240", orgS}));
    EXPECT_EQ(w.w().profileVideoRates, ratesOf(1));
    EXPECT_EQ(w->jobRecord.profileOpts, QStringLiteral("-opts 1"));
    EXPECT_EQ(w->loadedProfile, 2);
    EXPECT_TRUE(w.recorder.calls.isEmpty());

    // A profile the file does not reach at all keeps everything.
    clickProfile(w.w(), 6);
    EXPECT_EQ(comboModel(w->cb_size).items, QStringList({"176x144", "320x240", orgS}));
    EXPECT_EQ(w->loadedProfile, 6);
}

TEST(ProfileLoadEdges, AStarWithTwoSizesIsNotTheNoVideoCase)
{
    ScopedConfigHome home;
    TestProgramFolder folder(testProfilesText(132, [](int n) {
        TestProfileLines l = defaultTestLines(n);
        if (n == 27)
            l = {"320x240 640x480", "*", "-opts 27"};
        return l;
    }));
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    clickProfile(w.w(), 27);
    expectBox(w->cb_size, {{"320x240", "640x480"}, 0, true}, "size");
    expectBox(w->cb_videobitrate, {plus(rates5, {orgV}), 2, true}, "video");
    EXPECT_EQ(w.w().profileVideoRates, ratesOf(1));
    EXPECT_EQ(w->jobRecord.profileOpts, QStringLiteral("-opts 27"));
}

TEST(ProfileLoadEdges, TheLastProfileReadsTheLastFourLines)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    clickProfile(w.w(), 132);
    EXPECT_EQ(w->jobRecord.profileOpts, QStringLiteral("-opts 132"));
    EXPECT_EQ(w.w().profileVideoRates, ratesOf(132));
    // No display name: the name of the profile before stays.
    EXPECT_EQ(w->profileDisplayName, displayNameOf(1));
}
