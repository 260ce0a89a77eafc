// The profile picker and its pictures.
#include "app/main.h"

#include "profiles/catalogue.h"

#include <QFrame>

void Tfm_main::createPickerControls() {}
void Tfm_main::showProfileName(int n)
{
    refreshHeaderImage();
    if (hasDisplayName(n))
        profileDisplayName = displayNameOf(n);
    setSkinText(QStringLiteral("profilestext"), profileDisplayName);
}
void Tfm_main::openPicker(int n) { Q_UNUSED(n); }
void Tfm_main::hidePicker()
{
    pl_main->hide();
    for (int i = 0; i < subPanelCount; ++i)
        subPanels(i)->hide();
}
void Tfm_main::leaveCategory(int c) { Q_UNUSED(c); }
void Tfm_main::categoryPointed(int c) { Q_UNUSED(c); }
void Tfm_main::profilePointed(int n) { Q_UNUSED(n); }
void Tfm_main::profileClicked(int n) { Q_UNUSED(n); }
void Tfm_main::foldToFamily() {}
void Tfm_main::restoreProfileButton(int n) { Q_UNUSED(n); }
void Tfm_main::Image94Click() {}
void Tfm_main::Image93Click() {}
void Tfm_main::Image2Click() {}
void Tfm_main::Image5Click() {}
void Tfm_main::im_mainicoClick() { openPicker(loadedProfile); }
bool Tfm_main::highlightButton(int n) { Q_UNUSED(n); return true; }
bool Tfm_main::resetButtonPicture(int n) { Q_UNUSED(n); return true; }
bool Tfm_main::highlightCategory(int c) { Q_UNUSED(c); return true; }
bool Tfm_main::resetCategoryPicture(int c) { Q_UNUSED(c); return true; }
bool Tfm_main::refreshHeaderImage() { return true; }
