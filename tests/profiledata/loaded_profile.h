// The quality boxes of the main window right after a profile has been
// loaded in file mode, as plain data, and the snapshot the option builders
// take of them.
#pragma once

#include "engine/options.h"
#include "profiles/profiledef.h"

#include <QStringList>
#include <array>
#include <optional>

struct BoxState {
    QStringList items;
    int selected = -1;
    bool enabled = true;
};

struct LoadedProfile {
    int number = 0;
    QString displayName;
    ProfileLines lines;
    BoxState size, video, audio, channel;
    std::array<QString, 5> videoRates;
    bool noVideo() const { return videoRates[0] == QLatin1String("*"); }
};

// The file-mode defaults of a profile's remembered choices, in the order
// size, video, audio, channel; -1 for a key the profile does not have.
// Nothing for numbers without an entry.
struct QualityDefaults {
    int size, video, audio, channel;
};
std::optional<QualityDefaults> fileModeDefaults(int profile);

// Loads profile n from the definition file at `path` into freshly made
// boxes, in file mode, and selects its default choices.
LoadedProfile loadProfileForTest(const QString &path, int n);

// What the option builders read from these boxes.
QualityChoices choicesOf(const LoadedProfile &profile);
