// The quality boxes of the main window right after a profile has been
// loaded in file mode, as plain data, and the snapshot the option builders
// take of them.
#pragma once

#include "engine/options.h"
#include "profiles/profiledef.h"
#include "profiles/qualityboxes.h"

struct LoadedProfile {
    int number = 0;
    QString displayName;
    ProfileLines lines;
    ComboModel size, video, audio, channel;
    VideoRates videoRates;
    bool noVideo() const { return videoRates[0] == QLatin1String("*"); }
};

// Loads profile n from the definition file at `path` into the designed
// boxes, in file mode, with the loader's rules, and selects the choices a
// first start remembers for it.
LoadedProfile loadProfileForTest(const QString &path, int n);

// What the option builders read from these boxes.
QualityChoices choicesOf(const LoadedProfile &profile);
