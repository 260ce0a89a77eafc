#include "config/qualitymemory.h"

namespace {

constexpr bool four = true;
constexpr bool audioOnly = false;

// Profiles, keys, defaults in file mode, defaults in DVD mode, saved. The
// original-quality items sit at index 5 of the video and audio boxes in file
// mode, so the general video profiles default to them there.
constexpr QualityMemoryRow table[] = {
    {1, 1, four, {0, 5, 5, 1}, {0, 2, 2, 1}, true},
    {2, 3, four, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {4, 4, four, {5, 5, 5, 1}, {2, 2, 2, 1}, true},
    {5, 6, four, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {7, 7, four, {1, 5, 5, 1}, {1, 2, 2, 1}, true},
    {8, 9, four, {2, 5, 5, 1}, {2, 2, 2, 1}, true},
    {10, 13, four, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {14, 14, four, {1, 5, 5, 1}, {1, 2, 2, 1}, true},
    {15, 25, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {27, 32, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {33, 33, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {34, 39, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {40, 40, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {41, 44, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {45, 45, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {46, 51, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {53, 54, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {55, 55, four, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {56, 57, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {58, 58, four, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {59, 59, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, false},
    {60, 60, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {61, 66, four, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {68, 68, four, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {69, 69, four, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {70, 70, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {71, 71, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {72, 73, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {75, 76, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {77, 77, four, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {78, 79, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {80, 80, audioOnly, {-1, -1, 2, 1}, {-1, -1, 2, 1}, true},
    {81, 81, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {83, 85, four, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {86, 88, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {89, 89, four, {1, 2, 2, 1}, {1, 2, 2, 1}, true},
    {91, 97, four, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
    {99, 100, four, {4, 2, 2, 1}, {4, 2, 2, 1}, true},
    {102, 108, four, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
    {110, 110, four, {5, 5, 5, 1}, {2, 2, 2, 1}, true},
    {111, 111, four, {2, 5, 5, 1}, {2, 2, 2, 1}, true},
    {112, 114, four, {0, 5, 5, 1}, {0, 2, 2, 1}, true},
    {115, 116, four, {0, 2, 2, 1}, {0, 2, 2, 1}, true},
    {118, 123, four, {5, 2, 2, 1}, {2, 2, 2, 1}, true},
    // 131 ("MKV - WMV Movie") is remembered like its siblings 125 to 130.
    {125, 131, four, {4, 5, 5, 1}, {4, 2, 2, 1}, true},
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
        d.hasKey[box] = row->allFour || box == AudioRateBox || box == ChannelBox;
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
