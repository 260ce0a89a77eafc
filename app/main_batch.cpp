// The file job builder, batch start and stop, and the output-size column.
#include "app/main.h"

void Tfm_main::buildFileJob() {}
void Tfm_main::startBatch() {}
void Tfm_main::stopBatch() {}
void Tfm_main::refreshEstimates() {}
