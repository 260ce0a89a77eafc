#include "encoder/amr.h"

#include "encoder/clamp.h"

#include <algorithm>
#include <cstring>
#include <opencore-amrnb/interf_enc.h>

namespace encoder {
namespace {

constexpr std::size_t kFrameSamples = 160; // 20 ms at 8000 Hz
constexpr std::size_t kFrameBytes = kFrameSamples * 2;

} // namespace

AmrNbEncoder::AmrNbEncoder(int bitRate)
{
    const auto &rates = amrNbRates();
    const auto found = std::find(rates.begin(), rates.end(), bitRate);
    if (found == rates.end())
        return;
    mode_ = static_cast<int>(found - rates.begin()); // MR475 … MR122 in the same order
    state_ = Encoder_Interface_init(0);
}

AmrNbEncoder::~AmrNbEncoder()
{
    if (state_)
        Encoder_Interface_exit(state_);
}

std::string AmrNbEncoder::takeHeader()
{
    if (headerDone_)
        return {};
    headerDone_ = true;
    return "#!AMR\n";
}

std::string AmrNbEncoder::encodeFrame(const short *samples)
{
    unsigned char frame[64];
    const int n = Encoder_Interface_Encode(state_, static_cast<Mode>(mode_), samples, frame, 0);
    return n > 0 ? std::string(reinterpret_cast<const char *>(frame), static_cast<std::size_t>(n))
                 : std::string();
}

std::string AmrNbEncoder::feed(std::string_view pcm)
{
    std::string out = takeHeader();
    pending_.append(pcm);
    std::size_t used = 0;
    short samples[kFrameSamples];
    while (pending_.size() - used >= kFrameBytes) {
        for (std::size_t i = 0; i < kFrameSamples; ++i) {
            const auto lo = static_cast<unsigned char>(pending_[used + 2 * i]);
            const auto hi = static_cast<unsigned char>(pending_[used + 2 * i + 1]);
            samples[i] = static_cast<short>(lo | (hi << 8));
        }
        out += encodeFrame(samples);
        used += kFrameBytes;
    }
    pending_.erase(0, used);
    return out;
}

std::string AmrNbEncoder::finish()
{
    std::string out = takeHeader();
    if (!pending_.empty()) {
        pending_.resize(kFrameBytes, '\0');
        out += feed({});
    }
    return out;
}

} // namespace encoder
