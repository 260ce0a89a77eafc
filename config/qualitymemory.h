// The per-profile quality memory: for each profile, the item last chosen in
// each of the four quality boxes, kept in the quality memory file under a
// section named after the profile number. This holds the table of which
// boxes each profile remembers, their default items in file and DVD mode,
// and whether the profile's choices are written at all.
#pragma once

#include "config/edition.h"
#include "config/ini.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

// The four quality boxes, in the order of their keys.
enum QualityBoxKey { SizeBox = 0, VideoRateBox = 1, AudioRateBox = 2, ChannelBox = 3 };
inline constexpr int qualityBoxCount = 4;

// The key of a box: "size", "video bitrate", "audio bitrate", "Channel".
QString qualityKey(int box);

// One row of the table: profiles `first` to `last`.
struct QualityMemoryRow {
    int first;
    int last;
    // Per box; -1 where the profile has no key (the audio-only profiles keep
    // only "audio bitrate" and "Channel").
    std::array<int, 4> fileDefaults;
    std::array<int, 4> dvdDefaults;
    bool saved; // the keys are written when another profile loads
};

// The whole table, rows in ascending profile order. Numbers it does not
// cover (0, 26, 52, 67, 74, 82, 90, 98, 101, 109, 117, 124, 132, anything
// outside 1 to 132) have no entry.
std::span<const QualityMemoryRow> qualityMemoryTable();

// What the memory does for one profile in one run mode.
struct QualityDefaults {
    bool hasEntry = false;                    // false: nothing saved or restored
    bool saved = false;                       // the keys are written
    std::array<bool, 4> hasKey{};             // which boxes are remembered
    std::array<int, 4> index{-1, -1, -1, -1}; // default item per remembered box
};
QualityDefaults qualityDefaults(int profile, RunMode mode);

// Writes profile n's keys, in box order, from `selected` (the selected index
// of each box, -1 for none) when n's choices are saved; otherwise writes
// nothing. Throws IniWriteError at the first key that cannot be stored.
void writeQualityChoices(IniFile &file, int n, const std::array<int, 4> &selected);

// The remembered index of each of n's boxes (the mode's default where the
// file has none or holds no integer); nullopt for a box that n does not
// remember, and for every box of a number without an entry.
std::array<std::optional<int>, 4> readQualityChoices(const IniFile &file, int n, RunMode mode);
