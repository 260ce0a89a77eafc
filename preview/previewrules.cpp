#include "preview/previewrules.h"

#include <cmath>
#include <limits>

namespace {

// Rounds to nearest, ties to even, whatever rounding mode is in force, and
// keeps the result inside the 32-bit range (positions never come near it).
int32_t roundTiesToEven(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double r = v - std::remainder(v, 1.0);
    if (r >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

int32_t roundHalfAway(double v)
{
    return static_cast<int32_t>(std::round(v));
}

} // namespace

QString secondsToTimeText(int64_t seconds)
{
    const bool negative = seconds < 0;
    const uint64_t s = negative ? uint64_t(0) - uint64_t(seconds) : uint64_t(seconds);
    const uint64_t hours = s / 3600;
    const uint64_t minutes = (s - hours * 3600) / 60;
    const uint64_t rest = s % 60;
    return QStringLiteral("%1%2:%3:%4")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(rest, 2, 10, QLatin1Char('0'));
}

int32_t roundPosition(double position)
{
    return roundTiesToEven(position);
}

int32_t elapsedSeconds(double position, int32_t startOffset)
{
    return roundPosition(position) - startOffset;
}

bool previewEndReached(int32_t durationSecs, int32_t elapsedSecs)
{
    return durationSecs <= elapsedSecs;
}

int32_t playBarPositionFor(int32_t elapsedSecs, int32_t durationSecs)
{
    if (durationSecs <= 0)
        return 0;
    const int32_t p =
        roundHalfAway(double(elapsedSecs) * playBarMaximum / double(durationSecs));
    return p < 0 ? 0 : (p > playBarMaximum ? playBarMaximum : p);
}

int32_t seekPositionFor(int32_t barPosition, int32_t durationSecs, int32_t startOffset)
{
    return roundHalfAway(double(barPosition) * double(durationSecs) / playBarMaximum) +
           startOffset;
}
