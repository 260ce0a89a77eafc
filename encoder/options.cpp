#include "encoder/options.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace encoder {
namespace {

// FFmpeg options that take no value.
constexpr std::array kFlags = {
    "-y",      "-n",        "-an",      "-vn",        "-sn",       "-dn",
    "-shortest", "-stats",  "-nostats", "-hide_banner", "-nostdin", "-stdin",
    "-copyts", "-start_at_zero", "-re", "-benchmark", "-benchmark_all", "-dump",
    "-hex",    "-ignore_unknown", "-debug_ts", "-xerror", "-vstats", "-psnr",
    "-qphist", "-accurate_seek", "-noaccurate_seek", "-seek_timestamp", "-copyinkf",
    "-intra",  "-autorotate", "-noautorotate", "-autoscale", "-noautoscale",
    "-deinterlace", "-sameq", "-same_quant", "-version", "-buildconf", "-formats",
    "-codecs", "-encoders", "-decoders", "-filters", "-pix_fmts", "-layouts", "-sample_fmts",
    "-bsfs",   "-protocols", "-h", "-help", "-L",
};

bool isFlag(std::string_view word)
{
    for (const char *flag : kFlags)
        if (word == flag)
            return true;
    return false;
}

// "-c:a", "-c:a:0", "-codec:a", "-acodec" and the like.
enum class Stream { Audio, Video, All, Other };

Stream streamOf(std::string_view option, std::string_view base)
{
    if (option == base)
        return Stream::All;
    if (option.size() > base.size() + 1 && option.starts_with(base) && option[base.size()] == ':') {
        const char kind = option[base.size() + 1];
        if (kind == 'a')
            return Stream::Audio;
        if (kind == 'v')
            return Stream::Video;
    }
    return Stream::Other;
}

bool isAudioOption(std::string_view option)
{
    if (option == "-acodec" || option == "-ab" || option == "-ar" || option == "-ac" ||
        option == "-af" || option == "-aq")
        return true;
    for (std::string_view base : {"-c", "-codec", "-b", "-filter", "-q", "-qscale"})
        if (streamOf(option, base) == Stream::Audio)
            return true;
    return option.starts_with("-ar:") || option.starts_with("-ac:");
}

int toInt(std::string_view text)
{
    const auto rate = parseBitRate(text);
    return rate && *rate > 0 && *rate < (1LL << 31) ? static_cast<int>(*rate) : 0;
}

// What "-target" sets, as FFmpeg's own table has it.
void applyTarget(std::string_view target, OutputRequest &request)
{
    std::string_view kind = target;
    for (std::string_view prefix : {"pal-", "ntsc-", "film-"})
        if (kind.starts_with(prefix))
            kind.remove_prefix(prefix.size());
    if (kind == "vcd") {
        request.format = "vcd";
        request.videoCodec = "mpeg1video";
        request.audioCodec = "mp2";
        request.sampleRate = 44100;
    } else if (kind == "svcd") {
        request.format = "svcd";
        request.videoCodec = "mpeg2video";
        request.audioCodec = "mp2";
        request.sampleRate = 44100;
    } else if (kind == "dvd") {
        request.format = "dvd";
        request.videoCodec = "mpeg2video";
        request.audioCodec = "ac3";
        request.sampleRate = 48000;
    }
}

} // namespace

std::optional<int64_t> parseBitRate(std::string_view text)
{
    const std::string copy(text);
    if (copy.empty())
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    double value = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || errno != 0 || !std::isfinite(value))
        return std::nullopt;
    std::string_view rest(end);
    double unit = 1;
    if (!rest.empty()) {
        switch (rest[0]) {
        case 'k':
        case 'K': unit = 1e3; break;
        case 'M': unit = 1e6; break;
        case 'G': unit = 1e9; break;
        default: return std::nullopt;
        }
        rest.remove_prefix(1);
        if (!rest.empty()) // binary or byte units ("Ki", "kB") too: rare, not guessed
            return std::nullopt;
    }
    value *= unit;
    if (value < 0 || value > 9e15)
        return std::nullopt;
    return static_cast<int64_t>(std::llround(value));
}

OutputRequest scanOptions(const std::vector<std::string> &options)
{
    OutputRequest request;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string &option = options[i];
        if (option.size() < 2 || option[0] != '-')
            continue;
        if (isFlag(option)) {
            if (option == "-an")
                request.noAudio = true;
            else if (option == "-vn")
                request.noVideo = true;
            continue;
        }
        if (i + 1 >= options.size())
            break;
        const std::string &value = options[++i];
        const Stream codec = option == "-acodec"   ? Stream::Audio
                             : option == "-vcodec" ? Stream::Video
                             : streamOf(option, "-c") != Stream::Other ? streamOf(option, "-c")
                                                                       : streamOf(option, "-codec");
        if (codec != Stream::Other) {
            if (codec == Stream::Audio || codec == Stream::All)
                request.audioCodec = value;
            if (codec == Stream::Video || codec == Stream::All)
                request.videoCodec = value;
        } else if (option == "-f") {
            request.format = value;
        } else if (option == "-target") {
            applyTarget(value, request);
        } else if (option == "-ar" || streamOf(option, "-ar") == Stream::Audio) {
            request.sampleRate = toInt(value);
        } else if (option == "-ac" || streamOf(option, "-ac") == Stream::Audio) {
            request.channels = toInt(value);
        } else if (option == "-ab" || streamOf(option, "-b") == Stream::Audio) {
            request.audioBitRate = value;
        } else if (option == "-b" || option == "-vb" || streamOf(option, "-b") == Stream::Video) {
            request.videoBitRate = value;
        } else if (option == "-maxrate" || streamOf(option, "-maxrate") == Stream::Video) {
            request.maxRate = value;
        } else if (option == "-level" || streamOf(option, "-level") == Stream::Video) {
            request.level = value;
        } else if (option == "-vprofile" || streamOf(option, "-profile") != Stream::Other) {
            if (streamOf(option, "-profile") != Stream::Audio)
                request.profile = value;
        }
    }
    return request;
}

bool isAmrNbEncoderName(std::string_view name)
{
    return name == "libopencore_amrnb" || name == "amr_nb" || name == "amrnb";
}

std::vector<std::string> withoutAudioOptions(const std::vector<std::string> &options)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string &word = options[i];
        if (word.size() >= 2 && word[0] == '-' && !isFlag(word)) {
            const bool drop = isAudioOption(word);
            if (!drop)
                kept.push_back(word);
            if (i + 1 < options.size()) {
                if (!drop)
                    kept.push_back(options[i + 1]);
                ++i;
            }
            continue;
        }
        kept.push_back(word);
    }
    return kept;
}

} // namespace encoder
