// The saved settings: where the two INI files lie, how they are named after
// the edition, and what the settings file holds.
#pragma once

#include "config/ini.h"

#include <QString>

// The settings file's name for an executable name: the name without its
// ".exe", with the part from its last dot on replaced by ".ini" (or ".ini"
// appended when it has no dot). "tool 2.1" gives "tool 2.ini".
QString settingsFileName(const QString &exeName);
// The quality memory file's name: "pro " followed by the settings file name.
QString qualityMemoryFileName(const QString &exeName);

// The folder both files lie in, with a trailing "/": this program's folder
// in the user's configuration home ($XDG_CONFIG_HOME/clipforge/). Created
// when missing; the name is returned even when that fails, so that the
// first write reports the failure.
QString settingsFolder();

// The output folder of a first start: the user's videos folder with a
// trailing "/".
QString defaultOutputFolder();

// What the settings file holds, under its section and key names.
struct SavedSettings {
    QString outputPath;         // "output"/"path"
    int32_t selcetindex = 1;    // "profiles"/"selcetindex": the picker category
    int32_t selcetsubindex = 1; // "profiles"/"selcetsubindex": the profile
    int32_t finishSelcet = 0;   // "profiles"/"FinishSelcet": the finish action
    bool videoFirstPage = true; // "plane"/"video"
    bool audioFirstPage = true; // "plane"/"audio"

    bool operator==(const SavedSettings &) const = default;
};

// The settings of `file`; what it lacks gets the default: the user's videos
// folder, category 1, `defaultProfile` (the edition's default profile),
// finish action 0, the first pages.
SavedSettings readSettings(const IniFile &file, int32_t defaultProfile);

// Writes the settings in the order "path", "selcetsubindex", "selcetindex",
// "FinishSelcet", "video", "audio". Throws IniWriteError at the first key
// that cannot be stored; the keys after it are not written.
void writeSettings(IniFile &file, const SavedSettings &settings);
