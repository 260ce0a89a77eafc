#include "encoder_support.h"

#include "common/media.h"

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

namespace {

// The lines that the rate and size rules see: cut after every CR, each
// keeping its CR; text after the last CR is no line.
QList<QByteArray> crLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == '\r') {
            lines << text.mid(start, i + 1 - start);
            start = i + 1;
        }
    return lines;
}

QByteArray extractRate(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : crLines(text)) {
        if (!line.contains(key))
            continue;
        const qsizetype p = line.indexOf(" kb/s");
        if (p < 0)
            return {};
        int d = 11;
        for (int k = 1; k <= 10; ++k)
            if (p - k >= 0 && line[p - k] == ' ') {
                d = k;
                break;
            }
        return line.mid(std::max<qsizetype>(0, p - (d - 1)), d - 1);
    }
    return {};
}

QByteArray extractFrameSize(const QByteArray &text)
{
    for (const QByteArray &line : crLines(text)) {
        const qsizetype v = line.indexOf("Video:");
        if (v < 0)
            continue;
        const QByteArray part = line.mid(v, line.size() - 1 - v);
        const qsizetype x = part.indexOf('x');
        if (x < 0)
            return {};
        int a = 11;
        for (int k = 1; k <= 10; ++k)
            if (x - k >= 0 && part[x - k] == ' ') {
                a = k;
                break;
            }
        int b = 11;
        for (int k = 1; k <= 10; ++k)
            if (x + k >= part.size() || part[x + k] < '0' || part[x + k] > '9') {
                b = k;
                break;
            }
        return part.mid(x - (a - 1), a + b - 1);
    }
    return {};
}

} // namespace

ProbeValues readProbeValues(const QByteArray &text)
{
    ProbeValues values;
    const qsizetype d = text.indexOf("Duration:");
    if (d >= 0)
        values.duration = text.mid(d + 10, 8);
    values.totalRate = extractRate(text, "bitrate:");
    values.videoRate = extractRate(text, "Video:");
    values.audioRate = extractRate(text, "Audio:");
    values.frameSize = extractFrameSize(text);
    return values;
}

int encodedSeconds(const QByteArray &text)
{
    const qsizetype p = text.indexOf("time=");
    const qsizetype q = text.indexOf("bitrate=");
    if (p < 0 || q < 0 || q <= p)
        return 0;
    const qsizetype dot = text.indexOf('.', p + 5);
    if (dot < 0 || dot > q)
        return 0;
    bool ok = false;
    const int n = text.mid(p + 5, dot - p - 5).toInt(&ok);
    return ok ? n : 0;
}

int clockSeconds(const QByteArray &text)
{
    bool ok1 = false, ok2 = false, ok3 = false;
    const int h = text.mid(0, 2).toInt(&ok1);
    const int m = text.mid(3, 2).toInt(&ok2);
    const int s = text.mid(6, 2).toInt(&ok3);
    return ok1 && ok2 && ok3 ? h * 3600 + m * 60 + s : 0;
}

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
