#include "profiles/catalogue.h"
#include "profiles/picker.h"

#include <gtest/gtest.h>

using namespace picker;

TEST(PickerRules, PanelsHoldTheirButtonsTopToBottom)
{
    struct Case {
        Panel panel;
        const char *name;
        std::vector<int> buttons;
    } cases[] = {
        {Panel::pl_video1, "pl_video1", {1, 2, 3, 4, 5, 6, 7}},
        {Panel::pl_video2, "pl_video2", {8, 9, 10, 11, 12, 13, 14}},
        {Panel::pl_audio1, "pl_audio1", {15, 16, 17, 18, 19, 20, 21}},
        {Panel::pl_audio2, "pl_audio2", {22, 23, 24, 25, 26}},
        {Panel::pl_gphone, "pl_gphone", {41, 42, 43, 44, 45}},
        {Panel::pl_xbox, "pl_xbox", {60, 61, 62, 63, 64, 65, 66, 67}},
        {Panel::pl_animation, "pl_animation", {99, 100, 101}},
        {Panel::pl_mp4, "pl_mp4", {118, 119, 120, 121, 122, 123, 124}},
        {Panel::pl_mkv, "pl_mkv", {125, 126, 128, 127, 129, 130, 131, 132}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(panelName(c.panel), QString::fromLatin1(c.name));
        EXPECT_EQ(panelButtons(c.panel), c.buttons) << c.name;
        for (int n : c.buttons)
            EXPECT_EQ(catalogueEntry(n)->panel, c.panel) << n;
    }
    // Every number 1 to 132 sits on exactly one panel, at its catalogue panel.
    std::vector<int> seen(profileCount + 1, 0);
    for (int i = 0; i < 19; ++i)
        for (int n : panelButtons(static_cast<Panel>(i)))
            ++seen[static_cast<size_t>(n)];
    for (int n = 1; n <= profileCount; ++n)
        EXPECT_EQ(seen[static_cast<size_t>(n)], 1) << n;
}

TEST(PickerRules, ButtonPlaces)
{
    struct Case {
        int n;
        QRect rect;
        int singleTop;
    } cases[] = {
        {1, {0, 0, 310, 53}, -1},      {2, {0, 53, 310, 48}, 52},
        {7, {0, 293, 310, 48}, 292},   // above the page strip
        {21, {0, 293, 310, 47}, 292},  // above the taller audio strip
        {26, {0, 197, 310, 143}, 196}, // the last image fills what is left
        {33, {0, 293, 310, 65}, 292},  {45, {0, 197, 310, 161}, 196},
        {67, {0, 341, 310, 17}, 340},  {101, {0, 101, 310, 257}, 100},
        {102, {0, 0, 311, 53}, -1},    {128, {0, 101, 311, 48}, 100},
        {132, {0, 341, 311, 17}, 340},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(buttonRect(c.n), c.rect) << c.n;
        EXPECT_EQ(singlePanelTop(c.n), c.singleTop) << c.n;
    }
    EXPECT_TRUE(buttonRect(0).isNull());
    EXPECT_TRUE(buttonRect(133).isNull());
    // The single-panel tops from the top button down.
    std::vector<int> tops;
    for (int n : panelButtons(Panel::pl_ipod))
        tops.push_back(singlePanelTop(n));
    EXPECT_EQ(tops, (std::vector<int>{-1, 52, 100, 148, 196, 244, 292}));
}

TEST(PickerRules, PageStripsAndCategoryColumn)
{
    struct Case {
        Panel panel;
        const char *blank;
        const char *turn;
        QRect turnRect;
    } cases[] = {
        {Panel::pl_video1, "btim_next", "Image94", {239, 341, 71, 17}},
        {Panel::pl_video2, "btim_pre", "Image93", {239, 341, 71, 17}},
        {Panel::pl_audio1, "Image1", "Image2", {239, 340, 71, 18}},
        {Panel::pl_audio2, "Image4", "Image5", {239, 340, 71, 18}},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(hasPageStrip(c.panel));
        EXPECT_EQ(stripName(c.panel, StripPart::Blank), QString::fromLatin1(c.blank));
        EXPECT_EQ(stripName(c.panel, StripPart::Turn), QString::fromLatin1(c.turn));
        EXPECT_EQ(stripRect(c.panel, StripPart::Blank), QRect(0, 341, 240, 17));
        EXPECT_EQ(stripRect(c.panel, StripPart::Turn), c.turnRect);
    }
    EXPECT_FALSE(hasPageStrip(Panel::pl_ipod));

    EXPECT_EQ(categoryImageName(1), QStringLiteral("img_gvideo1"));
    EXPECT_EQ(categoryImageName(13), QStringLiteral("img_animation"));
    EXPECT_EQ(categoryImageName(14), QString());
    EXPECT_EQ(categoryRect(1), QRect(0, 0, 153, 27));
    EXPECT_EQ(categoryRect(2), QRect(0, 27, 153, 25));
    EXPECT_EQ(categoryRect(13), QRect(0, 302, 153, 25));
    EXPECT_EQ(blankCategoryRect(), QRect(0, 327, 153, 31));
}

TEST(PickerRules, CategoriesShowTheirPanels)
{
    struct Case {
        int c;
        bool videoFirst, audioFirst;
        Panel panel;
    } cases[] = {
        {1, true, true, Panel::pl_video1},     {1, false, true, Panel::pl_video2},
        {2, true, true, Panel::pl_audio1},     {2, true, false, Panel::pl_audio2},
        {3, true, true, Panel::pl_ipod},       {4, true, true, Panel::pl_iphone},
        {5, true, true, Panel::pl_gphone},     {6, true, true, Panel::pl_appletv},
        {7, true, true, Panel::pl_psp},        {8, true, true, Panel::pl_xbox},
        {9, true, true, Panel::pl_phone},      {10, true, true, Panel::pl_win},
        {11, true, true, Panel::pl_pmp},       {12, true, true, Panel::pl_hd},
        {13, false, false, Panel::pl_animation},
    };
    for (const Case &c : cases)
        EXPECT_EQ(categoryPanel(c.c, c.videoFirst, c.audioFirst), c.panel) << c.c;
    for (auto [n, c] : std::vector<std::pair<int, int>>{
             {1, 1}, {14, 1}, {131, 1}, {15, 2}, {26, 2}, {33, 3}, {98, 12}, {101, 13}, {0, -1}})
        EXPECT_EQ(categoryOfProfile(n), c) << n;
}

TEST(PickerRules, OpenPickerTable)
{
    struct Case {
        int n;
        bool shows;
        Panel panel;
        bool flyOut;
        Panel flyOutPanel;
        int category;
    } cases[] = {
        {1, true, Panel::pl_video1, false, {}, 1},     {7, true, Panel::pl_video1, false, {}, 1},
        {8, true, Panel::pl_video2, false, {}, 1},     {14, true, Panel::pl_video2, false, {}, 1},
        {15, true, Panel::pl_audio1, false, {}, 2},    {22, true, Panel::pl_audio2, false, {}, 2},
        {26, true, Panel::pl_audio2, false, {}, 2},    {27, true, Panel::pl_ipod, false, {}, 3},
        {39, true, Panel::pl_iphone, false, {}, 4},    {44, true, Panel::pl_gphone, false, {}, 5},
        {46, true, Panel::pl_appletv, false, {}, 6},   {58, true, Panel::pl_psp, false, {}, 7},
        {66, true, Panel::pl_xbox, false, {}, 8},      {68, true, Panel::pl_phone, false, {}, 9},
        {81, true, Panel::pl_win, false, {}, 10},      {83, true, Panel::pl_pmp, false, {}, 11},
        {97, true, Panel::pl_hd, false, {}, 12},       {100, true, Panel::pl_animation, false, {}, 13},
        {103, true, Panel::pl_video1, true, Panel::pl_avi, 1},
        {109, true, Panel::pl_video1, true, Panel::pl_avi, 1},
        {117, true, Panel::pl_video1, true, Panel::pl_mpeg, 1},
        {124, true, Panel::pl_video1, true, Panel::pl_mp4, 1},
        {131, true, Panel::pl_video1, true, Panel::pl_mkv, 1},
    };
    for (const Case &c : cases) {
        const PickerTarget t = pickerTarget(c.n);
        EXPECT_EQ(t.shows, c.shows) << c.n;
        EXPECT_EQ(t.panel, c.panel) << c.n;
        EXPECT_EQ(t.hasFlyOut, c.flyOut) << c.n;
        if (c.flyOut) {
            EXPECT_EQ(t.flyOut, c.flyOutPanel) << c.n;
        }
        EXPECT_EQ(t.category, c.category) << c.n;
    }
    for (int n : {-1, 0, 33, 40, 45, 52, 59, 67, 74, 82, 90, 98, 101, 132, 133, 500})
        EXPECT_FALSE(pickerTarget(n).shows) << n;
}

TEST(PickerRules, FamiliesAndPointing)
{
    struct Fold {
        int from, to;
    } folds[] = {{102, 2}, {109, 2}, {110, 3}, {117, 3}, {118, 4}, {124, 4}, {125, 5},
                 {131, 5}, {132, 132}, {101, 101}, {1, 1}, {-1, -1}, {0, 0}};
    for (const Fold &f : folds)
        EXPECT_EQ(foldToFamily(f.from), f.to) << f.from;

    ASSERT_NE(familyOfEntry(3), nullptr);
    EXPECT_EQ(familyOfEntry(3)->flyOut, Panel::pl_mpeg);
    EXPECT_EQ(familyOfEntry(5)->top, 125);
    EXPECT_EQ(familyOfEntry(6), nullptr);
    EXPECT_EQ(familyOfFlyOut(Panel::pl_mp4)->entry, 4);
    EXPECT_EQ(familyOfFlyOut(Panel::pl_video1), nullptr);

    struct Point {
        int n;
        Pointing pointing;
        bool clickable;
    } points[] = {
        {1, Pointing::Video1, true},      {2, Pointing::FamilyEntry, false},
        {5, Pointing::FamilyEntry, false}, {6, Pointing::Video1, true},
        {8, Pointing::Other, true},       {13, Pointing::None, false},
        {14, Pointing::None, false},      {26, Pointing::Other, true},
        {45, Pointing::Other, true},      {98, Pointing::None, false},
        {101, Pointing::None, false},     {103, Pointing::FlyOut, true},
        {109, Pointing::FlyOut, false},   {117, Pointing::None, false},
        {124, Pointing::FlyOut, false},   {131, Pointing::FlyOut, true},
        {132, Pointing::None, false},     {0, Pointing::None, false},
    };
    for (const Point &p : points) {
        EXPECT_EQ(pointingOf(p.n), p.pointing) << p.n;
        EXPECT_EQ(isClickable(p.n), p.clickable) << p.n;
    }
    // 126 buttons react to pointing: all but the six inert ones.
    int reacting = 0;
    for (int n = 1; n <= profileCount; ++n)
        reacting += pointingOf(n) != Pointing::None;
    EXPECT_EQ(reacting, 126);
}

TEST(PickerRules, EditionsAndDefaultProfiles)
{
    struct Case {
        const char *name;
        int order;
        Panel panel;
        bool single;
        bool hidesOnly;
        int defaultProfile;
    } cases[] = {
        {"clipforge-ipod-mp4", 1, Panel::pl_ipod, true, false, 118},
        {"clipforge-psp", 2, Panel::pl_psp, true, false, 53},
        {"My iPhone Converter", 3, Panel::pl_iphone, true, false, 36},
        {"clipforge-3gp", 4, Panel::pl_phone, true, false, 69},
        {"clipforge-gphone", 5, Panel::pl_gphone, true, false, 41},
        {"clipforge-mp3", 6, Panel::pl_audio1, true, false, 17},
        {"Audio Studio", 6, Panel::pl_audio1, true, false, 17},
        {"clipforge-avi", 7, Panel::pl_avi, false, false, 102},
        {"clipforge-mpeg", 8, Panel::pl_mpeg, false, false, 110},
        {"clipforge-mp4", 9, Panel::pl_mp4, false, false, 118},
        {"clipforge-mkv", 10, Panel::pl_mkv, false, false, 125},
        {"clipforge-wmv", 11, {}, false, true, 7},
        {"clipforge-rm", 12, {}, false, true, 6},
        {"clipforge-flv", 13, {}, false, true, 11},
        {"clipforge", 0, {}, false, false, 1},
        // Two words: the picker follows one search, the default the other.
        {"psp-avi", 2, Panel::pl_psp, true, false, 102},
        {"mpeg-mp3", 6, Panel::pl_audio1, true, false, 17},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        const PickerEdition e = pickerEdition(name);
        EXPECT_EQ(e.order, c.order) << c.name;
        if (c.order >= 1 && c.order <= 10) {
            EXPECT_EQ(e.panel, c.panel) << c.name;
        }
        EXPECT_EQ(e.singlePanelLayout, c.single) << c.name;
        EXPECT_EQ(e.hidesOnly, c.hidesOnly) << c.name;
        EXPECT_EQ(editionDefaultProfile(name), c.defaultProfile) << c.name;
    }
}
