#include "config/qualitymemory.h"

#include "common/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Four = std::array<int, 4>;

} // namespace

TEST(QualityMemoryTable, KeysAndDefaultsPerProfileAndMode)
{
    struct Case {
        int profile;
        bool hasEntry, saved, allFour;
        Four file, dvd; // -1 where the profile has no key
    } cases[] = {
        {1, true, true, true, {0, 5, 5, 1}, {0, 2, 2, 1}},
        {2, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {3, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {4, true, true, true, {5, 5, 5, 1}, {2, 2, 2, 1}},
        {6, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {7, true, true, true, {1, 5, 5, 1}, {1, 2, 2, 1}},
        {9, true, true, true, {2, 5, 5, 1}, {2, 2, 2, 1}},
        {13, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {14, true, true, true, {1, 5, 5, 1}, {1, 2, 2, 1}},
        {15, true, true, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {17, true, true, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {25, true, true, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {27, true, true, true, {0, 2, 2, 1}, {0, 2, 2, 1}},
        {33, true, false, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {40, true, false, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {45, true, false, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {53, true, true, true, {0, 2, 2, 1}, {0, 2, 2, 1}},
        {55, true, true, true, {2, 2, 2, 1}, {2, 2, 2, 1}},
        {58, true, true, true, {2, 2, 2, 1}, {2, 2, 2, 1}},
        {59, true, false, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {66, true, true, true, {2, 2, 2, 1}, {2, 2, 2, 1}},
        {69, true, true, true, {1, 2, 2, 1}, {1, 2, 2, 1}},
        {71, true, true, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {77, true, true, true, {1, 2, 2, 1}, {1, 2, 2, 1}},
        {80, true, true, false, {-1, -1, 2, 1}, {-1, -1, 2, 1}},
        {85, true, true, true, {1, 2, 2, 1}, {1, 2, 2, 1}},
        {89, true, true, true, {1, 2, 2, 1}, {1, 2, 2, 1}},
        {97, true, true, true, {2, 2, 2, 1}, {2, 2, 2, 1}},
        {100, true, true, true, {4, 2, 2, 1}, {4, 2, 2, 1}},
        {108, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {110, true, true, true, {5, 5, 5, 1}, {2, 2, 2, 1}},
        {111, true, true, true, {2, 5, 5, 1}, {2, 2, 2, 1}},
        {113, true, true, true, {0, 5, 5, 1}, {0, 2, 2, 1}},
        {116, true, true, true, {0, 2, 2, 1}, {0, 2, 2, 1}},
        {118, true, true, true, {5, 2, 2, 1}, {2, 2, 2, 1}},
        {123, true, true, true, {5, 2, 2, 1}, {2, 2, 2, 1}},
        {125, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        {130, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
        // 131 is remembered like its siblings.
        {131, true, true, true, {4, 5, 5, 1}, {4, 2, 2, 1}},
    };
    for (const Case &c : cases) {
        for (const RunMode mode : {RunMode::File, RunMode::Dvd}) {
            const QualityDefaults d = qualityDefaults(c.profile, mode);
            const Four &expected = mode == RunMode::File ? c.file : c.dvd;
            EXPECT_EQ(d.hasEntry, c.hasEntry) << c.profile;
            EXPECT_EQ(d.saved, c.saved) << c.profile;
            for (int box = 0; box < qualityBoxCount; ++box) {
                EXPECT_EQ(d.hasKey[box], c.allFour || box >= AudioRateBox)
                    << c.profile << " " << box;
                EXPECT_EQ(d.index[box], expected[box]) << c.profile << " " << box;
            }
        }
    }
}

TEST(QualityMemoryTable, NumbersWithoutAnEntry)
{
    const std::vector<int> none = {-1, 0,   26,  52,  67,  74,  82,  90,
                                   98, 101, 109, 117, 124, 132, 133, 1000};
    for (int n = -1; n <= 133; ++n) {
        const bool expectNone = std::find(none.begin(), none.end(), n) != none.end();
        EXPECT_EQ(qualityDefaults(n, RunMode::File).hasEntry, !expectNone) << n;
        EXPECT_EQ(qualityDefaults(n, RunMode::Dvd).hasEntry, !expectNone) << n;
    }
    EXPECT_FALSE(qualityDefaults(1000, RunMode::File).hasEntry);
    // The rows are ordered and do not overlap.
    int last = 0;
    for (const QualityMemoryRow &row : qualityMemoryTable()) {
        EXPECT_GT(row.first, last);
        EXPECT_LE(row.first, row.last);
        last = row.last;
    }
}

TEST(QualityMemoryFile, WritesOnlyTheKeysOfSavedProfiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pro clipforge.ini"));
    IniFile file(path);

    writeQualityChoices(file, 1, {3, -1, 5, 0});
    writeQualityChoices(file, 17, {9, 9, 4, 1});
    for (const int n : {33, 40, 45, 59, 0, 26, 132})
        writeQualityChoices(file, n, {1, 1, 1, 1});
    writeQualityChoices(file, 108, {2, 3, 4, 0});
    EXPECT_EQ(contents(path),
              QByteArray("[1]\nsize=3\nvideo bitrate=-1\naudio bitrate=5\nChannel=0\n"
                         "[17]\naudio bitrate=4\nChannel=1\n"
                         "[108]\nsize=2\nvideo bitrate=3\naudio bitrate=4\nChannel=0\n"));
}

TEST(QualityMemoryFile, ReadsTheRememberedOrTheModesDefault)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pro clipforge.ini"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    // 33 was edited by hand: it is read although never written.
    raw.write("[1]\nsize=3\nvideo bitrate=-1\nChannel=x\n[33]\naudio bitrate=0\n[26]\nsize=1\n");
    raw.close();
    const IniFile file(path);
    using Choices = std::array<std::optional<int>, 4>;
    struct Case {
        int n;
        RunMode mode;
        Choices expected;
    } cases[] = {
        {1, RunMode::File, {3, -1, 5, 1}},
        {1, RunMode::Dvd, {3, -1, 2, 1}},
        {2, RunMode::File, {4, 5, 5, 1}},
        {2, RunMode::Dvd, {4, 2, 2, 1}},
        {17, RunMode::File, {std::nullopt, std::nullopt, 2, 1}},
        {33, RunMode::Dvd, {std::nullopt, std::nullopt, 0, 1}},
        {26, RunMode::File, {}},
        {132, RunMode::File, {}},
        {0, RunMode::File, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readQualityChoices(file, c.n, c.mode), c.expected) << c.n;
}
