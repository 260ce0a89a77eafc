// The DVD source commands. Reading DVDs is not part of this version yet:
// the commands say so instead of doing nothing.
#include "app/main.h"

#include "dialogs/desktop.h"

namespace {
const char *const notYet = "Reading DVDs is not available in this version yet.";
}

void Tfm_main::addDvd() { desktop().information(this, QString::fromLatin1(notYet)); }
void Tfm_main::addIfo() { desktop().information(this, QString::fromLatin1(notYet)); }
void Tfm_main::switchList() {}
void Tfm_main::checkAllRows(bool checked) { Q_UNUSED(checked); }
void Tfm_main::startDvdJob() {}
void Tfm_main::startDvdPreview() {}
void Tfm_main::lvClick() {}
