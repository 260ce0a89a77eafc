#include "encoder/media.h"

#include "encoder/cmdline.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
#include <libavutil/samplefmt.h>
}

#include <climits>
#include <cstdlib>

namespace encoder {
namespace {

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct InputContext {
    AVFormatContext *ctx = nullptr;
    ~InputContext() { avformat_close_input(&ctx); }
};

// Opens and reads the stream parameters, as FFmpeg does before it lists a file.
int openInput(const std::string &path, InputContext &input)
{
    const int status = avformat_open_input(&input.ctx, ffmpegPath(path).c_str(), nullptr, nullptr);
    if (status < 0)
        return status;
    // A failure here still leaves what could be learned, as with FFmpeg.
    avformat_find_stream_info(input.ctx, nullptr);
    return 0;
}

const AVStream *firstStream(const AVFormatContext *ctx, AVMediaType type)
{
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream *st = ctx->streams[i];
        if (st->codecpar->codec_type != type)
            continue;
        // A cover picture is no video.
        if (type == AVMEDIA_TYPE_VIDEO && (st->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        return st;
    }
    return nullptr;
}

std::string profileName(const AVCodecParameters *par)
{
    const char *name = avcodec_profile_name(par->codec_id, par->profile);
    return name ? name : "";
}

// The audio stream's rate as FFmpeg prints it: computed for PCM-like codecs.
int64_t audioBitRate(const AVCodecParameters *par)
{
    const int bits = av_get_bits_per_sample(par->codec_id);
    if (bits > 0) {
        const int64_t rate = static_cast<int64_t>(par->sample_rate) * par->ch_layout.nb_channels;
        return rate > INT64_MAX / bits ? 0 : rate * bits;
    }
    return par->bit_rate;
}

} // namespace

void quietLibav() { av_log_set_level(AV_LOG_QUIET); }

bool describeFile(const std::string &path, MediaDescription &media, std::string &error)
{
    InputContext input;
    if (const int status = openInput(path, input); status < 0) {
        error = errorText(status);
        return false;
    }
    const AVFormatContext *ctx = input.ctx;
    media = {};
    media.path = path;
    media.formatName = ctx->iformat->name;
    if (ctx->duration != AV_NOPTS_VALUE)
        media.duration = ctx->duration;
    if (ctx->start_time != AV_NOPTS_VALUE)
        media.start = ctx->start_time;
    media.bitRate = ctx->bit_rate;
    if (ctx->pb)
        media.fileSize = avio_size(ctx->pb);

    if (const AVStream *st = firstStream(ctx, AVMEDIA_TYPE_VIDEO)) {
        const AVCodecParameters *par = st->codecpar;
        VideoStreamInfo video;
        video.index = st->index;
        video.codec = avcodec_get_name(par->codec_id);
        video.profile = profileName(par);
        if (const char *format = av_get_pix_fmt_name(static_cast<AVPixelFormat>(par->format)))
            video.pixelFormat = format;
        video.width = par->width;
        video.height = par->height;
        video.bitRate = par->bit_rate;
        if (st->r_frame_rate.num > 0 && st->r_frame_rate.den > 0)
            video.frameRate = av_q2d(st->r_frame_rate);
        media.video = video;
    }
    if (const AVStream *st = firstStream(ctx, AVMEDIA_TYPE_AUDIO)) {
        const AVCodecParameters *par = st->codecpar;
        AudioStreamInfo audio;
        audio.index = st->index;
        audio.codec = avcodec_get_name(par->codec_id);
        audio.profile = profileName(par);
        audio.sampleRate = par->sample_rate;
        if (par->ch_layout.nb_channels > 0) {
            // An unspecified layout is described by its usual one, as FFmpeg guesses it.
            AVChannelLayout guessed;
            if (par->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
                av_channel_layout_default(&guessed, par->ch_layout.nb_channels);
            else
                av_channel_layout_copy(&guessed, &par->ch_layout);
            char layout[128] = {};
            if (av_channel_layout_describe(&guessed, layout, sizeof layout) > 0)
                audio.layout = layout;
            av_channel_layout_uninit(&guessed);
        }
        if (const char *format = av_get_sample_fmt_name(static_cast<AVSampleFormat>(par->format)))
            audio.sampleFormat = format;
        audio.bitRate = audioBitRate(par);
        media.audio = audio;
    }
    return true;
}

InputStreams inspectInput(const std::string &path)
{
    InputStreams streams;
    InputContext input;
    if (openInput(path, input) < 0)
        return streams;
    streams.readable = true;
    if (const AVStream *st = firstStream(input.ctx, AVMEDIA_TYPE_AUDIO)) {
        streams.hasAudio = true;
        streams.sampleRate = st->codecpar->sample_rate;
        streams.channels = st->codecpar->ch_layout.nb_channels;
    }
    return streams;
}

std::string defaultEncoder(const std::string &format, const std::string &output, bool audio)
{
    const AVOutputFormat *muxer =
        av_guess_format(format.empty() ? nullptr : format.c_str(), output.c_str(), nullptr);
    if (!muxer)
        return {};
    const AVCodecID id = audio ? muxer->audio_codec : muxer->video_codec;
    if (id == AV_CODEC_ID_NONE)
        return {};
    if (const AVCodec *codec = avcodec_find_encoder(id))
        return codec->name;
    return avcodec_get_name(id); // no encoder in this build (amr_nb)
}

bool audioEncoderOpens(const std::string &encoder, int sampleRate, int channels, int64_t bitRate)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(encoder.c_str());
    if (!codec || codec->type != AVMEDIA_TYPE_AUDIO)
        return false;
    AVCodecContext *ctx = avcodec_alloc_context3(codec);
    if (!ctx)
        return false;
    int rate = sampleRate > 0 ? sampleRate : 44100;
    if (codec->supported_samplerates) {
        int best = codec->supported_samplerates[0];
        for (const int *r = codec->supported_samplerates; *r; ++r)
            if (std::abs(*r - rate) < std::abs(best - rate))
                best = *r;
        rate = best;
    }
    AVChannelLayout layout;
    av_channel_layout_default(&layout, channels > 0 ? channels : 2);
    if (codec->ch_layouts) {
        bool listed = false;
        for (const AVChannelLayout *l = codec->ch_layouts; l->nb_channels; ++l)
            listed = listed || l->nb_channels == layout.nb_channels;
        if (!listed) {
            av_channel_layout_uninit(&layout);
            av_channel_layout_copy(&layout, &codec->ch_layouts[0]);
        }
    }
    ctx->sample_rate = rate;
    av_channel_layout_copy(&ctx->ch_layout, &layout);
    av_channel_layout_uninit(&layout);
    ctx->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    ctx->time_base = AVRational{1, rate};
    ctx->bit_rate = bitRate;
    const bool opened = avcodec_open2(ctx, codec, nullptr) >= 0;
    avcodec_free_context(&ctx);
    return opened;
}

} // namespace encoder
