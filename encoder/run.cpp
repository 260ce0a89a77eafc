#include "encoder/run.h"

#include "encoder/amr.h"
#include "encoder/clamp.h"
#include "encoder/describe.h"
#include "encoder/media.h"
#include "encoder/options.h"
#include "encoder/process.h"
#include "encoder/progress.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace encoder {
namespace {

constexpr const char *kFfmpeg = "ffmpeg";

// Ahead of every job's own options: no banner, no keyboard, a progress
// record at least four times a second.
const std::vector<std::string> kFfmpegHead = {kFfmpeg, "-hide_banner", "-nostdin", "-stats",
                                              "-stats_period", "0.25"};

void say(const std::string &line) { writeAll(STDOUT_FILENO, line + "\r\n"); }

int refuseDvdReference(const std::string &input)
{
    say("register.dat: " + printableText(input, kMaxPathBytes) +
        ": DVD references (vts://) are not read by this encoder program");
    return 1;
}

int startFailure(int error)
{
    if (error == ENOENT) {
        say("register.dat: ffmpeg was not found; install Debian's ffmpeg package");
        return 127;
    }
    say(std::string("register.dat: cannot run ffmpeg: ") + std::strerror(error));
    return 126;
}

struct ConsoleSource {
    int fd;
    LineSplitter splitter;
};

// Passes FFmpeg's console (one or more stderr pipes) on to our standard
// output, line by line, until every pipe has ended; closes the pipes.
void relayConsole(std::vector<int> fds)
{
    std::vector<ConsoleSource> sources;
    for (const int fd : fds)
        sources.push_back({fd, {}});
    std::vector<pollfd> polls;
    char buffer[4096];
    for (;;) {
        polls.clear();
        for (const ConsoleSource &source : sources)
            if (source.fd >= 0)
                polls.push_back({source.fd, POLLIN, 0});
        if (polls.empty())
            break;
        if (poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (ConsoleSource &source : sources) {
            if (source.fd < 0)
                continue;
            const ssize_t n = read(source.fd, buffer, sizeof buffer);
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            std::string out;
            if (n > 0) {
                for (const ConsoleLine &line : source.splitter.feed({buffer, static_cast<std::size_t>(n)}))
                    out += outputLine(line);
            } else {
                if (const auto rest = source.splitter.finish())
                    out += outputLine(*rest);
                close(source.fd);
                source.fd = -1;
            }
            // One write per read: whole lines reach the reader at once.
            writeAll(STDOUT_FILENO, out);
        }
    }
    for (const ConsoleSource &source : sources)
        if (source.fd >= 0)
            close(source.fd);
}

bool outputWritten(const std::string &output)
{
    if (output == "-")
        return true;
    struct stat info = {};
    if (stat(output.c_str(), &info) != 0)
        return false;
    return !S_ISREG(info.st_mode) || info.st_size > 0;
}

int finishJob(int status, const std::string &output)
{
    finishPendingSignal();
    if (status == 0 && !outputWritten(output)) {
        say("register.dat: no output was written to " + printableText(output, kMaxPathBytes));
        return 1;
    }
    return status;
}

std::string outputArgument(const std::string &output)
{
    return output == "-" ? output : ffmpegPath(output);
}

// Runs one FFmpeg with `args` (after the common head) and relays its console.
int runFfmpeg(const std::vector<std::string> &args, const std::string &output)
{
    std::vector<std::string> argv = kFfmpegHead;
    argv.insert(argv.end(), args.begin(), args.end());
    int console[2];
    if (!makePipe(console))
        return startFailure(errno);
    const Spawned ffmpeg = spawnChild(argv, -1, STDOUT_FILENO, console[1]);
    close(console[1]);
    if (ffmpeg.pid < 0) {
        close(console[0]);
        return startFailure(ffmpeg.error);
    }
    relayConsole({console[0]});
    return finishJob(waitChild(ffmpeg.pid), output);
}

std::vector<std::string> inputArguments(const CommandLine &line)
{
    std::vector<std::string> args = line.leading;
    args.push_back("-i");
    args.push_back(ffmpegPath(line.input));
    return args;
}

// A job whose audio is AMR-NB, which Debian's FFmpeg cannot encode: one
// FFmpeg decodes the audio to 8000 Hz mono samples, this program encodes
// them, and a second FFmpeg muxes the AMR stream (copied) with the video,
// whose console is the one relayed.
int runAmrJob(const CommandLine &line, int bitRate, bool withVideo,
              const std::vector<std::string> &videoExtra)
{
    const std::vector<std::string> decodeArgs = {
        kFfmpeg, "-hide_banner", "-nostdin", "-nostats", "-v",       "error",
        "-i",    ffmpegPath(line.input), "-map", "0:a:0", "-vn", "-sn", "-dn", "-ac", "1", "-ar",
        "8000",  "-c:a", "pcm_s16le", "-f", "s16le", "pipe:1"};

    std::vector<std::string> muxArgs = kFfmpegHead;
    const auto input = inputArguments(line);
    muxArgs.insert(muxArgs.end(), input.begin(), input.end());
    muxArgs.insert(muxArgs.end(), {"-thread_queue_size", "4096", "-f", "amr", "-i", "pipe:0"});
    if (withVideo)
        muxArgs.insert(muxArgs.end(), {"-map", "0:v:0?"});
    muxArgs.insert(muxArgs.end(), {"-map", "1:a:0"});
    const auto options = withoutAudioOptions(line.options);
    muxArgs.insert(muxArgs.end(), options.begin(), options.end());
    muxArgs.insert(muxArgs.end(), videoExtra.begin(), videoExtra.end());
    muxArgs.insert(muxArgs.end(), {"-c:a", "copy", outputArgument(line.output)});

    int pcm[2], amr[2], decodeConsole[2], muxConsole[2];
    if (!makePipe(pcm) || !makePipe(amr) || !makePipe(decodeConsole) || !makePipe(muxConsole))
        return startFailure(errno);
    const Spawned mux = spawnChild(muxArgs, amr[0], STDOUT_FILENO, muxConsole[1]);
    close(amr[0]);
    close(muxConsole[1]);
    if (mux.pid < 0) {
        for (const int fd : {pcm[0], pcm[1], amr[1], decodeConsole[0], decodeConsole[1], muxConsole[0]})
            close(fd);
        return startFailure(mux.error);
    }
    const Spawned decode = spawnChild(decodeArgs, -1, pcm[1], decodeConsole[1]);
    close(pcm[1]);
    close(decodeConsole[1]);
    if (decode.pid < 0)
        close(pcm[0]); // the muxer sees an empty AMR stream and fails

    std::atomic<bool> encodeFailed = false;
    std::atomic<bool> muxStoppedReading = false;
    std::thread relay([&] {
        AmrNbEncoder encoder(bitRate);
        if (!encoder.valid())
            encodeFailed = true;
        char buffer[16384];
        bool writing = encoder.valid();
        if (decode.pid >= 0) {
            for (;;) {
                const ssize_t n = read(pcm[0], buffer, sizeof buffer);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                if (writing && !writeAll(amr[1], encoder.feed({buffer, static_cast<std::size_t>(n)}))) {
                    // The muxer has all it wants ("-t"): the rest of the audio is not needed.
                    muxStoppedReading = true;
                    kill(decode.pid, SIGKILL);
                    break;
                }
            }
            close(pcm[0]);
        }
        if (writing && !muxStoppedReading)
            writeAll(amr[1], encoder.finish());
        close(amr[1]);
    });

    relayConsole({muxConsole[0], decodeConsole[0]});
    relay.join();
    const int muxStatus = waitChild(mux.pid);
    const int decodeStatus = decode.pid >= 0 ? waitChild(decode.pid) : 1;
    if (muxStatus != 0)
        return finishJob(muxStatus, line.output);
    if (encodeFailed || (!muxStoppedReading && decodeStatus != 0)) {
        finishPendingSignal();
        say("register.dat: the audio track could not be encoded as AMR-NB");
        return decodeStatus != 0 ? decodeStatus : 1;
    }
    return finishJob(0, line.output);
}

// "-i FILE": prints the description (one write) and returns 0, or prints
// FFmpeg's one-line error and returns 1.
int runProbe(const std::string &path)
{
    MediaDescription media;
    std::string error;
    if (!describeFile(path, media, error)) {
        writeAll(STDOUT_FILENO, probeErrorLine(path, error));
        return 1;
    }
    // The whole description in one write: the reader takes it in one chunk.
    writeAll(STDOUT_FILENO, formatDescription(media));
    return 0;
}

// "-y -i INPUT OPTIONS… OUTPUT": runs FFmpeg and relays its console; returns
// FFmpeg's status, 0 only when the output was written.
int runConversion(const CommandLine &line)
{
    const OutputRequest request = scanOptions(line.options);
    const std::string audioEncoder =
        request.audioCodec.empty() ? defaultEncoder(request.format, line.output, true) : request.audioCodec;
    const std::string videoEncoder =
        request.videoCodec.empty() ? defaultEncoder(request.format, line.output, false) : request.videoCodec;
    const bool amr = !request.noAudio && isAmrNbEncoderName(audioEncoder);

    std::vector<std::string> extra;
    const auto videoChange = planVideoRate(request, videoEncoder);
    if (videoChange) {
        say(videoChange->message);
        extra = videoChange->options;
    }

    if (amr) {
        const InputStreams input = inspectInput(line.input);
        const bool withVideo = !request.noVideo && !videoEncoder.empty();
        if (input.readable && input.hasAudio) {
            const auto change = planAudioRate(request, {audioEncoder, 8000, 1}, audioEncoderOpens);
            if (change)
                say(change->message);
            if ((request.sampleRate && request.sampleRate != 8000) || request.channels > 1)
                say("register.dat: AMR-NB takes 8000 Hz mono only; using -ar 8000 -ac 1");
            return runAmrJob(line, amrNbJobRate(request), withVideo, extra);
        }
        if (input.readable && withVideo) {
            // No audio to encode: the video alone.
            std::vector<std::string> args = inputArguments(line);
            const auto options = withoutAudioOptions(line.options);
            args.insert(args.end(), options.begin(), options.end());
            args.insert(args.end(), extra.begin(), extra.end());
            args.insert(args.end(), {"-an", outputArgument(line.output)});
            return runFfmpeg(args, line.output);
        }
        // An unreadable input, or an audio file without audio: FFmpeg says why.
    } else if (!request.noAudio && !request.audioBitRate.empty() && audioEncoder != "copy") {
        AudioContext audio{audioEncoder, request.sampleRate, request.channels};
        if (!audio.sampleRate || !audio.channels) {
            const InputStreams input = inspectInput(line.input);
            if (!audio.sampleRate)
                audio.sampleRate = input.sampleRate;
            if (!audio.channels)
                audio.channels = input.channels;
        }
        if (const auto change = planAudioRate(request, audio, audioEncoderOpens)) {
            say(change->message);
            extra.insert(extra.end(), change->options.begin(), change->options.end());
        }
    }

    std::vector<std::string> args = inputArguments(line);
    args.insert(args.end(), line.options.begin(), line.options.end());
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(outputArgument(line.output));
    return runFfmpeg(args, line.output);
}

} // namespace

int runCommandLine(const CommandLine &line)
{
    if (isDvdReference(line.input))
        return refuseDvdReference(line.input);
    quietLibav();
    return line.mode == CommandLine::Mode::Probe ? runProbe(line.input) : runConversion(line);
}

} // namespace encoder
