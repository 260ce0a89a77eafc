#include "engine/options.h"

#include "engine/jobrecord.h"
#include "profiles/catalogue.h"

#include <cmath>
#include <optional>

namespace {

// Audio bit rates in kb/s by quality index ("Higher quality" first).
constexpr std::array<int, 5> audioRateTable{320, 192, 128, 64, 32};
// AMR-NB modes in bit/s by quality index: 12.2, 10.2, 7.4, 5.9, 4.75 kb/s.
constexpr std::array<int, 5> amrRateTable{12200, 10200, 7400, 5900, 4750};

// Kilobits per second per line of frame height, in hundredths, by quality
// index. Hundredths keep the product exact, so that the rounding below sees
// the true half. The "normal" profiles 119 and 122 use the default row.
constexpr std::array<int, 5> defaultFactors{625, 416, 333, 213, 151};
constexpr std::array<int, 5> miniFactors{333, 213, 151, 106, 80};
constexpr std::array<int, 5> excellentFactors{1041, 833, 625, 416, 333};

const std::array<int, 5> &videoFactorRow(int profile)
{
    switch (profile) {
    case 118:
    case 121:
        return miniFactors;
    case 120:
    case 123:
        return excellentFactors;
    default:
        return defaultFactors;
    }
}

// The disc profiles: the total rate the size estimate assumes, in kb/s,
// and the end of their target option after the standard.
struct DiscProfile {
    int profile;
    qint64 totalRate;
    const char *target;
};
constexpr DiscProfile discProfiles[] = {
    {112, 1393, "-vcd "},
    {113, 1948, "-svcd "},
    {114, 3222, "-dvd "},
};

const DiscProfile *discProfile(int profile)
{
    for (const DiscProfile &disc : discProfiles)
        if (disc.profile == profile)
            return &disc;
    return nullptr;
}

bool validIndex(int index) { return index >= 0 && index < 5; }

// A whole number read from a text of decimal digits (an optional sign and
// surrounding blanks allowed); nothing for anything else.
std::optional<qint64> readInteger(const QString &text)
{
    return parseWholeNumber(text.trimmed());
}

// numerator / denominator taken to the nearest integer, a half to the even
// neighbour; denominator > 0.
qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        ++quotient;
    return quotient;
}

// The text after the first "x" of a size, up to a following "(" or the end.
QString heightText(const QString &size)
{
    const qsizetype x = size.indexOf(QLatin1Char('x'));
    if (x < 0)
        return QString();
    QString rest = size.mid(x + 1);
    const qsizetype paren = rest.indexOf(QLatin1Char('('));
    if (paren >= 0)
        rest.truncate(paren);
    return rest;
}

bool isAmrExtension(const QString &extension)
{
    return extension == QLatin1String(".3gp") || extension == QLatin1String(".amr");
}

// The AMR audio rate in bit/s. The AMR table has no entry for the
// original-quality item: the source is nearly always above AMR-NB's highest
// mode, so that mode is taken, as it is for a box without a selection.
int amrBits(const QualityChoices &choices)
{
    return validIndex(choices.audio.index) && !choices.audio.original
               ? amrRateTable[choices.audio.index]
               : amrRateTable[0];
}

bool noVideo(const QualityChoices &choices)
{
    return choices.videoRates[0] == QLatin1String("*");
}

// The video part in kb/s, or nothing when no rate can be formed from the
// choices (no selection, no usable height, a rate that is not a number).
std::optional<qint64> videoPart(const QualityChoices &choices, const Toriginalinfo &row)
{
    if (isListProfile(choices.profile)) {
        if (noVideo(choices))
            return std::nullopt;
        if (choices.video.original)
            return readInteger(row.videoRate);
        if (!validIndex(choices.video.index))
            return std::nullopt;
        return readInteger(choices.videoRates[choices.video.index]);
    }
    // Size-based profiles.
    if (choices.video.original)
        return readInteger(row.videoRate);
    if (!validIndex(choices.video.index))
        return std::nullopt;
    const std::optional<qint64> height = choices.size.original
                                             ? readInteger(heightText(row.frameSize))
                                             : readInteger(heightText(choices.size.text));
    if (!height)
        return std::nullopt;
    return roundHalfEven(*height * videoFactorRow(choices.profile)[choices.video.index], 100);
}

// The audio part in kb/s, or nothing when no audio quality is chosen.
std::optional<qint64> audioPart(const QualityChoices &choices, const Toriginalinfo &row)
{
    if (isAmrExtension(profileExtension(choices.displayName)))
        return roundHalfEven(amrBits(choices), 1000);
    if (choices.audio.original)
        return readInteger(row.audioRate);
    if (!validIndex(choices.audio.index))
        return std::nullopt;
    return audioRateTable[choices.audio.index];
}

} // namespace

QualityBox makeQualityBox(const QStringList &items, int index, bool enabled)
{
    QualityBox box;
    box.enabled = enabled;
    if (index >= 0 && index < items.size()) {
        box.index = index;
        box.text = items.at(index);
        box.original = box.text == originalSizeItem || box.text == originalVideoItem ||
                       box.text == originalAudioItem;
    }
    return box;
}

BitRateEstimate estimateBitRate(const QualityChoices &choices, const Toriginalinfo &row)
{
    BitRateEstimate estimate;
    if (const DiscProfile *disc = discProfile(choices.profile)) {
        estimate.total = disc->totalRate;
        return estimate;
    }
    // A negative rate (a stream rate above the probe's total) counts as none.
    estimate.video = qMax<qint64>(0, videoPart(choices, row).value_or(0));
    const qint64 audio = qMax<qint64>(0, audioPart(choices, row).value_or(0));
    estimate.total = estimate.video + audio;
    return estimate;
}

QString sizeOption(const QualityChoices &choices, const Toriginalinfo &row)
{
    if (!choices.size.enabled || isDiscProfile(choices.profile))
        return QString();
    QString size = choices.size.original ? row.frameSize : choices.size.text;
    if (!choices.size.original) {
        const qsizetype paren = size.indexOf(QLatin1Char('('));
        if (paren >= 0)
            size.truncate(paren);
    }
    // A box without a selection, or a source without a known size, has
    // nothing to pass: the encoder keeps the source's size.
    if (size.trimmed().isEmpty())
        return QString();
    return QStringLiteral(" -s ") + size;
}

QString aspectOption(const QualityChoices &choices, const QString &sizeOpt)
{
    if (!choices.size.enabled || sizeOpt.isEmpty() || isDiscProfile(choices.profile))
        return QString();
    const QString size = sizeOpt.mid(4);
    const qsizetype x = size.indexOf(QLatin1Char('x'));
    if (x < 0)
        return QString();
    bool widthOk = false;
    bool heightOk = false;
    const double width = size.left(x).trimmed().toDouble(&widthOk);
    const double height = heightText(size).trimmed().toDouble(&heightOk);
    if (!widthOk || !heightOk || !(width > 0) || !(height > 0) || !std::isfinite(width) ||
        !std::isfinite(height))
        return QString();
    // Five significant digits first, then four decimals: 320/240 gives
    // 1.3333, 720/576 gives 1.2500. The encoder reads a "." whatever the
    // user's locale.
    const double rounded = QString::number(width / height, 'g', 5).toDouble();
    return QStringLiteral(" -aspect ") + QString::number(rounded, 'f', 4);
}

QString videoOption(const QualityChoices &choices, const Toriginalinfo &row)
{
    if (isDiscProfile(choices.profile))
        return QString();
    if (isListProfile(choices.profile)) {
        if (noVideo(choices))
            return QString();
        if (!choices.video.original && validIndex(choices.video.index)) {
            // The slot's digits are passed unchanged, followed by "000".
            const QString &slot = choices.videoRates[choices.video.index];
            const std::optional<qint64> rate = readInteger(slot);
            if (rate && *rate > 0)
                return QStringLiteral(" -r 25 -b ") + slot.trimmed() + QStringLiteral("000");
            return QStringLiteral(" -r 25");
        }
    }
    const std::optional<qint64> rate = videoPart(choices, row);
    if (!rate || *rate <= 0)
        return QStringLiteral(" -r 25");
    return QStringLiteral(" -r 25 -b ") + QString::number(*rate * 1000);
}

QString audioOption(const QualityChoices &choices, const Toriginalinfo &row)
{
    if (isDiscProfile(choices.profile))
        return QString();
    if (isAmrExtension(profileExtension(choices.displayName)))
        return QStringLiteral(" -ab ") + QString::number(amrBits(choices));
    const std::optional<qint64> rate = audioPart(choices, row);
    if (!rate || *rate <= 0)
        return QString();
    return QStringLiteral(" -ab ") + QString::number(*rate * 1000);
}

QString sampleRateOption(const QualityChoices &choices, const QString &audioOpt)
{
    if (audioOpt.isEmpty() || isDiscProfile(choices.profile))
        return QString();
    if (isAmrExtension(profileExtension(choices.displayName)))
        return QStringLiteral(" -ar 8000 ");
    const std::optional<qint64> rate = readInteger(audioOpt.mid(5));
    if (!rate)
        return QString();
    if (*rate > 192000)
        return QStringLiteral(" -ar 48000 ");
    if (*rate > 64000)
        return QStringLiteral(" -ar 44100 ");
    return QStringLiteral(" -ar 22050 ");
}

QString channelOption(const QualityChoices &choices)
{
    if (isAmrExtension(profileExtension(choices.displayName)))
        return QStringLiteral(" -ac 1 ");
    if (choices.channel.index != 0 && choices.channel.index != 1)
        return QString();
    return QStringLiteral(" -ac ") + QString::number(choices.channel.index + 1);
}

QString targetOption(const QualityChoices &choices)
{
    const DiscProfile *disc = discProfile(choices.profile);
    if (!disc)
        return QString();
    // "PAL" or "NTSC"; a box without a selection takes the first item, PAL.
    QString standard = choices.size.text.trimmed().toLower();
    if (standard.isEmpty())
        standard = QStringLiteral("pal");
    return QStringLiteral(" -target ") + standard + QLatin1String(disc->target);
}
