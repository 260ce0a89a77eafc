// The description of a media file in the classic console form that the
// program's probe reads: an "Input" line, a "Duration" line, one line for the
// first video and one for the first audio stream, every line ending in CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace encoder {

struct VideoStreamInfo {
    int index = 0;
    std::string codec;       // "h264"
    std::string profile;     // "High"; empty when none
    std::string pixelFormat; // "yuv420p"; empty when unknown
    int width = 0;           // 0 when unknown
    int height = 0;
    int64_t bitRate = 0;     // bits per second; 0 when unknown
    double frameRate = 0;    // the "tbr" rate; 0 when unknown
};

struct AudioStreamInfo {
    int index = 0;
    std::string codec;        // "aac"
    std::string profile;      // "LC"; empty when none
    int sampleRate = 0;       // Hz; 0 when unknown
    std::string layout;       // "stereo"; empty when unknown
    std::string sampleFormat; // "fltp"; empty when unknown
    int64_t bitRate = 0;      // bits per second; 0 when unknown
};

struct MediaDescription {
    std::string formatName;          // "mov,mp4,m4a,3gp,3g2,mj2"
    std::string path;                // the file as named on the command line
    std::optional<int64_t> duration; // microseconds
    std::optional<int64_t> start;    // microseconds
    int64_t bitRate = 0;             // container bit rate; 0 when unknown
    int64_t fileSize = -1;           // bytes; negative when unknown
    std::optional<VideoStreamInfo> video;
    std::optional<AudioStreamInfo> audio;
};

// The largest description; the program reads it in chunks of this size.
constexpr std::size_t kMaxDescriptionBytes = 2048;

// The most bytes of a path printed on an error line.
constexpr std::size_t kMaxPathBytes = 512;

// The whole description, at most kMaxDescriptionBytes long.
std::string formatDescription(const MediaDescription &media);

// "hh:mm:ss.cc", rounded to hundredths; from 100 hours on the text stays
// "99:59:59.99", since readers take exactly two digits of hours.
std::string formatDuration(int64_t microseconds);

// "start" as FFmpeg prints it: seconds with six decimals.
std::string formatStart(int64_t microseconds);

// A frame rate as FFmpeg prints it: "25", "29.97", "0.0417", "90k".
std::string formatFrameRate(double rate);

// A text safe to print on one line: control characters become "?", and a
// text longer than maxBytes keeps its start and end around "...", cut only
// between UTF-8 characters.
std::string printableText(std::string_view text, std::size_t maxBytes);

// A name safe to print on a line of the description, which readers search
// for keys ("Duration:", "Video:"…): as printableText, and colons become "_".
std::string printableName(std::string_view name, std::size_t maxBytes);

// A word printed before the frame size on a Video line: a word holding a
// lowercase "x" is upper-cased, so that readers who take the first "x" after
// "Video:" as the frame size's find the real one.
std::string hideLowercaseX(std::string_view word);

// FFmpeg's one-line error for a file it cannot open: "FILE: MESSAGE", CR LF.
std::string probeErrorLine(std::string_view path, std::string_view message);

} // namespace encoder
