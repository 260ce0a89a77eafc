#include "config/qualitymemory.h"

namespace {

// Profiles, defaults in file mode, defaults in DVD mode, saved; -1 marks a
// box the profile does not remember. The original-quality items sit at
// index 5 of the video and audio boxes in file mode, so the general video
// profiles default to them there.
constexpr QualityMemoryRow table[] = {
    {1, 1, {0, 5, 5, 1}, {0, 2, 2, 1}, true},
    {2, 3, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {4, 4, {5, 5, 5, 1}, {2, 2, 2, 1}, true},
    {5, 6, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {7, 7, {1, 5, 5, 1}, {1, 2, 2, 1}, true},
    {8, 9, {2, 5, 5, 1}, {2, 2, 2, 1}, true},
    {10, 13, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {14, 14, {1, 5, 5, 1}, {1, 2, 2, 1}, true},
    {15, 25, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {27, 32, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {33, 33, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {34, 39, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {40, 40, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {41, 44, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {45, 45, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {46, 51, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {53, 54, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {55, 55, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {56, 57, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {58, 58, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {59, 59, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {60, 60, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {61, 66, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {68, 68, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {69, 69, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {70, 70, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {71, 71, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {72, 73, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {75, 76, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {77, 77, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {78, 79, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {80, 80, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {81, 81, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {83, 85, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {86, 88, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {89, 89, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {91, 97, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {99, 100, {4, 2, 2, 1}, {4, 2, 2, 1}, true},
    {102, 108, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {110, 110, {5, 5, 5, 1}, {2, 2, 2, 1}, true},
    {111, 111, {2, 5, 5, 1}, {2, 2, 2, 1}, true},
    {112, 114, {0, 5, 5, 1}, {0, 2, 2, 1}, true},
    {115, 116, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {118, 123, {5, 2, 2, 1}, {2, 2, 2, 1}, true},
    // 131 ("MKV - WMV Movie") is remembered like its siblings 125 to 130.
    {125, 131, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
};

const QualityMemoryRow *rowOf(int n)
{
    for (const QualityMemoryRow &row : table)
        if (n >= row.first && n <= row.last)
            return &row;
    return nullptr;
}

} // namespace

QString qualityKey(int box)
{
    switch (box) {
    case SizeBox:
        return QStringLiteral("size");
    case VideoRateBox:
        return QStringLiteral("video bitrate");
    case AudioRateBox:
        return QStringLiteral("audio bitrate");
    case ChannelBox:
        return QStringLiteral("Channel");
    }
    return {};
}

std::span<const QualityMemoryRow> qualityMemoryTable()
{
    return table;
}

QualityDefaults qualityDefaults(int profile, RunMode mode)
{
    QualityDefaults d;
    const QualityMemoryRow *row = rowOf(profile);
    if (!row)
        return d;
    d.hasEntry = true;
    d.saved = row->saved;
    const std::array<int, 4> &defaults =
        mode == RunMode::Dvd ? row->dvdDefaults : row->fileDefaults;
    for (int box = 0; box < qualityBoxCount; ++box) {
        d.hasKey[box] = row->fileDefaults[box] >= 0;
        d.index[box] = d.hasKey[box] ? defaults[box] : -1;
    }
    return d;
}

void writeQualityChoices(IniFile &file, int n, const std::array<int, 4> &selected)
{
    const QualityDefaults d = qualityDefaults(n, RunMode::File);
    if (!d.hasEntry || !d.saved)
        return;
    const QString section = QString::number(n);
    for (int box = 0; box < qualityBoxCount; ++box)
        if (d.hasKey[box])
            file.writeInteger(section, qualityKey(box), selected[box]);
}

std::array<std::optional<int>, 4> readQualityChoices(const IniFile &file, int n, RunMode mode)
{
    std::array<std::optional<int>, 4> result;
    const QualityDefaults d = qualityDefaults(n, mode);
    if (!d.hasEntry)
        return result;
    const QString section = QString::number(n);
    for (int box = 0; box < qualityBoxCount; ++box)
        if (d.hasKey[box])
            result[box] = file.readInteger(section, qualityKey(box), d.index[box]);
    return result;
}
