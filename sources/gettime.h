// The probe unit: runs the encoder program with only an input, reads the
// description it prints and keeps five values of it. `TtimeProcessor` reads
// the output in chunks of 2048 bytes, `TtimeClientWaitThread` waits for the
// encoder to end; both hand their steps to the user-interface thread and
// block until those have run.
//
// One probe runs at a time: the results, the process and the threads are
// one set for the whole program, and a new probe overwrites them.
#pragma once

#include "engine/jobrecord.h"
#include "engine/process.h"

#include <QString>
#include <QThread>
#include <atomic>

// The results of the last probe, as texts (nothing checks that they are
// numbers). The caller may overwrite them.
extern QString probeDuration;  // "hh:mm:ss": the 8 characters 10 after "Duration:"
extern QString probeTotalRate; // kb/s, the word before " kb/s" on the "bitrate:" line
extern QString probeVideoRate; // kb/s, on the first "Video:" line
extern QString probeAudioRate; // kb/s, on the first "Audio:" line
extern QString probeFrameSize; // "WxH", around the first "x" after "Video:"
// Set while a probe runs; cleared by its waiter once the encoder has ended
// and all its output has been read and parsed.
extern std::atomic<bool> probing;

// The five results of a probe as one value, in the order above.
struct ProbeValues {
    QString duration;
    QString totalRate;
    QString videoRate;
    QString audioRate;
    QString frameSize;
    bool operator==(const ProbeValues &) const = default;
};
// The results of the last probe.
ProbeValues probeValues();

class TtimeProcessor : public QThread
{
public:
    explicit TtimeProcessor(const ChildProcess &child);
    // Output read and not yet consumed; touched by the user-interface thread
    // only while this thread waits for its step.
    QString pendingText;
    const ChildProcess child;

protected:
    void run() override;
};

class TtimeClientWaitThread : public QThread
{
public:
    TtimeClientWaitThread(const ChildProcess &child, TtimeProcessor *reader);
    const ChildProcess child;

protected:
    void run() override;

private:
    TtimeProcessor *reader_;
};

// Starts the encoder program of `job` (its `encoderPath`, in its `workDir`)
// on the media file `filePath` and returns at once. Empties probeDuration and
// sets probing. A probe still running is waited for first.
void startProbe(const QString &filePath, const intputrec &job);

// Waits until probing is clear, running the user-interface events (and so
// the probe's own steps) meanwhile, in a local event loop that sleeps while
// nothing happens.
void waitForProbe();

// Ends a running probe by force and waits for its threads; for the
// teardown of the window.
void endProbe();

// The consume step: every line end of `pendingText` runs parseProbeText over
// the whole pending text; then the text up to the last line end is dropped.
void handleProbeOutput(QString &pendingText);

// One parse run over `text`: probeDuration when "Duration:" occurs, and the
// four line-based values, which are always assigned (empty when missing).
void parseProbeText(const QString &text);

// The word before the first " kb/s" of the first line holding `key` (lines
// are cut after every CR; text after the last CR is not a line): up to 10
// characters back to a blank, or the 10 characters before " kb/s" when none
// of them is a blank. Empty when there is no such line or no " kb/s" in it.
QString extractRate(const QString &text, const QString &key);

// The frame size on the first line holding "Video:": around the first
// lowercase "x" after "Video:" (up to 10 characters back to a blank, up to
// 10 digits forward). Empty when there is no such line or no "x".
QString extractFrameSize(const QString &text);
