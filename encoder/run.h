// The two things the encoder program does: describe a file and convert one.
#pragma once

#include "encoder/cmdline.h"

#include <string>

namespace encoder {

// "-i FILE": prints the description (one write) and returns 0, or prints
// FFmpeg's one-line error and returns 1.
int runProbe(const std::string &path);

// "-y -i INPUT OPTIONS… OUTPUT": runs FFmpeg and relays its console; returns
// FFmpeg's status, 0 only when the output was written.
int runConversion(const CommandLine &line);

} // namespace encoder
