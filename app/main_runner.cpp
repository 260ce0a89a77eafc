// Running the encoder program for a job and showing its progress.
#include "app/main.h"

void Tfm_main::startEncoderJob() {}
void Tfm_main::setJobProgress(int32_t v) { Q_UNUSED(v); }
void Tfm_main::Timer2Timer() {}
void Tfm_main::onEncoderExit() {}
void Tfm_main::killEncoderJob() {}
void Tfm_main::writeJobEnd(int row) { Q_UNUSED(row); }
