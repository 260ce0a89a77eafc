// The definition file "profiles.pop" in the program folder, read with the
// program's own reader and list rule.
#include "common/media.h"
#include "config/qualitymemory.h"
#include "engine/jobrecord.h"
#include "engine/options.h"
#include "profiledata/loaded_profile.h"
#include "profiledata/profile_facts.h"
#include "profiles/catalogue.h"
#include "profiles/profiledef.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString popPath() { return programFile(QStringLiteral("profiles.pop")); }

// Numbers without a profile of their own: no sizes, no video, no options.
// (The inert 13 and 14 carry names and repeat 6 and 7.)
bool ownsNoProfile(int n) { return !hasDisplayName(n); }

bool isAudioOnly(int n, const ProfileLines &lines)
{
    return lines.sizeLine.isEmpty() && lines.rateLine == QLatin1String("*") && !ownsNoProfile(n);
}

} // namespace

TEST(ProfileFile, FourLinesForEveryNumber)
{
    QFile file(popPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << popPath().toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith('\n'));
    EXPECT_EQ(bytes.count('\n'), 528);
    EXPECT_FALSE(bytes.contains('\r'));
    for (const char c : bytes)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int(c);

    for (int n = 1; n <= profileCount; ++n) {
        const ProfileLines lines = readProfileLines(popPath(), n);
        ASSERT_TRUE(lines.opened) << lines.error.toStdString();
        EXPECT_TRUE(lines.hasSizeLine && lines.hasRateLine && lines.hasOptionsLine) << n;
    }
}

// Every size line parses by the list rule without losing an item, every
// item is "WxH" with an optional label, and the sizes suit the codec.
TEST(ProfileFile, SizeLines)
{
    const QRegularExpression sizeItem(QStringLiteral("^([1-9][0-9]*)x([1-9][0-9]*)(\\([^ ()]+\\))?$"));
    int checked = 0;
    for (int n = 1; n <= profileCount; ++n) {
        SCOPED_TRACE(n);
        const ProfileLines lines = readProfileLines(popPath(), n);
        const QStringList items = splitProfileList(lines.sizeLine);
        EXPECT_EQ(items.join(QLatin1Char(' ')), lines.sizeLine) << "an item is lost by the list rule";
        const QString codec =
            lastValue(splitOptionWords(lines.optionsLine), {QStringLiteral("-c:v")});
        for (const QString &item : items) {
            const QRegularExpressionMatch m = sizeItem.match(item);
            ASSERT_TRUE(m.hasMatch()) << item.toStdString();
            const int width = m.captured(1).toInt();
            const int height = m.captured(2).toInt();
            if (codec == QLatin1String("h263")) {
                EXPECT_TRUE(item == QLatin1String("128x96") || item == QLatin1String("176x144") ||
                            item == QLatin1String("352x288"))
                    << item.toStdString();
            } else if (codec == QLatin1String("rv20")) {
                EXPECT_TRUE(width % 4 == 0 && height % 4 == 0) << item.toStdString();
            } else if (!codec.isEmpty()) {
                EXPECT_TRUE(width % 2 == 0 && height % 2 == 0) << item.toStdString();
            }
            ++checked;
        }
        if (ownsNoProfile(n) || isAudioOnly(n, lines))
            EXPECT_TRUE(items.isEmpty());
        else
            EXPECT_FALSE(items.isEmpty());
    }
    EXPECT_GT(checked, 300);
}

// Video rate lines: five rising whole numbers, or "*" for the profiles
// without video.
TEST(ProfileFile, RateLines)
{
    for (int n = 1; n <= profileCount; ++n) {
        SCOPED_TRACE(n);
        const ProfileLines lines = readProfileLines(popPath(), n);
        if (lines.rateLine == QLatin1String("*")) {
            EXPECT_TRUE(lines.sizeLine.isEmpty());
            EXPECT_TRUE(isListProfile(n) || ownsNoProfile(n));
            continue;
        }
        EXPECT_FALSE(ownsNoProfile(n));
        const QStringList rates = splitProfileList(lines.rateLine);
        ASSERT_EQ(rates.size(), 5) << lines.rateLine.toStdString();
        EXPECT_EQ(rates.join(QLatin1Char(' ')), lines.rateLine);
        int previous = 0;
        for (const QString &rate : rates) {
            bool ok = false;
            const int value = rate.toInt(&ok);
            EXPECT_TRUE(ok && value > 0 && value >= previous) << rate.toStdString();
            previous = value;
        }
    }
}

// Options lines: audio profiles drop the video, the numbers without a
// profile have none, the inert copies repeat their originals.
TEST(ProfileFile, OptionLines)
{
    for (int n = 1; n <= profileCount; ++n) {
        SCOPED_TRACE(n);
        const ProfileLines lines = readProfileLines(popPath(), n);
        const QStringList words = splitOptionWords(lines.optionsLine);
        if (ownsNoProfile(n)) {
            EXPECT_TRUE(lines.optionsLine.isEmpty());
            continue;
        }
        EXPECT_EQ(words.join(QLatin1Char(' ')), lines.optionsLine);
        EXPECT_EQ(words.contains(QStringLiteral("-vn")), isAudioOnly(n, lines));
        if (isDiscProfile(n)) {
            EXPECT_TRUE(discTarget(lastValue(words, {QStringLiteral("-target")}), nullptr));
            continue;
        }
        EXPECT_FALSE(lastValue(words, {QStringLiteral("-c:a")}).isEmpty());
        if (!isAudioOnly(n, lines)) {
            EXPECT_FALSE(lastValue(words, {QStringLiteral("-c:v")}).isEmpty());
        }
    }
    struct Copy {
        int copy, original;
    } copies[] = {{13, 6}, {14, 7}};
    for (const Copy &c : copies) {
        const ProfileLines copy = readProfileLines(popPath(), c.copy);
        const ProfileLines original = readProfileLines(popPath(), c.original);
        EXPECT_EQ(copy.sizeLine, original.sizeLine) << c.copy;
        EXPECT_EQ(copy.rateLine, original.rateLine) << c.copy;
        EXPECT_EQ(copy.optionsLine, original.optionsLine) << c.copy;
    }
}

// A first start selects a real size (not the original-size item, not
// nothing) for every profile that has sizes, and every remembered index of
// the quality boxes exists.
TEST(ProfileFile, DefaultsSelectRealItems)
{
    int profiles = 0;
    for (int n = 1; n <= profileCount; ++n) {
        SCOPED_TRACE(n);
        const QualityDefaults defaults = qualityDefaults(n, RunMode::File);
        if (!defaults.hasEntry)
            continue;
        const LoadedProfile p = loadProfileForTest(popPath(), n);
        const QualityChoices c = choicesOf(p);
        if (p.noVideo()) {
            EXPECT_EQ(c.size.text, QStringLiteral("No Video"));
        } else {
            EXPECT_GE(c.size.index, 0);
            EXPECT_FALSE(c.size.original);
            EXPECT_FALSE(c.size.text.isEmpty());
            ++profiles;
        }
        EXPECT_GE(c.channel.index, 0);
        // A default of the sixth video or audio item selects the original
        // item; ".mp4" profiles offer none, and those boxes stay empty.
        const bool sixthItem = !isListProfile(n) && !isDiscProfile(n) &&
                               profileExtension(p.displayName) != QLatin1String(".mp4");
        EXPECT_EQ(c.audio.index >= 0, sixthItem || defaults.index[AudioRateBox] < 5);
        if (!p.noVideo()) {
            EXPECT_EQ(c.video.index >= 0, sixthItem || defaults.index[VideoRateBox] < 5);
        }
    }
    EXPECT_GT(profiles, 90);
}

// The readable table in data/ is what the file says.
TEST(ProfileTable, MatchesTheFile)
{
    const QString table = profilesTable(popPath());
    const QString path = QStringLiteral(TEST_SOURCE_DIR "../data/PROFILES.md");
    if (qEnvironmentVariableIntValue("CLIPFORGE_UPDATE_PROFILES_MD") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(table.toUtf8());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString committed = QString::fromUtf8(file.readAll());
    if (committed != table) {
        QFile fresh(QStringLiteral(TEST_BINARY_DIR "PROFILES.md"));
        if (fresh.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fresh.write(table.toUtf8());
    }
    EXPECT_TRUE(committed == table)
        << "data/PROFILES.md differs from profiles.pop; the table made from the file is in "
        << TEST_BINARY_DIR "PROFILES.md";
}
