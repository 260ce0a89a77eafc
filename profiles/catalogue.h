// The catalogue of output profiles: for each number 1 to 132, the panel and
// kind of its picker button and its display name (which carries the output
// extension), plus the single-category editions.
#pragma once

#include <QString>

// The nineteen panels of profile buttons, in the order of the layout table
// (the same order as Tfm_main::subPanels).
enum class Panel {
    pl_video1, pl_video2, pl_audio1, pl_audio2, pl_ipod, pl_iphone, pl_psp, pl_phone, pl_pmp,
    pl_appletv, pl_animation, pl_gphone, pl_win, pl_xbox, pl_hd, pl_avi, pl_mpeg, pl_mp4, pl_mkv
};

enum class ButtonKind {
    Profile,         // pointing highlights, clicking loads
    Family,          // 2 to 5: pointing opens the fly-out, no click
    BottomClickable, // last image of a panel; reacts like a profile button
    BottomPointing,  // 109, 124: highlights only
    Inert,           // no reaction
};

struct CatalogueEntry {
    int number;
    Panel panel;
    ButtonKind kind;
    const char16_t *displayName; // null when the number has none
};

constexpr int profileCount = 132;

// Video CD, Super Video CD and DVD (112 to 114): the encoder's target
// presets decide.
bool isDiscProfile(int profile);
// 15 to 101: the video rates come from the profile definition file.
bool isListProfile(int profile);

// The entry of profile n, or null outside 1 to 132.
const CatalogueEntry *catalogueEntry(int n);
// True when n has a display name.
bool hasDisplayName(int n);
// The display name of n (UTF-16, "×" as U+00D7); empty when it has none.
QString displayNameOf(int n);

// The output extension carried by a display name: the text after its first
// "*" up to, not including, its last character. "AVI-DivX Movie(*.avi)"
// gives ".avi"; "...(*.MP4)" gives ".MP4". Empty when the name has no "*".
QString profileExtension(const QString &displayName);

// The default profile of an edition, searched in the lower-cased name:
// "avi" 102, "mp3" 17, "audio" 17, "3gp" 69, "psp" 53, "mpeg" 110,
// "mp4" 118, "mkv" 125, "ipod" 27, "iphone" 36, "gphone" 41, "wmv" 7,
// "rm" 6, "flv" 11; 1 when none is found.
int editionDefaultProfile(const QString &exeName);

// What the picker of a single-category edition shows.
struct PickerEdition {
    int order;              // 1 to 13 in the edition table; 0: the full picker
    Panel panel;            // the one panel shown (orders 1 to 10)
    bool singlePanelLayout; // orders 1 to 6: moved, flat, single-line border
    bool hidesOnly;         // orders 11 to 13: the picker command only hides
};
// Searched in the lower-cased name in the table's order: "ipod", "psp",
// "iphone", "3gp", "gphone", "mp3" or else "audio", "avi", "mpeg", "mp4",
// "mkv", "wmv", "rm", "flv".
PickerEdition pickerEdition(const QString &exeName);
