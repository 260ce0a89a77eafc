#include "sources/tasklist.h"

#include <gtest/gtest.h>

TEST(TaskList, FillsMissingRatesAfterAProbe)
{
    struct Case {
        ProbeValues in;
        const char *video;
        const char *audio;
        const char *frameSize;
    } cases[] = {
        {{"00:01:30", "1205", "1077", "128", "320x240"}, "1077", "128", "320x240"},
        {{"00:01:30", "1000", "", "128", "640x480"}, "872", "128", "640x480"},
        {{"00:01:30", "1000", "900", "", "640x480"}, "900", "100", "640x480"},
        {{"00:01:30", "1000", "1000", "", "640x480"}, "1000", "128", "640x480"},
        {{"00:01:30", "1000", "", "", ""}, "1000", "128", "320x240"},
        {{"00:01:30", "1000", "1200", "", "1x1"}, "1200", "-200", "1x1"},
        // A rate that cannot be subtracted: the record falls back.
        {{"00:01:30", "1000", "", "12a", "1x1"}, "768", "128", "1x1"},
    };
    for (Case &c : cases) {
        ProbeValues values = c.in;
        fillMissingRates(values);
        const Toriginalinfo record = sourceRecordFor(QStringLiteral("/v/clip.one.avi"), values);
        EXPECT_EQ(record.videoRate, QString::fromLatin1(c.video)) << c.in.videoRate.toStdString();
        EXPECT_EQ(record.audioRate, QString::fromLatin1(c.audio)) << c.in.audioRate.toStdString();
        EXPECT_EQ(record.frameSize, QString::fromLatin1(c.frameSize));
        EXPECT_EQ(record.durationText, QStringLiteral("00:01:30"));
        EXPECT_EQ(record.sourcePath, QStringLiteral("/v/clip.one.avi"));
    }
}

TEST(TaskList, FolderScanExtensions)
{
    struct Case {
        const char *name;
        bool taken;
    } cases[] = {{"A.AVI", true},   {"b.Mkv", false},   {"c.txt", false}, {"d.rmvb", true},
                 {"e.tar.mpg", true}, {"noext", false}, {".asx", true},   {"f.mov", false},
                 {"g.QT", true}};
    for (const Case &c : cases)
        EXPECT_EQ(isFolderScanEntry(QString::fromLatin1(c.name)), c.taken) << c.name;
}

TEST(TaskList, AddFilesFiltersKeepLabelsAndPatterns)
{
    const QStringList filters = addFilesFilters();
    ASSERT_EQ(filters.size(), 12);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("All Support Format (*.avi *.mpg *.mpeg")));
    EXPECT_EQ(filters[3], QStringLiteral("AVI Format(*.avi;) (*.avi)"));
    EXPECT_EQ(filters[6], QStringLiteral("MP4 Format(*.mp4;*.m4v;*.m4a) (*.mp4 *.m4v *m4a)"));
    EXPECT_EQ(filters[11], QStringLiteral("All File(*.*) (*)"));
}

TEST(TaskList, RemovingRowsOneAndThreeOfFive)
{
    TOriginalInfos records(5);
    for (int i = 0; i < 5; ++i)
        records[i].sourcePath = QString::number(i);
    QVector<bool> selected = {false, true, false, true, false};
    const RowRemoval removal = removeSelectedRows(records, selected);
    EXPECT_EQ(removal.deletedAt, (QVector<int>{1, 2}));
    EXPECT_EQ(removal.selectAfter, 2);
    EXPECT_EQ(selected.size(), 3);
    EXPECT_EQ(records.size(), 5); // the array keeps its length
    EXPECT_EQ(records[0].sourcePath, QStringLiteral("0"));
    EXPECT_EQ(records[1].sourcePath, QStringLiteral("2"));
    EXPECT_EQ(records[2].sourcePath, QStringLiteral("4"));
}

TEST(TaskList, RemovingTheLastRowOrEveryRow)
{
    TOriginalInfos records(3);
    QVector<bool> last = {false, false, true};
    EXPECT_EQ(removeSelectedRows(records, last).selectAfter, 1);
    QVector<bool> all = {true, true};
    TOriginalInfos two(2);
    const RowRemoval removal = removeSelectedRows(two, all);
    EXPECT_EQ(removal.deletedAt, (QVector<int>{0, 0}));
    EXPECT_EQ(removal.selectAfter, -1);
}
