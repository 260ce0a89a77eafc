// The probe's text rules: the rates, the frame size, one parse run, and the
// consuming of output that arrives in pieces.
#include "sources/gettime.h"

#include <gtest/gtest.h>

namespace {

const QString crlf = QStringLiteral("\r\n");

struct ProbeValues {
    QString duration, total, video, audio, frame;
};

ProbeValues current()
{
    return {probeDuration, probeTotalRate, probeVideoRate, probeAudioRate, probeFrameSize};
}

void setCurrent(const ProbeValues &v)
{
    probeDuration = v.duration;
    probeTotalRate = v.total;
    probeVideoRate = v.video;
    probeAudioRate = v.audio;
    probeFrameSize = v.frame;
}

void expectValues(const ProbeValues &expected, const char *what)
{
    const ProbeValues got = current();
    EXPECT_EQ(got.duration, expected.duration) << what;
    EXPECT_EQ(got.total, expected.total) << what;
    EXPECT_EQ(got.video, expected.video) << what;
    EXPECT_EQ(got.audio, expected.audio) << what;
    EXPECT_EQ(got.frame, expected.frame) << what;
}

TEST(ExtractRate, TakesTheWordBeforeKbsOnTheFirstLineWithTheKey)
{
    const struct {
        const char *text, *key, *rate;
    } cases[] = {
        {"  Duration: 00:01:30.52, start: 0.000000, bitrate: 1205 kb/s\r\n", "bitrate:", "1205"},
        {"Video: wmv3, yuv420p, 640x480, 1000 kb/s, 25 tbr\r", "Video:", "1000"},
        {"Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s\r", "Audio:", "128"},
        // No " kb/s" on that line.
        {"    Stream #0.0: Video: mpeg4, yuv420p, 320x240 [PAR 1:1 DAR 4:3], 25 tbr\r", "Video:", ""},
        {"  Duration: N/A, start: 0.000000, bitrate: N/A\r", "bitrate:", ""},
        // The key is missing, or its line has no CR yet.
        {"Audio: aac, 128 kb/s\r", "Video:", ""},
        {"Audio: aac, 128 kb/s", "Audio:", ""},
        {"Audio: aac, 128 kb/s\n", "Audio:", ""}, // LF alone ends no line here
        // The first line with the key counts, even without " kb/s".
        {"Video: a, 320x240\rVideo: b, 640x480, 900 kb/s\r", "Video:", ""},
        // " kb/s" may stand before the key.
        {"1000 kb/s then Video: x\r", "Video:", "1000"},
        // No blank among the ten characters before: those ten are taken.
        {"Audio: x,123456789012345 kb/s\r", "Audio:", "6789012345"},
        {"Audio: x,1234567890 kb/s\r", "Audio:", "1234567890"},
        {"Audio: x, 123456789 kb/s\r", "Audio:", "123456789"},
        {"Audio: x,  kb/s\r", "Audio:", ""},
        // The line starts after the previous CR; an LF stays at its front.
        {"a\r\n128 kb/s Audio:\r", "Audio:", "\n128"},
        {"a\r128 kb/s Audio:\r", "Audio:", "128"},
        {"Stream #0.1: Audio: ac3, 48000 Hz, 5.1, fltp, 448 kb/s (default)\r\n", "Audio:", "448"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(extractRate(QString::fromLatin1(c.text), QString::fromLatin1(c.key)),
                  QString::fromLatin1(c.rate))
            << c.text;
}

TEST(ExtractFrameSize, TakesTheTextAroundTheFirstLowercaseX)
{
    const struct {
        const char *text, *size;
    } cases[] = {
        {"    Stream #0.0: Video: mpeg4, yuv420p, 320x240 [PAR 1:1 DAR 4:3], 25 tbr\r\n", "320x240"},
        {"Video: wmv3, yuv420p, 640x480, 1000 kb/s, 25 tbr\r", "640x480"},
        {"Video: h264, yuv420p, 1920x1080, 25 tbr\r", "1920x1080"},
        {"Video: mpeg4 (xvid), 320x240\r", "(x"},              // the first x, whatever word
        {"Video: h264 (High) (avc1 / 0x31637661), 320x240\r", "0x31637661"},
        {"Video: mjpeg, yuvj420p, 320X240\r", ""},            // no lowercase x
        {"Video: a, 320x240", ""},                            // no CR yet
        {"Video: a, 320x240\n", ""},                          // LF alone ends no line here
        {"Audio: a\rVideo: b, 176x144\r", "176x144"},
        {"Video: b,176x144\r", "b,176x144"},                  // back to the blank
        {"Video: b, 12345678901x12345678901\r", "2345678901x1234567890"},
        {"Video: x\r", "x"},
        {"Video:x1\r", "Video:x1"},                          // the line's start ends the look back
        {"Video: a, 320x\r", "320x"},
        {"Video: first, 320x240\rVideo: second, 640x480\r", "320x240"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(extractFrameSize(QString::fromLatin1(c.text)), QString::fromLatin1(c.size))
            << c.text;
}

TEST(ParseProbeText, TakesTheDurationAnywhereAndTheOthersByLine)
{
    const QString description =
        QStringLiteral("Input #0, avi, from 'a.avi':") + crlf +
        QStringLiteral("  Duration: 00:01:30.52, start: 0.000000, bitrate: 1205 kb/s") + crlf +
        QStringLiteral("    Stream #0.0: Video: wmv3, yuv420p, 640x480, 1000 kb/s, 25 tbr") + crlf +
        QStringLiteral("    Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s") + crlf;
    const struct {
        const char *what;
        QString text;
        ProbeValues before, after;
    } cases[] = {
        {"full description", description, {"x", "x", "x", "x", "x"},
         {"00:01:30", "1205", "1000", "128", "640x480"}},
        {"no Duration keeps the old duration", QStringLiteral("Audio: a, 64 kb/s\r"),
         {"00:00:10", "1", "2", "3", "4x4"}, {"00:00:10", "", "", "64", ""}},
        {"a Duration without a CR is found",
         QStringLiteral("x\r  Duration: 00:00:07.00, start: 0"), {"", "9", "9", "9", "9"},
         {"00:00:07", "", "", "", ""}},
        {"N/A", QStringLiteral("  Duration: N/A, start: 0.000000, bitrate: N/A\r\n"),
         {}, {"N/A, sta", "", "", "", ""}},
        {"LF-only lines give only the duration",
         QString(description).replace(crlf, QStringLiteral("\n")), {"", "9", "9", "9", "9"},
         {"00:01:30", "", "", "", ""}},
        {"two video streams: the first serves",
         QStringLiteral("Video: mpeg4, 320x240\r\nVideo: h264, 640x480, 900 kb/s\r\n"), {},
         {"", "", "", "", "320x240"}},
        {"short text after Duration", QStringLiteral("Duration: 01"), {"z", "", "", "", ""},
         {"01", "", "", "", ""}},
    };
    for (const auto &c : cases) {
        setCurrent(c.before);
        parseProbeText(c.text);
        expectValues(c.after, c.what);
    }
}

TEST(HandleProbeOutput, ParsesOnlyTheTextNotYetConsumed)
{
    const QString duration =
        QStringLiteral("  Duration: 00:01:30.52, start: 0.000000, bitrate: 1205 kb/s");
    const QString video = QStringLiteral("    Stream #0.0: Video: mpeg4, yuv420p, 320x240, 25 tbr");
    const QString audio = QStringLiteral("    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s");
    const struct {
        const char *what;
        QStringList chunks;
        ProbeValues after;
        QString left;
    } cases[] = {
        {"one chunk", {duration + crlf + video + crlf + audio + crlf},
         {"00:01:30", "1205", "", "128", "320x240"}, ""},
        // A later read that lacks a line empties its value again: the
        // values are those of the last parse run.
        {"two reads", {duration + crlf, video + crlf + audio + crlf},
         {"00:01:30", "", "", "128", "320x240"}, ""},
        // A line split over two reads is whole in the second.
        {"split line", {duration.left(30), duration.mid(30) + crlf + audio + crlf},
         {"00:01:30", "1205", "", "128", ""}, ""},
        // A CR LF pair split over two reads: the LF starts the next text.
        {"split CR LF", {duration + QStringLiteral("\r"), QStringLiteral("\n") + audio + crlf},
         {"00:01:30", "", "", "128", ""}, ""},
        // A chunk without any line end is not parsed at all.
        {"no line end", {duration}, {"", "", "", "", ""}, duration},
        // The last line's CR has not arrived: the text waits.
        {"pending last line", {duration + crlf + audio},
         {"00:01:30", "1205", "", "", ""}, audio},
        {"LF only", {duration + QStringLiteral("\n") + audio + QStringLiteral("\n")},
         {"00:01:30", "", "", "", ""}, ""},
    };
    for (const auto &c : cases) {
        setCurrent({});
        QString pending;
        for (const QString &chunk : c.chunks) {
            pending += chunk;
            handleProbeOutput(pending);
        }
        expectValues(c.after, c.what);
        EXPECT_EQ(pending, c.left) << c.what;
    }
}

} // namespace
