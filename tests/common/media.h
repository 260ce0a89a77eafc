// Real media for tests: small clips made with ffmpeg's lavfi sources at test
// time, and ffprobe's view of a file.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// Runs ffmpeg with `args` (after "-hide_banner -nostdin -y -v error") and
// returns true when it exits 0.
bool runFfmpeg(const QStringList &args, QString *errors = nullptr);

struct ClipSpec {
    double seconds = 2.0;
    QString size = QStringLiteral("320x240"); // empty: no video stream
    int rate = 25;
    bool audio = true;
    int sampleRate = 44100;
    int channels = 2;
    // Codec options placed before the output name, such as
    // {"-c:v", "mpeg4", "-c:a", "libmp3lame"}; empty: the container's defaults.
    QStringList codecArgs;
};

// Makes a clip (testsrc2 picture, sine tone) at `path`; true on success.
bool makeClip(const QString &path, const ClipSpec &spec = {});

// ffprobe's JSON (-show_format -show_streams) for `path`; empty on failure.
QJsonObject ffprobe(const QString &path);
// The first stream of `type` ("video" or "audio") in ffprobe's JSON; empty when none.
QJsonObject firstStream(const QJsonObject &probe, const QString &type);

// True when ffmpeg decodes the whole file without an error message.
bool decodesCleanly(const QString &path, QString *errors = nullptr);

// A file in the program folder (build/bin/).
QString programFile(const QString &name);
