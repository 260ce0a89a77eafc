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
    // The reader has taken all the encoder wrote once this returns, so the
    // end step never races a late chunk.
    const ChildEnd end = waitForChildAndReader(child, reader_);
    runOnUiThread(context_, [this, end] { onEnd_(this, end); });
}

void startRunner(TRunnerState &state, const intputrec &job, QObject *context,
                 std::function<void(TProcessor *)> consume, std::function<void()> onEnd)
{
    state.job = job;
    state.stopRequested = false;
    state.exit = ChildEnd();
    state.process = startChild(job.encoderPath, encoderArguments(job), job.workDir);

    auto *reader = new TProcessor(
        state.process, context, [&state, consume = std::move(consume)](TProcessor *r) {
            if (state.closing || r != state.reader) {
                r->pendingText.clear(); // output of a run that is no longer current
                return;
            }
            consume(r);
        });
    auto *waiter = new TClientWaitThread(
        state.process, reader, context,
        [&state, onEnd = std::move(onEnd)](TClientWaitThread *w, const ChildEnd &end) {
            if (w != state.waiter) {
                // A newer job replaced this one: give back what it holds.
                ChildProcess own = w->child;
                releaseChild(own);
                return;
            }
            if (state.closing) {
                // The window goes: nothing moves on.
                releaseChild(state.process);
                return;
            }
            state.exit = end;
            onEnd();
        });
    // Both are known before either runs, so that their steps can tell the
    // current run from an older one.
    state.reader = reader;
    state.waiter = waiter;
    startReaderAndWaiter(reader, waiter);
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
