// Bit rates that a codec would refuse, brought into its range before FFmpeg
// runs: the job converts at the nearest rate the codec takes, and one line of
// output says so, instead of failing.
#pragma once

#include "encoder/options.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace encoder {

// The eight AMR-NB bit rates, lowest first.
const std::vector<int> &amrNbRates();
// The highest AMR-NB rate not above `bitRate` (the lowest for less).
int nearestAmrNbRate(int64_t bitRate);
// The AMR-NB rate a job encodes at: the nearest rate to the asked audio bit
// rate, 12200 when none is asked or it is no bit rate.
int amrNbJobRate(const OutputRequest &request);

// The maximum video bit rate (bits per second) of an H.264 level ("3", "3.0",
// "30", "1b", "4.1") for a profile ("baseline", "main", "high", "high10",
// "high422", "high444"; empty: x264's default, high); nothing for an unknown level.
std::optional<int64_t> h264LevelMaxBitRate(std::string_view level, std::string_view profile);

// Asks whether an audio encoder opens with these settings.
using AudioEncoderTest =
    std::function<bool(const std::string &encoder, int sampleRate, int channels, int64_t bitRate)>;

struct RateChange {
    std::vector<std::string> options; // to add after the job's own ("-b:a", "320000")
    std::string message;              // the line that says so, without its line end
};

// The audio bit rate to use when `encoder` refuses `bitRate` at this sample
// rate and channel count: the highest rate below it that opens, else the
// lowest above it that opens. Nothing when the asked rate opens, or when no
// rate opens (the settings fail for some other reason, which FFmpeg will say).
std::optional<int64_t> fittingAudioBitRate(const std::string &encoder, int sampleRate, int channels,
                                           int64_t bitRate, const AudioEncoderTest &opens);

struct AudioContext {
    std::string encoder; // the encoder FFmpeg will use (explicit or the container's default)
    int sampleRate = 0;  // the output's rate (asked, else the source's; 8000 for AMR-NB)
    int channels = 0;
};

// The audio rate change for a job, if one is needed.
std::optional<RateChange> planAudioRate(const OutputRequest &request, const AudioContext &audio,
                                        const AudioEncoderTest &opens);

// The video rate change for a job, if one is needed: a rate above "-maxrate",
// or above what the asked H.264 level allows, comes down to that limit.
std::optional<RateChange> planVideoRate(const OutputRequest &request,
                                        const std::string &videoEncoder);

} // namespace encoder
