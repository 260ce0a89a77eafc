#include "preview/previewrules.h"

#include <gtest/gtest.h>

TEST(PreviewRules, SecondsToTimeText)
{
    const struct {
        int64_t seconds;
        const char *text;
    } cases[] = {
        {0, "00:00:00"},     {59, "00:00:59"},    {60, "00:01:00"},   {3599, "00:59:59"},
        {3725, "01:02:05"},  {86399, "23:59:59"}, {360000, "100:00:00"}, {-61, "-00:01:01"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(secondsToTimeText(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(PreviewRules, PositionsRoundToWholeSecondsTiesToEven)
{
    const struct {
        double position;
        int32_t seconds;
    } cases[] = {
        {0.0, 0}, {0.04, 0}, {0.5, 0}, {0.51, 1}, {1.0, 1}, {1.5, 2},
        {2.5, 2}, {10.6, 11}, {-0.4, 0}, {1e300, INT32_MAX},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundPosition(c.position), c.seconds) << c.position;
}

TEST(PreviewRules, ElapsedTimeCountsFromTheStartOffset)
{
    const struct {
        double position;
        int32_t offset;
        int32_t elapsed;
    } cases[] = {
        {0.04, 0, 0}, {1.0, 0, 1}, {10.6, 11, 0}, {12.4, 11, 1}, {13.5, 11, 3}, {0.0, 11, -11},
    };
    for (const auto &c : cases)
        EXPECT_EQ(elapsedSeconds(c.position, c.offset), c.elapsed) << c.position << " " << c.offset;
}

TEST(PreviewRules, EndIsReachedWhenElapsedMeetsTheDuration)
{
    const struct {
        int32_t duration;
        int32_t elapsed;
        bool ended;
    } cases[] = {
        {90, 89, false}, {90, 90, true}, {90, 91, true}, {0, 0, true}, {2, -11, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(previewEndReached(c.duration, c.elapsed), c.ended) << c.duration << " " << c.elapsed;
}

TEST(PreviewRules, PlayBarPositionIsElapsedInTenThousandthsOfTheDuration)
{
    const struct {
        int32_t elapsed;
        int32_t duration;
        int32_t position;
    } cases[] = {
        {45, 90, 5000},  {90, 90, 10000}, {0, 90, 0},     {1, 3, 3333}, {2, 3, 6667},
        {1, 8, 1250},    {1, 16, 625},    {1, 32, 313}, // 312.5 rounds away from zero
        {120, 90, 10000}, {-5, 90, 0},    {10, 0, 0},     {10, -1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(playBarPositionFor(c.elapsed, c.duration), c.position)
            << c.elapsed << " of " << c.duration;
}

TEST(PreviewRules, SeekTargetOfAReleasedBar)
{
    const struct {
        int32_t bar;
        int32_t duration;
        int32_t offset;
        int32_t target;
    } cases[] = {
        {2500, 90, 1, 24}, // 22.5 rounds to 23, plus the offset
        {0, 90, 1, 1},     {10000, 90, 0, 90}, {5000, 7, 0, 4}, {5000, 6, 11, 14},
    };
    for (const auto &c : cases)
        EXPECT_EQ(seekPositionFor(c.bar, c.duration, c.offset), c.target)
            << c.bar << " " << c.duration << " " << c.offset;
}
