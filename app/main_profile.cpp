// Loading a profile from "profiles.pop" into the quality boxes.
#include "app/main.h"

void Tfm_main::loadProfile(int n) { Q_UNUSED(n); }
void Tfm_main::fillSizeList(const QString &line) { Q_UNUSED(line); }
void Tfm_main::storeVideoRates(const QString &line) { Q_UNUSED(line); }
void Tfm_main::cb_sizeChange() { refreshEstimates(); }
void Tfm_main::cb_videobitrateChange() { refreshEstimates(); }
void Tfm_main::cb_audiobitrateChange() { refreshEstimates(); }
