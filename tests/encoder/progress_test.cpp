// FFmpeg's console turned into the converter's lines.
#include "encoder/progress.h"
#include "encoder_support.h"

#include <gtest/gtest.h>

using namespace encoder;

TEST(ProgressRecord, ClockTimeBecomesSeconds)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"frame=  500 fps= 60 q=2.0 size=     900kB time=00:00:45.12 bitrate= 163.4kbits/s speed=2x    ",
         "frame=  500 fps= 60 q=2.0 size=     900kB time=45.12 bitrate= 163.4kbits/s speed=2x    "},
        {"size=     470kB time=00:00:20.01 bitrate= 192.5kbits/s speed= 105x    ",
         "size=     470kB time=20.01 bitrate= 192.5kbits/s speed= 105x    "},
        {"frame=1 time=01:02:03.45 bitrate=1.0kbits/s", "frame=1 time=3723.45 bitrate=1.0kbits/s"},
        {"frame=1 time=123:00:00.00 bitrate=1", "frame=1 time=442800.00 bitrate=1"},
        {"frame=1 time=-00:00:00.04 bitrate=N/A", "frame=1 time=-0.04 bitrate=N/A"},
        {"frame=0 time=N/A bitrate=N/A", "frame=0 time=N/A bitrate=N/A"},
        {"time=45.12 bitrate= 1", "time=45.12 bitrate= 1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rewriteProgressRecord(c.in), c.out) << c.in;
    EXPECT_EQ(encodedSeconds(QByteArray::fromStdString(rewriteProgressRecord(cases[0].in))), 45);
}

TEST(ProgressRecord, LineEnds)
{
    EXPECT_EQ(outputLine({"frame=1 time=00:00:01.00 bitrate=1", LineEnd::CR}),
              "frame=1 time=1.00 bitrate=1\r");
    EXPECT_EQ(outputLine({"frame=9 Lsize=1kB time=00:00:02.00 bitrate=1", LineEnd::LF}),
              "frame=9 Lsize=1kB time=2.00 bitrate=1\r\n");
    EXPECT_EQ(outputLine({"Stream mapping:", LineEnd::LF}), "Stream mapping:\r\n");
    EXPECT_EQ(outputLine({"Conversion failed!", LineEnd::None}), "Conversion failed!\r\n");
    EXPECT_FALSE(isProgressRecord("    creation_time   : 2024-01-01T00:00:00.000000Z"));
    EXPECT_FALSE(isProgressRecord("bitrate= before time=1.0"));
}

TEST(LineSplitter, CutsAtCrLfAndCrLfAcrossChunks)
{
    LineSplitter splitter;
    std::vector<ConsoleLine> lines;
    for (const char *chunk : {"one\ntw", "o\r", "\nthree\r", "four\r\r\nfi", "ve"}) {
        auto more = splitter.feed(chunk);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    const auto rest = splitter.finish();
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->text, "five");
    EXPECT_EQ(rest->end, LineEnd::None);
    ASSERT_EQ(lines.size(), 5u);
    const std::pair<const char *, LineEnd> expected[] = {{"one", LineEnd::LF},
                                                         {"two", LineEnd::CR},
                                                         {"three", LineEnd::CR},
                                                         {"four", LineEnd::CR},
                                                         {"", LineEnd::CR}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].first) << i;
        EXPECT_EQ(lines[i].end, expected[i].second) << i;
    }
    EXPECT_FALSE(splitter.finish());
}

TEST(LineSplitter, RecordIsPassedOnWithoutWaitingForTheNextChunk)
{
    LineSplitter splitter;
    const auto lines = splitter.feed("frame=1 time=00:00:01.00 bitrate=1\r");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(outputLine(lines[0]), "frame=1 time=1.00 bitrate=1\r");
}
