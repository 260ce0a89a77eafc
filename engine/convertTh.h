// The runner unit: one conversion job of the encoder program, read by two
// worker threads. `TProcessor` reads the encoder's output in chunks of 256
// bytes and hands every chunk to the user-interface thread; `TClientWaitThread`
// waits for the encoder to end and hands that end over. Both block until the
// user-interface thread has run their step, so no state needs a lock.
#pragma once

#include "engine/jobrecord.h"
#include "engine/process.h"

#include <QPointer>
#include <QString>
#include <QThread>
#include <cstdint>
#include <functional>

class TProcessor : public QThread
{
public:
    // `consume` runs on the thread of `context` after every chunk read.
    TProcessor(const ChildProcess &child, QObject *context,
               std::function<void(TProcessor *)> consume);
    // Output read and not yet consumed; touched by the user-interface thread
    // only while this thread waits for its step.
    QString pendingText;
    const ChildProcess child;

protected:
    void run() override;

private:
    QObject *context_;
    std::function<void(TProcessor *)> consume_;
};

class TClientWaitThread : public QThread
{
public:
    // `onEnd` runs on the thread of `context` once the encoder has ended and
    // `reader` has read all it wrote.
    TClientWaitThread(const ChildProcess &child, TProcessor *reader, QObject *context,
                      std::function<void(TClientWaitThread *, const ChildEnd &)> onEnd);
    const ChildProcess child;

protected:
    void run() override;

private:
    TProcessor *reader_;
    QObject *context_;
    std::function<void(TClientWaitThread *, const ChildEnd &)> onEnd_;
};

// The runner state: one set per window; a new job overwrites it.
struct TRunnerState {
    ChildProcess process;        // pid -1 when no encoder runs
    QPointer<TProcessor> reader; // threads of the current job
    QPointer<TClientWaitThread> waiter;
    ChildEnd exit;              // how the last job's encoder ended
    bool stopRequested = false; // the current job was ended by Stop
    bool closing = false;       // the window goes: steps only release
    intputrec job;              // the record the current job was started from
};

// Starts the encoder program for `job` and its two threads. Both steps run
// on the thread of `context`, and only for the current job while the window
// stays: `consume` for each chunk read (with the reader), `onEnd` once the
// encoder has ended and its output is read, with `state.exit` set. Output of
// a job that is no longer current, or read while closing, is dropped; the
// end of a replaced job releases that job's own process, and an end while
// closing only releases the process. The thread objects delete themselves
// after the end.
void startRunner(TRunnerState &state, const intputrec &job, QObject *context,
                 std::function<void(TProcessor *)> consume, std::function<void()> onEnd);

// Ends the current job's encoder by force and waits until its threads have
// finished, running their steps meanwhile (which see `closing` set). For the
// window's teardown.
void closeRunner(TRunnerState &state, QObject *context);

// The position on the 0..10000 progress scale for `seconds` encoded of
// `durationSecs`, on the part of the scale above `progressBase`: rounded to
// the nearest integer, halves upward. A job without a duration shows no
// encoded share (0).
int32_t jobPosition(int32_t seconds, int32_t progressBase, int32_t durationSecs);

// A scale value as a percentage text: at least four digits, a "." before
// the last two, then "%" (5 gives "00.05%", 10000 "100.00%").
QString percentText(int32_t value);
