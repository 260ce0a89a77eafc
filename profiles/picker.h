// The picker's rules as plain data: which category shows which panels, the
// order and places of the buttons on every panel, the four format families
// with their fly-out panels, and what the picker opens on for a profile.
#pragma once

#include "profiles/catalogue.h"

#include <QRect>
#include <QString>
#include <vector>

namespace picker {

constexpr int categoryCount = 13;
// Size of a panel of profile buttons; the four fly-outs are one pixel wider.
constexpr int panelWidth = 310;
constexpr int flyOutWidth = 311;
constexpr int panelHeight = 358;
// The category column: images 153 wide, the first 27 high and the others 25,
// then the blank image below them.
constexpr int categoryWidth = 153;
constexpr int firstCategoryHeight = 27;
constexpr int categoryHeight = 25;
// Button heights: the first of a panel, then every following one; the last
// image of a panel fills what is left.
constexpr int firstButtonHeight = 53;
constexpr int buttonHeight = 48;

// The panel's control name, such as "pl_ipod".
QString panelName(Panel panel);
// True for the four fly-outs pl_avi, pl_mpeg, pl_mp4, pl_mkv.
bool isFlyOut(Panel panel);
int panelWidthOf(Panel panel);

// The numbers of a panel's buttons, top to bottom.
const std::vector<int> &panelButtons(Panel panel);
// Index of button n on its panel (0 at the top); -1 outside 1 to 132.
int buttonIndex(int n);
// Place of button n on its panel in the designed layout.
QRect buttonRect(int n);
// The top of button n in the single-panel layout of a one-category edition:
// -1, 52, 100, 148, ... from the top button down.
int singlePanelTop(int n);

// The two-page panels carry a strip at the bottom: a blank part on the left
// and, on the right, the image that turns the page.
enum class StripPart { Blank, Turn };
bool hasPageStrip(Panel panel);
// Control names: pl_video1 "btim_next"/"Image94", pl_video2 "btim_pre"/"Image93",
// pl_audio1 "Image1"/"Image2", pl_audio2 "Image4"/"Image5"; empty for others.
QString stripName(Panel panel, StripPart part);
QRect stripRect(Panel panel, StripPart part);

// Categories 1 to 13: the image's control name ("img_gvideo1", "img_audio1",
// "img_ipod", ...), its place in pl_main, and the panel it shows.
QString categoryImageName(int c);
QRect categoryRect(int c);
// The blank image "Image3" below the thirteen categories.
QRect blankCategoryRect();
// The panel category c shows when it is entered: General Video and Audio
// show their first or second page by the remembered flag.
Panel categoryPanel(int c, bool videoFirstPage, bool audioFirstPage);
// The category whose panel holds button n (fly-outs belong to General
// Video, 1); -1 outside 1 to 132.
int categoryOfProfile(int n);

// The format families: entry button on pl_video1, its fly-out panel and the
// fly-out's top button.
struct Family {
    int entry;
    Panel flyOut;
    int top;
};
const std::vector<Family> &families();
const Family *familyOfEntry(int n);
const Family *familyOfFlyOut(Panel panel);

// A fly-out profile in `current` becomes its family entry (102-109: 2,
// 110-117: 3, 118-124: 4, 125-131: 5); other values stay.
int foldToFamily(int current);

// What pointing at button n does, by the button's place.
enum class Pointing {
    None,        // inert: no reaction
    Video1,      // 1, 6, 7 on pl_video1: folds a fly-out profile first
    FamilyEntry, // 2 to 5: opens the family's fly-out
    FlyOut,      // a button of a fly-out
    Other,       // every other button that reacts
};
Pointing pointingOf(int n);
// Buttons whose click loads the profile: profile buttons and the clickable
// bottom images.
bool isClickable(int n);

// What openPicker shows for profile n.
struct PickerTarget {
    bool shows = false;   // false: the bare category column, category unchanged
    Panel panel{};        // the panel shown
    bool hasFlyOut = false;
    Panel flyOut{};       // shown beside pl_video1 when hasFlyOut
    int category = -1;    // highlighted and made current
};
PickerTarget pickerTarget(int n);

} // namespace picker
