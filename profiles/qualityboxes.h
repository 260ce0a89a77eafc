// The rules of the four quality boxes (frame size, video quality, audio
// quality, channels), over a plain model of the boxes: their items, the
// selected item and whether the box is enabled. Loading a profile applies
// its size line, its video rate line and its options line to this model.
#pragma once

#include "config/edition.h"
#include "profiles/profiledef.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The items the boxes add and remove themselves.
inline const QString originalSizeItem = QStringLiteral("The original width and height");
inline const QString originalVideoItem = QStringLiteral("The Original Video Quliay");
inline const QString originalAudioItem = QStringLiteral("The Original Audio Quliay");
inline const QString noVideoItem = QStringLiteral("No Video");

// The designed items of the video and audio quality boxes, best first.
QStringList designedRateItems();
// The designed items of the channel box; "Stereo" (1) is selected as designed.
QStringList designedChannelItems();

// One drop-down list in which the user can only pick an item.
struct ComboModel {
    QStringList items;
    int selected = -1; // -1: no selection
    bool enabled = true;

    // The text of the selected item; empty when nothing is selected.
    QString shownText() const;
    QString lastItem() const;
    void add(const QString &item) { items << item; }
    // Removes item i; the selection follows its item, and is lost with it.
    void removeAt(int i);
    void clear();
    // Selects item i; an index the box does not have leaves no selection.
    void select(int i);

    bool operator==(const ComboModel &) const = default;
};

struct QualityBoxes {
    ComboModel cb_size;
    ComboModel cb_videobitrate;
    ComboModel cb_audiobitrate;
    ComboModel cb_channel;

    // The boxes as designed: no sizes, the five quality items in the video
    // and audio boxes, "Mono" and "Stereo" with "Stereo" selected.
    static QualityBoxes designed();
    ComboModel &box(int i);
    const ComboModel &box(int i) const;
};

// The five video rates of the loaded profile: slot 0 belongs to "Higher
// quality", slot 4 to "Lower Quliay"; slot 0 is "*" for a profile without video.
using VideoRates = std::array<QString, 5>;

// What the rules read besides the boxes.
struct ProfileRules {
    int currentProfile = 0;
    RunMode runMode = RunMode::File;
    QString extension; // the loaded display name's extension, such as ".avi"
};

// Rebuilds the size box from a size line: its items in order; "PAL" and
// "NTSC" for the disc profiles 112 to 114; "The original width and height"
// added for general video profiles with two or more sizes and an extension
// other than exactly ".mp4"; a lone selected "No Video" when it stays empty.
void fillSizeList(QualityBoxes &boxes, const QString &line, const ProfileRules &rules);

// Applies a video rate line (after the size line): enables or disables the
// boxes, offers or withdraws the original-quality items, marks the no-video
// case ("*" with a single size) or stores the rates.
void applyVideoLine(QualityBoxes &boxes, VideoRates &rates, const QString &line,
                    const ProfileRules &rules);

// The k-th value of the line (counting from 0) goes to slot 4 - k, so the
// first value is "Lower Quliay" and the fifth "Higher quality". Slots the
// line does not reach keep their values; values after the fifth are ignored.
void storeVideoRates(VideoRates &rates, const QString &line);

// Applies the lines of one profile that the file holds, in file order: the
// size line, the video rate line and the options line (into `profileOpts`).
// What a missing line would have set keeps its value.
void applyProfileLines(QualityBoxes &boxes, VideoRates &rates, QString &profileOpts,
                       const ProfileLines &lines, const ProfileRules &rules);

// Selects the remembered item of each box that has one; an index beyond a
// box's items leaves it without a selection.
void selectQualityChoices(QualityBoxes &boxes, const std::array<std::optional<int>, 4> &choices);
