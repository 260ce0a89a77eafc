#include "encoder/clamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace encoder {
namespace {

// The bit rates tried when a codec refuses the asked one: the steps of the
// MPEG audio, AC-3 and common encoder tables.
constexpr std::array<int64_t, 24> kAudioSteps = {
    8000,   16000,  24000,  32000,  40000,  48000,  56000,  64000,
    80000,  96000,  112000, 128000, 144000, 160000, 192000, 224000,
    256000, 320000, 384000, 448000, 512000, 576000, 640000, 768000};

struct LevelLimit {
    int idc;        // level × 10; 9 for "1b"
    int64_t maxBR;  // units of 1000 bit/s for Baseline and Main
};

constexpr std::array<LevelLimit, 20> kH264Levels = {{
    {9, 128},       {10, 64},       {11, 192},      {12, 384},      {13, 768},
    {20, 2000},     {21, 4000},     {22, 4000},     {30, 10000},    {31, 14000},
    {32, 20000},    {40, 20000},    {41, 50000},    {42, 50000},    {50, 135000},
    {51, 240000},   {52, 240000},   {60, 240000},   {61, 480000},   {62, 800000},
}};

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string displayCodec(const std::string &encoder)
{
    return isAmrNbEncoderName(encoder) ? std::string("AMR-NB") : encoder;
}

} // namespace

const std::vector<int> &amrNbRates()
{
    static const std::vector<int> rates = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
    return rates;
}

int nearestAmrNbRate(int64_t bitRate)
{
    int best = amrNbRates().front();
    for (const int rate : amrNbRates())
        if (rate <= bitRate)
            best = rate;
    return best;
}

int amrNbJobRate(const OutputRequest &request)
{
    if (request.audioBitRate.empty())
        return 12200;
    return nearestAmrNbRate(parseBitRate(request.audioBitRate).value_or(12200));
}

std::optional<int64_t> h264LevelMaxBitRate(std::string_view level, std::string_view profile)
{
    const std::string text = lower(level);
    int idc = 0;
    if (text == "1b" || text == "1.0b" || text == "9") {
        idc = 9;
    } else {
        char *end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !(value > 0))
            return std::nullopt;
        // As x264 reads it: "3.1" is level 31, "31" too.
        idc = value < 7 ? static_cast<int>(value * 10 + 0.5) : static_cast<int>(value);
    }
    const auto limit = std::find_if(kH264Levels.begin(), kH264Levels.end(),
                                    [idc](const LevelLimit &l) { return l.idc == idc; });
    if (limit == kH264Levels.end())
        return std::nullopt;
    // The H.264 per-profile bit-rate factor (cpbBrVclFactor).
    const std::string p = lower(profile);
    int64_t factor = 1250; // x264 writes High unless told otherwise
    if (p == "baseline" || p == "main" || p == "extended" || p == "constrained_baseline")
        factor = 1000;
    else if (p == "high10")
        factor = 3000;
    else if (p == "high422" || p == "high444" || p == "high444p" || p == "high444_predictive")
        factor = 4000;
    return limit->maxBR * factor;
}

std::optional<int64_t> fittingAudioBitRate(const std::string &encoder, int sampleRate, int channels,
                                           int64_t bitRate, const AudioEncoderTest &opens)
{
    if (opens(encoder, sampleRate, channels, bitRate))
        return std::nullopt;
    for (auto step = kAudioSteps.rbegin(); step != kAudioSteps.rend(); ++step)
        if (*step < bitRate && opens(encoder, sampleRate, channels, *step))
            return *step;
    for (const int64_t step : kAudioSteps)
        if (step > bitRate && opens(encoder, sampleRate, channels, step))
            return step;
    return std::nullopt;
}

std::optional<RateChange> planAudioRate(const OutputRequest &request, const AudioContext &audio,
                                        const AudioEncoderTest &opens)
{
    if (request.noAudio || request.audioBitRate.empty() || audio.encoder.empty() ||
        audio.encoder == "copy")
        return std::nullopt;
    const auto asked = parseBitRate(request.audioBitRate);
    if (!asked || *asked <= 0)
        return std::nullopt;
    std::optional<int64_t> use;
    if (isAmrNbEncoderName(audio.encoder)) {
        if (const int rate = amrNbJobRate(request); rate != *asked)
            use = rate;
    } else {
        use = fittingAudioBitRate(audio.encoder, audio.sampleRate, audio.channels, *asked, opens);
    }
    if (!use)
        return std::nullopt;
    RateChange change;
    change.options = {"-b:a", std::to_string(*use)};
    change.message = "register.dat: audio bit rate " + std::to_string(*asked) + " is " +
                     (*use < *asked ? "above" : "below") + " what " + displayCodec(audio.encoder) +
                     " takes at " + std::to_string(audio.sampleRate) + " Hz; using " +
                     std::to_string(*use);
    return change;
}

std::optional<RateChange> planVideoRate(const OutputRequest &request, const std::string &videoEncoder)
{
    if (request.noVideo || request.videoBitRate.empty() || videoEncoder == "copy")
        return std::nullopt;
    const auto asked = parseBitRate(request.videoBitRate);
    if (!asked || *asked <= 0)
        return std::nullopt;
    int64_t use = *asked;
    std::string reason;
    if (const auto maxRate = parseBitRate(request.maxRate); maxRate && *maxRate > 0 && *maxRate < use) {
        use = *maxRate;
        reason = "the maximum rate " + request.maxRate + " allows";
    }
    if (videoEncoder == "libx264" || videoEncoder == "libx264rgb") {
        const auto limit = h264LevelMaxBitRate(request.level, request.profile);
        if (limit && *limit < use) {
            use = *limit;
            reason = "what H.264 level " + request.level + " allows";
        }
    }
    if (use == *asked)
        return std::nullopt;
    RateChange change;
    change.options = {"-b:v", std::to_string(use)};
    change.message = "register.dat: video bit rate " + std::to_string(*asked) + " is above " +
                     reason + "; using " + std::to_string(use);
    return change;
}

} // namespace encoder
