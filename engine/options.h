// The option builders of one encoder job: frame size, aspect, video and audio
// bit rate, sample rate, channels and the disc target, plus the bit-rate model
// behind the video option and the output-size estimate.
//
// They are plain functions over a snapshot of the user's choices and the
// source record of one task-list row, so that the file job, the DVD job and
// the size estimate all read the same rules.
#pragma once

#include "profiles/catalogue.h"
#include "profiles/qualityboxes.h"
#include "sources/sourceinfo.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// One quality box (cb_size, cb_videobitrate, cb_audiobitrate, cb_channel) as
// the builders see it.
struct QualityBox {
    int index = -1;        // selected item, -1 when the box shows no selection
    QString text;          // the selected item's text, empty when none
    bool enabled = true;
    bool original = false; // the selected item is the box's original-quality item
};

// The snapshot of a box from its items, its selected index and whether it is
// enabled; the original-quality items ("The original width and height",
// "The Original Video Quliay", "The Original Audio Quliay") are recognised by
// their text, wherever they stand in the list.
QualityBox makeQualityBox(const QStringList &items, int index, bool enabled);

// What the builders read from the main window.
struct QualityChoices {
    int profile = 0;                   // currentProfile
    QString displayName;               // profileDisplayName, carries the extension
    VideoRates videoRates;             // profileVideoRates: slot i for quality index i
    QualityBox size;                   // cb_size
    QualityBox video;                  // cb_videobitrate
    QualityBox audio;                  // cb_audiobitrate
    QualityBox channel;                // cb_channel: 0 "Mono", 1 "Stereo"
};

// isDiscProfile and isListProfile come from the catalogue. For every
// profile that is neither, the video rate comes from the frame height and a
// quality factor.

// Expected bit rates of one row for the current choices, in kb/s. Held in
// 64 bits so that large source rates never wrap.
struct BitRateEstimate {
    qint64 video = 0;
    qint64 total = 0;
};
BitRateEstimate estimateBitRate(const QualityChoices &choices, const Toriginalinfo &row);

// " -s 320x240", the source's own size for the original-quality item, or
// empty (box disabled, disc profile, nothing to pass).
QString sizeOption(const QualityChoices &choices, const Toriginalinfo &row);
// " -aspect 1.3333" from the size option; empty when there is no size or its
// width or height is not a positive number.
QString aspectOption(const QualityChoices &choices, const QString &sizeOpt);
// " -r 25 -b 799000"; " -r 25" alone when no bit rate can be formed (the
// encoder then keeps its default rate); empty for no-video and disc profiles.
QString videoOption(const QualityChoices &choices, const Toriginalinfo &row);
// " -ab 192000"; the AMR rates for ".3gp" and ".amr"; empty for disc
// profiles and when no audio quality is chosen.
QString audioOption(const QualityChoices &choices, const Toriginalinfo &row);
// " -ar 48000 ", " -ar 44100 ", " -ar 22050 " by the audio option's rate,
// " -ar 8000 " for ".3gp" and ".amr"; empty without an audio option.
QString sampleRateOption(const QualityChoices &choices, const QString &audioOpt);
// " -ac 1" or " -ac 2" by cb_channel; " -ac 1 " for ".3gp" and ".amr";
// empty when the box shows no selection.
QString channelOption(const QualityChoices &choices);
// For the disc profiles the target option that replaces the profile's own
// options (" -target pal-dvd "); empty for every other profile.
QString targetOption(const QualityChoices &choices);
