// Loading a profile from "profiles.pop" into the quality boxes.
#include "app/main.h"

#include "config/ini.h"
#include "config/qualitymemory.h"
#include "dialogs/desktop.h"
#include "profiles/catalogue.h"
#include "profiles/profiledef.h"
#include "profiles/qualityboxes.h"

#include <QComboBox>

ComboModel comboModel(const QComboBox *box)
{
    ComboModel model;
    for (int i = 0; i < box->count(); ++i)
        model.items << box->itemText(i);
    model.selected = box->currentIndex();
    model.enabled = box->isEnabled();
    return model;
}

namespace {

void applyModel(QComboBox *box, const ComboModel &model)
{
    if (comboModel(box).items != model.items) {
        box->clear();
        box->addItems(model.items);
    }
    // Filling an empty box selects its first item; the model decides.
    box->setCurrentIndex(model.selected);
    box->setEnabled(model.enabled);
}

// The boxes, the rates and the rules as they stand, applied through `change`
// and written back to the controls.
template <typename Change> void changeQualityBoxes(Tfm_main &w, Change change)
{
    QComboBox *const combos[4] = {w.cb_size, w.cb_videobitrate, w.cb_audiobitrate, w.cb_channel};
    QualityBoxes boxes;
    for (int i = 0; i < 4; ++i)
        boxes.box(i) = comboModel(combos[i]);
    const ProfileRules rules{w.currentProfile, w.runMode, profileExtension(w.profileDisplayName)};
    change(boxes, w.profileVideoRates, rules);
    for (int i = 0; i < 4; ++i)
        applyModel(combos[i], boxes.box(i));
}

} // namespace

void Tfm_main::loadProfile(int n)
{
    showProfileName(n);
    // The choices made for the profile loaded until now, before the boxes change.
    saveQualityChoices(loadedProfile);
    // Read afresh on every load; nothing of the file is kept.
    const ProfileLines lines = readProfileLines(programFolder + QStringLiteral("profiles.pop"), n);
    if (!lines.opened) {
        desktop().error(this, lines.error);
        return;
    }
    changeQualityBoxes(
        *this, [&](QualityBoxes &boxes, VideoRates &rates, const ProfileRules &rules) {
            applyProfileLines(boxes, rates, jobRecord.profileOpts, lines, rules);
            // The remembered choices of this profile.
            selectQualityChoices(boxes, readQualityChoices(IniFile(qualityMemoryPath), n, runMode));
        });
    loadedProfile = n;
    refreshEstimates();
}

void Tfm_main::cb_sizeChange()
{
    refreshEstimates();
}
void Tfm_main::cb_videobitrateChange()
{
    refreshEstimates();
}
void Tfm_main::cb_audiobitrateChange()
{
    refreshEstimates();
}
