// AMR-NB encoding with libopencore-amrnb: 8000 Hz mono 16-bit samples in,
// an ".amr" storage stream out ("#!AMR\n", then one frame per 20 ms).
#pragma once

#include <string>
#include <string_view>

namespace encoder {

class AmrNbEncoder
{
public:
    // `bitRate` must be one of the eight AMR-NB rates (amrNbRates()).
    explicit AmrNbEncoder(int bitRate);
    ~AmrNbEncoder();
    AmrNbEncoder(const AmrNbEncoder &) = delete;
    AmrNbEncoder &operator=(const AmrNbEncoder &) = delete;

    bool valid() const { return state_ != nullptr; }

    // Signed 16-bit little-endian samples in; the bytes of the stream that
    // are complete so far out (the header first).
    std::string feed(std::string_view pcm);
    // The last frame, padded with silence, once the samples have ended.
    std::string finish();

private:
    std::string encodeFrame(const short *samples);
    std::string takeHeader();

    void *state_ = nullptr;
    int mode_ = 0;
    bool headerDone_ = false;
    std::string pending_; // bytes of a frame not yet complete
};

} // namespace encoder
