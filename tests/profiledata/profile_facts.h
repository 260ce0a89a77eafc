// What a profile's options line and extension make: the container and the
// codecs as ffprobe names them, the disc targets' fixed values, and the
// readable table of every selectable profile.
#pragma once

#include <QString>
#include <QStringList>
#include <set>

// The profiles a user can load by a click, with a display name, plus the
// family entries 2 to 5 (loaded from the saved settings).
QList<int> selectableProfiles();

// The value after the last occurrence of any of `names` in `words`; empty
// when none occurs.
QString lastValue(const QStringList &words, const QStringList &names);

// The disc target of an options line ("pal-vcd" ...), empty when none.
struct DiscTarget {
    QString videoCodec, audioCodec;
    int width = 0, height = 0, sampleRate = 0;
    bool stereo = false; // the target forces two channels
};
bool discTarget(const QString &target, DiscTarget *facts);

// ffprobe's format_name for files of this extension (and -f option).
QString expectedFormatName(const QString &extension, const QString &format);
// ffprobe's codec_name of what an encoder named on the command line writes.
QString decoderName(const QString &encoder);
// The sample rates a codec (in that container) accepts.
std::set<int> acceptedSampleRates(const QString &audioCodec, const QString &formatName,
                                  const QString &format);

// The Markdown table of every selectable profile, from the definition file
// at `path`.
QString profilesTable(const QString &path);
