// Setting and printing the five probe results, for tests.
#pragma once

#include "sources/gettime.h"

#include <ostream>

// Sets the five probe results, as a probe before the test would have.
inline void setProbeValues(const ProbeValues &v)
{
    probeDuration = v.duration;
    probeTotalRate = v.totalRate;
    probeVideoRate = v.videoRate;
    probeAudioRate = v.audioRate;
    probeFrameSize = v.frameSize;
}

inline std::ostream &operator<<(std::ostream &out, const ProbeValues &v)
{
    return out << '[' << v.duration.toStdString() << '|' << v.totalRate.toStdString() << '|'
               << v.videoRate.toStdString() << '|' << v.audioRate.toStdString() << '|'
               << v.frameSize.toStdString() << ']';
}
