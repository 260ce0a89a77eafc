#include "encoder_support.h"

#include "common/media.h"
#include "engine/jobrecord.h"
#include "engine/process.h"
#include "sources/gettime.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>

QString encoderProgram() { return programFile(QStringLiteral("register.dat")); }

EncoderResult runEncoder(const QStringList &args, const QProcessEnvironment &env,
                         const QString &workDir)
{
    EncoderResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workDir);
    process.setProcessEnvironment(env);
    process.start(encoderProgram(), args);
    if (!process.waitForStarted(10000))
        return result;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
    }
    result.output = process.readAll();
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    return result;
}

ProbeValues readProbeValues(const QByteArray &text)
{
    // As the probe reads it: Latin-1 text, consumed by its own step.
    probeDuration.clear();
    probeTotalRate.clear();
    probeVideoRate.clear();
    probeAudioRate.clear();
    probeFrameSize.clear();
    QString pending = QString::fromLatin1(text);
    handleProbeOutput(pending);
    return probeValues();
}

int encodedSeconds(const QByteArray &text) { return parseEncodedSeconds(QString::fromLatin1(text)); }

int clockSeconds(const QString &text) { return durationToSeconds(text); }

QList<QByteArray> outputLines(const QByteArray &output)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < output.size(); ++i) {
        if (output[i] != '\r' && output[i] != '\n')
            continue;
        qsizetype end = i + 1;
        if (output[i] == '\r' && end < output.size() && output[end] == '\n')
            ++end;
        lines << output.mid(start, end - start);
        start = end;
        i = end - 1;
    }
    if (start < output.size())
        lines << output.mid(start);
    return lines;
}

QList<int> runnerReading(const QByteArray &output)
{
    QList<int> shown;
    QString pending;
    for (const QByteArray &line : outputLines(output)) {
        for (qsizetype at = 0; at < line.size(); at += 256) {
            pending += QString::fromLatin1(line.mid(at, 256));
            consumeLines(pending, [&] {
                if (const int n = parseEncodedSeconds(pending))
                    shown << n;
            });
        }
    }
    return shown;
}

QList<pid_t> childrenOf(pid_t pid)
{
    QList<pid_t> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool ok = false;
        const pid_t candidate = entry.toInt(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(candidate));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // "pid (name) state ppid …": the name may hold blanks, so look after its ")".
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toInt() == pid && fields[0] != "Z")
            children << candidate;
    }
    return children;
}

bool isRunning(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const QByteArray state = text.mid(text.lastIndexOf(')') + 2, 1);
    return state != "Z" && state != "X";
}

bool waitEnded(pid_t pid, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (isRunning(pid)) {
        if (timer.elapsed() > ms)
            return false;
        QThread::msleep(20);
    }
    return true;
}
