#include "sources/gettime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

QString probeDuration;
QString probeTotalRate;
QString probeVideoRate;
QString probeAudioRate;
QString probeFrameSize;
std::atomic<bool> probing{false};

namespace {

// The running probe's process and waiter (user-interface thread only).
ChildProcess probeProcess;
QPointer<TtimeClientWaitThread> probeWaiter;
// The innermost waitForProbe loop, woken when a probe ends.
QEventLoop *probeWaitLoop = nullptr;

QObject *uiContext()
{
    return QCoreApplication::instance();
}

// The first line holding `key`, its closing CR included; lines end after
// every CR, and text after the last CR is not a line. Empty when none.
QString firstLineWith(const QString &text, const QString &key)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0)
            return {};
        const QString line = text.mid(start, cr + 1 - start);
        if (line.contains(key))
            return line;
        start = cr + 1;
    }
}

// Looks back from `at` (exclusive) at most 10 characters for a blank and
// returns its distance: 11 when none of the ten is a blank. The start of
// `text` counts as a blank.
int distanceBackToBlank(const QString &text, qsizetype at)
{
    for (int k = 1; k <= 10; ++k) {
        const qsizetype i = at - k;
        if (i < 0 || text[i] == u' ')
            return k;
    }
    return 11;
}

// The end step of a probe: the encoder has ended and its output is read.
void finishProbe()
{
    releaseChild(probeProcess);
}

} // namespace

QString extractRate(const QString &text, const QString &key)
{
    const QString line = firstLineWith(text, key);
    if (line.isEmpty())
        return {};
    const qsizetype p = line.indexOf(QStringLiteral(" kb/s"));
    if (p < 0)
        return {};
    const int d = distanceBackToBlank(line, p);
    return line.mid(p - (d - 1), d - 1);
}

QString extractFrameSize(const QString &text)
{
    static const QString videoKey = QStringLiteral("Video:");
    const QString line = firstLineWith(text, videoKey);
    if (line.isEmpty())
        return {};
    const qsizetype from = line.indexOf(videoKey);
    const QString part = line.mid(from, line.size() - 1 - from);
    const qsizetype x = part.indexOf(u'x');
    if (x < 0)
        return {};
    const int a = distanceBackToBlank(part, x);
    int b = 11;
    for (int k = 1; k <= 10; ++k) {
        const qsizetype i = x + k;
        if (i >= part.size() || part[i] < u'0' || part[i] > u'9') {
            b = k;
            break;
        }
    }
    return part.mid(x - (a - 1), a + b - 1);
}

void parseProbeText(const QString &text)
{
    const qsizetype duration = text.indexOf(QStringLiteral("Duration:"));
    if (duration >= 0)
        probeDuration = text.mid(duration + 10, 8);
    probeTotalRate = extractRate(text, QStringLiteral("bitrate:"));
    probeVideoRate = extractRate(text, QStringLiteral("Video:"));
    probeAudioRate = extractRate(text, QStringLiteral("Audio:"));
    probeFrameSize = extractFrameSize(text);
}

ProbeValues probeValues()
{
    return {probeDuration, probeTotalRate, probeVideoRate, probeAudioRate, probeFrameSize};
}

void handleProbeOutput(QString &pendingText)
{
    consumeLines(pendingText, [&pendingText] { parseProbeText(pendingText); });
}

TtimeProcessor::TtimeProcessor(const ChildProcess &child) : child(child) {}

void TtimeProcessor::run()
{
    pendingText.clear();
    readOutput(child, 2048, pendingText, uiContext(), [this] { handleProbeOutput(pendingText); });
}

TtimeClientWaitThread::TtimeClientWaitThread(const ChildProcess &child, TtimeProcessor *reader)
    : child(child), reader_(reader)
{
}

void TtimeClientWaitThread::run()
{
    // The exit status is not looked at. The reader has taken all the
    // encoder wrote once this returns; only then are the pipes closed and
    // the probe over.
    waitForChildAndReader(child, reader_);
    runOnUiThread(uiContext(), finishProbe);
    probing.store(false, std::memory_order_release);
    QMetaObject::invokeMethod(
        uiContext(),
        [] {
            if (probeWaitLoop)
                probeWaitLoop->quit();
        },
        Qt::QueuedConnection);
}

void startProbe(const QString &filePath, const intputrec &job)
{
    if (probing.load(std::memory_order_acquire))
        waitForProbe();
    probeDuration.clear();
    probing.store(true, std::memory_order_release);

    probeProcess = startChild(job.encoderPath, {QStringLiteral("-i"), filePath}, job.workDir);
    auto *reader = new TtimeProcessor(probeProcess);
    auto *waiter = new TtimeClientWaitThread(probeProcess, reader);
    probeWaiter = waiter;
    startReaderAndWaiter(reader, waiter);
}

void waitForProbe()
{
    while (probing.load(std::memory_order_acquire)) {
        QEventLoop loop;
        QEventLoop *outer = probeWaitLoop;
        probeWaitLoop = &loop;
        // The waiter quits this loop once probing is clear; it may have done
        // so already, with the quit still queued.
        if (probing.load(std::memory_order_acquire))
            loop.exec();
        probeWaitLoop = outer;
        // A loop that returned early (the application quitting ends every
        // loop at once) still waits: this call sleeps until the next event.
        if (probing.load(std::memory_order_acquire))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void endProbe()
{
    if (!probeWaiter)
        return;
    killProcessGroup(probeProcess.pid);
    awaitWhileServing(probeWaiter, uiContext());
}
