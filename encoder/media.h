// The media work done in this process with libavformat and libavcodec:
// describing a file, looking at a job's input, asking an encoder whether it
// takes given settings. Nothing here writes to the console.
#pragma once

#include "encoder/describe.h"

#include <cstdint>
#include <string>

namespace encoder {

// Silences libav's own log messages: nothing but our lines reaches the pipe.
void quietLibav();

// Describes `path` (as named on the command line). On failure returns false
// and leaves FFmpeg's message ("No such file or directory", "Invalid data
// found when processing input") in `error`.
bool describeFile(const std::string &path, MediaDescription &media, std::string &error);

struct InputStreams {
    bool readable = false;
    bool hasAudio = false;
    int sampleRate = 0; // of the first audio stream
    int channels = 0;
};

// The streams of a job's input; readable is false when the file cannot be opened.
InputStreams inspectInput(const std::string &path);

// The encoder FFmpeg picks for an output that names no codec: the default
// audio (or video) codec of the format named by `format`, else of the one
// the output's name suggests; empty when there is none.
std::string defaultEncoder(const std::string &format, const std::string &output, bool audio);

// True when the audio encoder opens with these settings (the sample rate and
// channel count brought to ones the encoder lists, as FFmpeg's filters do).
bool audioEncoderOpens(const std::string &encoder, int sampleRate, int channels, int64_t bitRate);

} // namespace encoder
