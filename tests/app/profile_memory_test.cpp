#include "app/main_fixture.h"
#include "app/profile_support.h"
#include "common/files.h"
#include "config/ini.h"

#include <gtest/gtest.h>

namespace {

std::array<int, 4> selections(const Tfm_main &w)
{
    return {w.cb_size->currentIndex(), w.cb_videobitrate->currentIndex(),
            w.cb_audiobitrate->currentIndex(), w.cb_channel->currentIndex()};
}

} // namespace

struct SwitchCase {
    const char *edition;
    std::array<int, 4> profile2Defaults;
};

class QualityMemorySwitch : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(QualityMemorySwitch, SavesTheOldProfileAndRestoresTheNew)
{
    const SwitchCase &c = GetParam();
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QString::fromLatin1(c.edition), folder.path());
    EXPECT_EQ(w->qualityMemoryPath, home.folder() + QStringLiteral("pro ") +
                                        QString::fromLatin1(c.edition) + QStringLiteral(".ini"));
    // Nothing is written by the first load after start.
    EXPECT_FALSE(QFile::exists(w->qualityMemoryPath));

    w->cb_size->setCurrentIndex(2);
    w->cb_videobitrate->setCurrentIndex(1);
    w->cb_audiobitrate->setCurrentIndex(3);
    w->cb_channel->setCurrentIndex(0);
    clickProfile(w.w(), 2);
    EXPECT_EQ(contents(w->qualityMemoryPath),
              QByteArray("[1]\nsize=2\nvideo bitrate=1\naudio bitrate=3\nChannel=0\n"));
    EXPECT_EQ(selections(w.w()), c.profile2Defaults);

    // Going back brings profile 1's choices back.
    clickProfile(w.w(), 1);
    EXPECT_EQ(selections(w.w()), (std::array<int, 4>{2, 1, 3, 0}));
    const IniFile memory(w->qualityMemoryPath);
    EXPECT_EQ(memory.readInteger(QStringLiteral("2"), QStringLiteral("size"), -9),
              c.profile2Defaults[0]);
    EXPECT_TRUE(w.recorder.calls.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Modes, QualityMemorySwitch,
                         ::testing::Values(SwitchCase{"clipforge", {4, 5, 5, 1}},
                                           SwitchCase{"clipforge-dvd", {4, 2, 2, 1}}),
                         [](const auto &info) { return info.index == 0 ? "File" : "Dvd"; });

TEST(QualityMemory, WhichProfilesAreWritten)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    // Audio-only profiles write two keys; the bottom images 33, 40, 45, 59
    // and numbers without an entry write nothing; 108 its own section.
    for (const int n : {17, 33, 40, 45, 59, 26, 132, 108, 1})
        clickProfile(w.w(), n);
    const IniFile memory(w->qualityMemoryPath);
    const QByteArray text = contents(w->qualityMemoryPath);
    EXPECT_EQ(text, QByteArray("[1]\nsize=0\nvideo bitrate=5\naudio bitrate=5\nChannel=1\n"
                               "[17]\naudio bitrate=2\nChannel=1\n"
                               "[108]\nsize=4\nvideo bitrate=5\naudio bitrate=5\nChannel=1\n"));
}

TEST(QualityMemory, NoSelectionRoundTripsAsMinusOne)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    w->cb_size->setCurrentIndex(-1);
    w->cb_audiobitrate->setCurrentIndex(4);
    clickProfile(w.w(), 7);
    EXPECT_EQ(
        IniFile(w->qualityMemoryPath).readInteger(QStringLiteral("1"), QStringLiteral("size"), 0),
        -1);
    clickProfile(w.w(), 1);
    EXPECT_EQ(w->cb_size->currentIndex(), -1);
    EXPECT_EQ(w->cb_audiobitrate->currentIndex(), 4);
}

TEST(QualityMemory, StoredIndexesBeyondTheItemsLeaveNoSelection)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    {
        // Remembered choices from an earlier run, one of them out of range.
        QDir().mkpath(home.folder());
        IniFile memory(home.folder() + QStringLiteral("pro clipforge.ini"));
        memory.writeInteger(QStringLiteral("1"), QStringLiteral("size"), 40);
        memory.writeString(QStringLiteral("1"), QStringLiteral("video bitrate"),
                           QStringLiteral("0x3"));
        memory.writeString(QStringLiteral("1"), QStringLiteral("audio bitrate"),
                           QStringLiteral("high"));
        memory.writeInteger(QStringLiteral("1"), QStringLiteral("Channel"), 0);
    }
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    EXPECT_EQ(selections(w.w()), (std::array<int, 4>{-1, 3, 5, 0}));
}

TEST(QualityMemory, AProfileWithoutAnEntryKeepsTheBoxes)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    w->cb_videobitrate->setCurrentIndex(3);
    // 109 has no entry: its sizes are filled and nothing is selected there;
    // the rate boxes keep what they had.
    clickProfile(w.w(), 109);
    EXPECT_EQ(selections(w.w()), (std::array<int, 4>{-1, 3, 5, 1}));
}

TEST(QualityMemory, AnUnwritableMemoryIsReportedAndTheLoadGoesOn)
{
    ScopedConfigHome home;
    TestProgramFolder folder;
    MainWindow w(QStringLiteral("clipforge"), folder.path());
    // The memory file's place becomes a folder: it cannot be replaced.
    QDir().mkpath(w->qualityMemoryPath);
    clickProfile(w.w(), 2);
    EXPECT_EQ(w.recorder.texts(QStringLiteral("error")),
              QStringList(QStringLiteral("Unable to write to ") + w->qualityMemoryPath));
    EXPECT_EQ(w->loadedProfile, 2);
    EXPECT_EQ(w->jobRecord.profileOpts, QStringLiteral("-opts 2"));
    EXPECT_EQ(selections(w.w()), (std::array<int, 4>{4, 5, 5, 1}));
}
