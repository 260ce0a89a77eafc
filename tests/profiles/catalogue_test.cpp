#include "profiles/catalogue.h"
#include "profiles/profiledef.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Catalogue, NamesAndExtensions)
{
    struct Case {
        int n;
        const char16_t *name; // null: none
        const char *extension;
    } cases[] = {
        {1, u"ASF-Advanced Streaming Format(*.asf)", ".asf"},
        {27, u"iPod(320\u00d7240)MPEG-4 Codec(*.mp4)", ".mp4"},
        {53, u"PS3 Video(1080P)MPEG-4(*.MP4)", ".MP4"},
        {123, u"MP4 - H.264 Video Excellent(*.MP4)", ".MP4"},
        {71, u"BlackBerry AMR Audio(*.amr)", ".amr"},
        {26, nullptr, ""},
        {132, nullptr, ""},
    };
    for (const Case &c : cases) {
        const QString name = c.name ? QString::fromUtf16(c.name) : QString();
        EXPECT_EQ(displayNameOf(c.n), name) << c.n;
        EXPECT_EQ(hasDisplayName(c.n), c.name != nullptr) << c.n;
        EXPECT_EQ(profileExtension(displayNameOf(c.n)), QString::fromLatin1(c.extension)) << c.n;
    }
    EXPECT_EQ(catalogueEntry(0), nullptr);
    EXPECT_EQ(catalogueEntry(133), nullptr);
    EXPECT_EQ(catalogueEntry(131)->panel, Panel::pl_mkv);
    EXPECT_EQ(catalogueEntry(109)->kind, ButtonKind::BottomPointing);
    EXPECT_EQ(catalogueEntry(2)->kind, ButtonKind::Family);
    EXPECT_EQ(catalogueEntry(13)->kind, ButtonKind::Inert);
}

TEST(Catalogue, EditionDefaultsAndPickerEditions)
{
    struct Case {
        const char *name;
        int defaultProfile;
        int order;
    } cases[] = {
        {"clipforge", 1, 0},        {"Clipforge-PSP", 53, 2},  {"tool-ipod-mp4", 118, 1},
        {"clipforge-wmv", 7, 11},   {"clipforge-rm", 6, 12},   {"audio tool", 17, 6},
        {"clipforge-3gp", 69, 4},   {"clipforge-iphone", 36, 3}, {"clipforge-gphone", 41, 5},
        {"clipforge-avi", 102, 7},  {"clipforge-flv", 11, 13}, {"clipforge-mkv", 125, 10},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(editionDefaultProfile(QString::fromLatin1(c.name)), c.defaultProfile) << c.name;
        EXPECT_EQ(pickerEdition(QString::fromLatin1(c.name)).order, c.order) << c.name;
    }
    EXPECT_EQ(pickerEdition(QStringLiteral("tool-ipod-mp4")).panel, Panel::pl_ipod);
    EXPECT_TRUE(pickerEdition(QStringLiteral("x-mp3")).singlePanelLayout);
    EXPECT_FALSE(pickerEdition(QStringLiteral("x-mpeg")).singlePanelLayout);
    EXPECT_TRUE(pickerEdition(QStringLiteral("x-flv")).hidesOnly);
}

TEST(ProfileDefinition, ListRule)
{
    struct Case {
        const char *line;
        QStringList items;
    } cases[] = {
        {"320x240 640x480", {"320x240", "640x480"}},
        {"320x240  640x480", {"320x240"}},
        {" 320x240", {}},
        {"100 200 3", {"100", "200"}},
        {"*", {}},
        {"", {}},
        {"640x480(VGA) 1280x720(HD)", {"640x480(VGA)", "1280x720(HD)"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitProfileList(QString::fromLatin1(c.line)), c.items) << c.line;
}

TEST(ProfileDefinition, ReadsTheFourLinesOfAProfile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profiles.pop"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("one\r\n320x240\r\n*\r\n-c:a aac\r\ntwo\n640x480\n100 200\n-c:v mpeg4\nthree\n");
    file.close();

    const ProfileLines p2 = readProfileLines(path, 2);
    ASSERT_TRUE(p2.opened);
    EXPECT_EQ(p2.sizeLine, QStringLiteral("640x480"));
    EXPECT_EQ(p2.rateLine, QStringLiteral("100 200"));
    EXPECT_EQ(p2.optionsLine, QStringLiteral("-c:v mpeg4"));
    const ProfileLines p1 = readProfileLines(path, 1);
    EXPECT_EQ(p1.rateLine, QStringLiteral("*"));
    EXPECT_EQ(p1.optionsLine, QStringLiteral("-c:a aac"));
    // A file too short for profile 3: none of its lines are there.
    const ProfileLines p3 = readProfileLines(path, 3);
    EXPECT_TRUE(p3.opened);
    EXPECT_FALSE(p3.hasSizeLine || p3.hasRateLine || p3.hasOptionsLine);
    const ProfileLines missing = readProfileLines(dir.filePath(QStringLiteral("none.pop")), 1);
    EXPECT_FALSE(missing.opened);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("none.pop")));
}
