#include "engine/convertTh.h"

#include <algorithm>
#include <utility>

TProcessor::TProcessor(const ChildProcess &child, QObject *context,
                       std::function<void(TProcessor *)> consume)
    : child(child), context_(context), consume_(std::move(consume))
{
}

void TProcessor::run()
{
    pendingText.clear();
    readOutput(child, 256, pendingText, context_, [this] { consume_(this); });
}

TClientWaitThread::TClientWaitThread(
    const ChildProcess &child, TProcessor *reader, QObject *context,
    std::function<void(TClientWaitThread *, const ChildEnd &)> onEnd)
    : child(child), reader_(reader), context_(context), onEnd_(std::move(onEnd))
{
}

void TClientWaitThread::run()
{
    const ChildEnd end = waitForChildEnd(child.pid);
    // All the encoder wrote is in the pipe now; let the reader take it and
    // stop, so that the end step never races a late chunk.
    cancelReader(child);
    reader_->wait();
    runOnUiThread(context_, [this, end] { onEnd_(this, end); });
}

void startRunner(TRunnerState &state, const intputrec &job, QObject *context,
                 std::function<void(TProcessor *)> consume,
                 std::function<void(TClientWaitThread *, const ChildEnd &)> onEnd)
{
    state.commandLine = commandLine(job);
    state.stopRequested = false;
    state.exit = ChildEnd();
    state.process = startChild(job.encoderPath, encoderArguments(job), job.workDir);

    auto *reader = new TProcessor(state.process, context, std::move(consume));
    auto *waiter = new TClientWaitThread(state.process, reader, context, std::move(onEnd));
    // The waiter ends last (it waits for the reader), so both go with it.
    QObject::connect(waiter, &QThread::finished, waiter, &QObject::deleteLater);
    QObject::connect(waiter, &QThread::finished, reader, &QObject::deleteLater);
    state.reader = reader;
    state.waiter = waiter;
    waiter->start();
    reader->start();
}

void closeRunner(TRunnerState &state, QObject *context)
{
    state.closing = true;
    if (!state.waiter)
        return;
    if (state.process.pid > 0) {
        state.stopRequested = true;
        killProcessGroup(state.process.pid);
    }
    TClientWaitThread *waiter = state.waiter;
    TProcessor *reader = state.reader;
    awaitWhileServing(waiter, context);
    delete reader;
    delete waiter;
}

int32_t jobPosition(int32_t seconds, int32_t progressBase, int32_t durationSecs)
{
    if (durationSecs <= 0)
        return 0;
    const int64_t scale = 10000 - int64_t(progressBase);
    const int64_t numerator = 2 * int64_t(seconds) * scale + durationSecs;
    const int64_t denominator = 2 * int64_t(durationSecs);
    // Floor division, so that halves round upward for negative values too.
    int64_t position = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0)
        --position;
    return static_cast<int32_t>(std::clamp<int64_t>(position, INT32_MIN, INT32_MAX));
}

QString percentText(int32_t value)
{
    QString digits = QString::number(value).rightJustified(4, u'0');
    digits.insert(digits.size() - 2, u'.');
    return digits + u'%';
}
