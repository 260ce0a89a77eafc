// What a job's FFmpeg options ask of the output: codecs, sample rate,
// channels, bit rates, H.264 level. Later options win, as in FFmpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace encoder {

struct OutputRequest {
    std::string format;     // "-f"; empty: from the output's name
    std::string audioCodec; // encoder name; empty: the container's default
    std::string videoCodec;
    int sampleRate = 0; // "-ar"; 0 when not asked
    int channels = 0;   // "-ac"; 0 when not asked
    std::string audioBitRate; // "-ab" / "-b:a" as written; empty when not asked
    std::string videoBitRate; // "-b" / "-b:v"
    std::string maxRate;      // "-maxrate"
    std::string level;        // "-level"
    std::string profile;      // "-profile:v"
    bool noAudio = false;     // "-an"
    bool noVideo = false;     // "-vn"
};

// Walks the options in order. Options that take no value are known by name;
// every other word beginning with "-" takes the next word as its value.
OutputRequest scanOptions(const std::vector<std::string> &options);

// A bit rate as FFmpeg reads it: "192000", "192k", "1.5M"; nothing for
// anything else.
std::optional<int64_t> parseBitRate(std::string_view text);

// True for the names under which an AMR-NB encoder may be asked for.
bool isAmrNbEncoderName(std::string_view name);

// Options with the audio options taken out ("-c:a", "-ab", "-ar", "-ac",
// audio filters), for a job whose audio this program encodes itself.
std::vector<std::string> withoutAudioOptions(const std::vector<std::string> &options);

} // namespace encoder
