#include "engine/estimate.h"

#include <gtest/gtest.h>

TEST(OutputSize, FormatsMegabytesWithTwoDecimalsAfterFiveSignificantDigits)
{
    struct Case {
        qint64 kbps;
        qint64 seconds;
        const char *text;
    } cases[] = {
        {991, 90, "10.63MB"},
        {1393, 3600, "597.81MB"},
        {0, 3600, "0.00MB"},
        {991, 0, "0.00MB"},
        {1, 1, "0.00MB"},
        // 1234.567 MB shows as 1234.6 with two decimals.
        {1, 10356330, "1234.60MB"},
        // A source of 100000 kb/s for ten hours: far beyond 32 bits, and
        // beyond five digits, so shown in full.
        {100000, 36000, "429153.44MB"},
        {2000000, 86400, "20599365.23MB"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatOutputSize(c.kbps, c.seconds), QString::fromLatin1(c.text))
            << c.kbps << " kb/s, " << c.seconds << " s";
}

// A row's "Output Size": the estimated total rate over the row's duration.
TEST(OutputSize, RowTextIsTheEstimateOverTheDuration)
{
    QualityChoices choices;
    choices.profile = 112; // Video CD: 1393 kb/s
    Toriginalinfo record;
    record.durationText = QStringLiteral("00:01:30");
    EXPECT_EQ(outputSizeText(choices, record), formatOutputSize(1393, 90));
    record.durationText.clear();
    EXPECT_EQ(outputSizeText(choices, record), QStringLiteral("0.00MB"));
}
