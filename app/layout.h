// The four placements of the main window's controls, one per pair of run
// mode and brand variant. A value of -1 keeps the designed value.
#pragma once

#include "config/edition.h"
#include "profiles/picker.h"

#include <QPoint>
#include <QRect>

struct LayoutVariant {
    int subPanelOffset;
    QPoint ed_output;
    QPoint Panel1;
    QPoint pl_main;
    QPoint subPanels;          // the 19 panels of profile buttons
    int qualityLeft;           // cb_size, cb_videobitrate, cb_audiobitrate, cb_channel
    int qualityTops[4];
    int qualityWidth;          // -1: designed width
    QPoint pl_play;
    QPoint ProgressBar1;
    QRect lv;                  // width/height -1: designed
    bool dvdControls;          // cb_audio/cb_subtitle shown, "Title" column, check boxes
    QRect cb_audio;            // height ignored
    QRect cb_subtitle;         // height ignored
};

const LayoutVariant &layoutVariantFor(RunMode mode, BrandVariant variant);

// Designed geometry of the main window and the controls the layout table
// leaves to their designed values.
namespace designed {
constexpr int windowWidth = 781;
constexpr int windowHeight = 558;
constexpr QRect lv{12, 89, 530, 395};
constexpr QRect ProgressBar1{15, 496, 530, 12};
constexpr int qualityWidth = 150;
constexpr int comboHeight = 22;
constexpr QRect ed_output{422, 66, 250, 20};
// The header image's panel holds the category picture beside the profile name.
constexpr QRect Panel1{62, 64, 24, 22};
constexpr QRect pl_play{559, 294, 200, 150};
// The picker's column and panels: their places here, their sizes from the
// picker's rules (a fly-out is one pixel wider, see picker::panelWidthOf).
constexpr QRect pl_main{53, 81, picker::categoryWidth, picker::panelHeight};
constexpr QRect subPanel{206, 81, picker::panelWidth, picker::panelHeight};
constexpr QRect cb_audio{400, 61, 148, 22};
constexpr QRect cb_subtitle{596, 61, 144, 22};
} // namespace designed
