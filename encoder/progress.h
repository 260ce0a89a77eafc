// FFmpeg's console output turned into the lines the program reads: progress
// records carry the encoded time in seconds ("time=45.12 bitrate=…") and end
// in CR; every other line ends in CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace encoder {

enum class LineEnd { CR, LF, None };

struct ConsoleLine {
    std::string text; // without its line end
    LineEnd end = LineEnd::None;
};

// Cuts a byte stream into lines at CR, LF or CR LF (one end), across chunk
// boundaries. A CR ends its line at once, so that a progress record is passed
// on without waiting for the next chunk.
class LineSplitter
{
public:
    std::vector<ConsoleLine> feed(std::string_view bytes);
    // The text after the last line end, when the stream has ended.
    std::optional<ConsoleLine> finish();

private:
    std::string pending_;
    bool afterCR_ = false;
};

// True when the line is one of FFmpeg's progress records ("time=" followed
// later by "bitrate=").
bool isProgressRecord(std::string_view line);

// The record with a clock time "time=hh:mm:ss.cc" rewritten as seconds
// "time=ssss.cc"; other records are returned unchanged.
std::string rewriteProgressRecord(std::string_view line);

// The bytes to print for one line of FFmpeg's output: progress records end in
// CR (CR LF for the final record, which FFmpeg ends with LF), other lines in
// CR LF.
std::string outputLine(const ConsoleLine &line);

} // namespace encoder
