// Saved settings and the per-profile quality memory.
#include "app/main.h"

void Tfm_main::loadSettings() {}
void Tfm_main::saveSettings() {}
void Tfm_main::saveQualityChoices(int n) { Q_UNUSED(n); }
void Tfm_main::restoreQualityChoices(int n) { Q_UNUSED(n); }
