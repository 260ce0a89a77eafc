// The two things the encoder program does: describe a file and convert one.
#pragma once

#include "encoder/cmdline.h"

namespace encoder {

// Describes the input ("-i FILE") or converts it ("-y -i INPUT OPTIONS…
// OUTPUT") as `line.mode` says (Probe or Convert); returns the program's exit
// status. A DVD reference is refused for both with one line and status 1.
int runCommandLine(const CommandLine &line);

} // namespace encoder
