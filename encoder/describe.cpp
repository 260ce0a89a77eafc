#include "encoder/describe.h"

#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace encoder {
namespace {

constexpr std::size_t kNameBytes = 96;   // a file name on the Input line
constexpr std::size_t kFieldBytes = 48;  // codec, profile, format and layout names
constexpr const char *kEol = "\r\n";

std::string printf_string(const char *format, auto... args)
{
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer, n < 0 ? 0 : std::min<std::size_t>(n, sizeof buffer - 1));
}

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A library-made name (codec, layout…): printable and of bounded length.
std::string field(std::string_view text) { return printableName(text, kFieldBytes); }

std::string baseName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string videoLine(const VideoStreamInfo &v)
{
    std::string line = "    Stream #0." + std::to_string(v.index) + ": Video: ";
    line += hideLowercaseX(field(v.codec));
    if (!v.profile.empty())
        line += " (" + hideLowercaseX(field(v.profile)) + ")";
    if (!v.pixelFormat.empty())
        line += ", " + hideLowercaseX(field(v.pixelFormat));
    if (v.width > 0 && v.height > 0)
        line += ", " + std::to_string(v.width) + "x" + std::to_string(v.height);
    if (v.bitRate > 0)
        line += ", " + std::to_string(v.bitRate / 1000) + " kb/s";
    if (v.frameRate > 0)
        line += ", " + formatFrameRate(v.frameRate) + " tbr";
    return line + kEol;
}

std::string audioLine(const AudioStreamInfo &a)
{
    std::string line = "    Stream #0." + std::to_string(a.index) + ": Audio: " + field(a.codec);
    if (!a.profile.empty())
        line += " (" + field(a.profile) + ")";
    if (a.sampleRate > 0)
        line += ", " + std::to_string(a.sampleRate) + " Hz";
    if (!a.layout.empty())
        line += ", " + field(a.layout);
    if (!a.sampleFormat.empty())
        line += ", " + field(a.sampleFormat);
    if (a.bitRate > 0)
        line += ", " + std::to_string(a.bitRate / 1000) + " kb/s";
    return line + kEol;
}

// The container's rate in kb/s: its own, else size * 8 / duration, else "N/A".
std::string formatTotalRate(const MediaDescription &media)
{
    if (media.bitRate > 0)
        return std::to_string(media.bitRate / 1000) + " kb/s";
    if (media.duration && *media.duration > 0 && media.fileSize > 0) {
        const double bits = static_cast<double>(media.fileSize) * 8.0;
        const double seconds = static_cast<double>(*media.duration) / 1e6;
        return std::to_string(static_cast<int64_t>(bits / seconds / 1000.0)) + " kb/s";
    }
    return "N/A";
}

} // namespace

std::string formatDuration(int64_t microseconds)
{
    constexpr int64_t kLimit = 100LL * 3600 * 1000000; // 100 hours
    int64_t t = microseconds < 0 ? 0 : microseconds;
    t += 5000; // to the nearest hundredth, as FFmpeg rounds it
    if (t >= kLimit)
        return "99:59:59.99";
    const int64_t centis = (t % 1000000) / 10000;
    int64_t secs = t / 1000000;
    const int64_t hours = secs / 3600;
    secs %= 3600;
    return printf_string("%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%02" PRId64, hours, secs / 60,
                         secs % 60, centis);
}

std::string formatStart(int64_t microseconds)
{
    const uint64_t magnitude =
        microseconds < 0 ? 0 - static_cast<uint64_t>(microseconds) : static_cast<uint64_t>(microseconds);
    return printf_string("%s%" PRIu64 ".%06" PRIu64, microseconds < 0 ? "-" : "",
                         magnitude / 1000000, magnitude % 1000000);
}

std::string formatFrameRate(double rate)
{
    const long v = std::lrint(rate * 100);
    if (v == 0)
        return printf_string("%1.4f", rate);
    if (v % 100)
        return printf_string("%3.2f", rate);
    if (v % (100 * 1000))
        return printf_string("%1.0f", rate);
    return printf_string("%1.0fk", rate / 1000);
}

std::string printableName(std::string_view name, std::size_t maxBytes)
{
    std::string text(name);
    for (char &c : text)
        if (c == ':')
            c = '_';
    return printableText(text, maxBytes);
}

std::string printableText(std::string_view text, std::size_t maxBytes)
{
    std::string clean;
    clean.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        clean += u < 0x20 || u == 0x7F ? '?' : c;
    }
    if (clean.size() <= maxBytes)
        return clean;
    if (maxBytes < 8)
        return clean.substr(0, maxBytes);
    const std::size_t keep = maxBytes - 3;
    std::size_t head = keep * 2 / 3;
    while (head > 0 && isUtf8Continuation(clean[head]))
        --head;
    std::size_t tail = clean.size() - (keep - head);
    while (tail < clean.size() && isUtf8Continuation(clean[tail]))
        ++tail;
    return clean.substr(0, head) + "..." + clean.substr(tail);
}

std::string hideLowercaseX(std::string_view word)
{
    std::string result(word);
    if (result.find('x') == std::string::npos)
        return result;
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string probeErrorLine(std::string_view path, std::string_view message)
{
    return printableName(path, kMaxPathBytes) + ": " + std::string(message) + kEol;
}

std::string formatDescription(const MediaDescription &media)
{
    std::string text = "Input #0, " + field(media.formatName) + ", from '" +
                       printableName(baseName(media.path), kNameBytes) + "':" + kEol;
    text += "  Duration: ";
    text += media.duration && *media.duration >= 0 ? formatDuration(*media.duration) : "N/A";
    if (media.start)
        text += ", start: " + formatStart(*media.start);
    text += ", bitrate: " + formatTotalRate(media) + kEol;

    // Streams in their file order, as FFmpeg lists them.
    const bool videoFirst = media.video && (!media.audio || media.video->index < media.audio->index);
    if (videoFirst)
        text += videoLine(*media.video);
    if (media.audio)
        text += audioLine(*media.audio);
    if (media.video && !videoFirst)
        text += videoLine(*media.video);
    return text;
}

} // namespace encoder
