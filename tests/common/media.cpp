#include "common/media.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace {
bool run(const QString &program, const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return false;
    process.closeWriteChannel();
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

bool runFfmpeg(const QStringList &args, QString *errors)
{
    QByteArray err;
    const bool ok = run(QStringLiteral("ffmpeg"),
                        QStringList{"-hide_banner", "-nostdin", "-y", "-v", "error"} + args, nullptr,
                        &err);
    if (errors)
        *errors = QString::fromLocal8Bit(err);
    return ok;
}

bool makeClip(const QString &path, const ClipSpec &spec)
{
    QStringList args;
    const QString seconds = QString::number(spec.seconds);
    if (!spec.size.isEmpty())
        args << "-f" << "lavfi" << "-i"
             << QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3").arg(spec.size).arg(spec.rate).arg(seconds);
    if (spec.audio)
        args << "-f" << "lavfi" << "-i"
             << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2").arg(spec.sampleRate).arg(seconds);
    if (spec.audio)
        args << "-ac" << QString::number(spec.channels);
    args << spec.codecArgs << path;
    return runFfmpeg(args);
}

QJsonObject ffprobe(const QString &path)
{
    QByteArray out;
    if (!run(QStringLiteral("ffprobe"),
             {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path}, &out,
             nullptr))
        return {};
    return QJsonDocument::fromJson(out).object();
}

QJsonObject firstStream(const QJsonObject &probe, const QString &type)
{
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        if (stream.toObject().value(QStringLiteral("codec_type")).toString() == type)
            return stream.toObject();
    return {};
}

bool decodesCleanly(const QString &path, QString *errors)
{
    QString err;
    const bool ok = runFfmpeg({"-i", path, "-f", "null", "-"}, &err);
    if (errors)
        *errors = err;
    return ok && err.trimmed().isEmpty();
}

QString programFile(const QString &name)
{
    return QStringLiteral(PROGRAM_DIR) + name;
}
