// AMR-NB frames from libopencore-amrnb.
#include "encoder/amr.h"
#include "encoder/clamp.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace encoder;

TEST(AmrNb, StreamHeaderAndFramesPerRate)
{
    // Bytes per 20 ms frame (with its table-of-contents byte) for each rate.
    const int frameBytes[] = {13, 14, 16, 18, 20, 21, 27, 32};
    std::string pcm;
    for (int i = 0; i < 8000; ++i) { // one second of a 440 Hz tone
        const auto sample = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * i / 8000.0));
        pcm += static_cast<char>(sample & 0xFF);
        pcm += static_cast<char>((sample >> 8) & 0xFF);
    }
    for (std::size_t m = 0; m < amrNbRates().size(); ++m) {
        AmrNbEncoder encoder(amrNbRates()[m]);
        ASSERT_TRUE(encoder.valid());
        // Fed in uneven pieces, plus half a frame that finish() pads.
        std::string out = encoder.feed(std::string_view(pcm).substr(0, 1001));
        out += encoder.feed(std::string_view(pcm).substr(1001));
        out += encoder.feed(std::string(160, '\0'));
        out += encoder.finish();
        ASSERT_EQ(out.substr(0, 6), "#!AMR\n");
        EXPECT_EQ(out.size(), 6u + 51u * frameBytes[m]) << amrNbRates()[m];
        EXPECT_EQ((static_cast<unsigned char>(out[6]) >> 3) & 0x0F, static_cast<int>(m));
    }
    EXPECT_FALSE(AmrNbEncoder(12000).valid());
}
