// The command lines the encoder program accepts: "-i FILE" describes a file;
// "-y -i INPUT OPTIONS… OUTPUT" converts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace encoder {

struct CommandLine {
    enum class Mode { Probe, Convert, Invalid };
    Mode mode = Mode::Invalid;
    std::vector<std::string> leading; // words before "-i" ("-y")
    std::string input;
    std::vector<std::string> options; // words between the input and the output
    std::string output;
};

// Reads the words after the program's name. The first "-i" names the input;
// with nothing after it the call is a probe, otherwise the last word is the
// output and the words between are options.
CommandLine parseCommandLine(const std::vector<std::string> &args);

// True for a DVD reference ("vts://…"), which this program does not read.
bool isDvdReference(std::string_view input);

// A path as FFmpeg must be given it: a path that FFmpeg would take for an
// option ("-a.avi") or for a protocol ("name:x.avi", "pipe:1") gets "file:"
// in front; any other path is passed unchanged.
std::string ffmpegPath(const std::string &path);

} // namespace encoder
