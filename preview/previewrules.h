// The preview's arithmetic: the time text, whole-second positions, the
// position bar's scale and the seek target. Plain functions over numbers.
#pragma once

#include <QString>
#include <cstdint>

// Whole seconds as "hh:mm:ss", each part at least two digits; hours are not
// limited to two digits (360000 gives "100:00:00"). A negative count is
// written with a leading "-" before the same form of its magnitude.
QString secondsToTimeText(int64_t seconds);

// A reported position rounded to whole seconds, ties to even (0.5 gives 0,
// 1.5 gives 2), as the start offset and the elapsed time use it.
int32_t roundPosition(double position);

// The elapsed seconds shown for position `position` of a playback whose
// first position was `startOffset`.
int32_t elapsedSeconds(double position, int32_t startOffset);

// True when a row of `durationSecs` has been played for `elapsedSecs`: the
// preview is to be stopped.
bool previewEndReached(int32_t durationSecs, int32_t elapsedSecs);

// The position bar's scale runs from 0 to 10000.
constexpr int playBarMaximum = 10000;

// The bar position for `elapsedSecs` of `durationSecs`: elapsed × 10000 ÷
// duration, halves away from zero, kept within 0 to 10000. A duration of 0
// or less gives 0.
int32_t playBarPositionFor(int32_t elapsedSecs, int32_t durationSecs);

// The position to seek to when the bar is released at `barPosition`:
// barPosition × duration ÷ 10000, halves away from zero, plus the start
// offset (positions are reported including it).
int32_t seekPositionFor(int32_t barPosition, int32_t durationSecs, int32_t startOffset);
