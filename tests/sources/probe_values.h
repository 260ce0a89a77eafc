// The five probe results as one value, for tests.
#pragma once

#include "sources/gettime.h"

#include <ostream>

struct ProbeValues {
    QString duration, total, video, audio, frame;
    bool operator==(const ProbeValues &) const = default;
};

inline ProbeValues probeValues()
{
    return {probeDuration, probeTotalRate, probeVideoRate, probeAudioRate, probeFrameSize};
}

inline void setProbeValues(const ProbeValues &v)
{
    probeDuration = v.duration;
    probeTotalRate = v.total;
    probeVideoRate = v.video;
    probeAudioRate = v.audio;
    probeFrameSize = v.frame;
}

inline std::ostream &operator<<(std::ostream &out, const ProbeValues &v)
{
    return out << '[' << v.duration.toStdString() << '|' << v.total.toStdString() << '|'
               << v.video.toStdString() << '|' << v.audio.toStdString() << '|'
               << v.frame.toStdString() << ']';
}
