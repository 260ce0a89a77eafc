// Starting the encoder program and reading it: the process layer shared by
// the job runner (convertTh) and the media probe (gettime).
//
// The child is started from an argument vector (never a shell), in a process
// group of its own, with its standard output and standard error in one pipe
// and its standard input on a pipe nothing is written to. Every descriptor
// the program makes is close-on-exec, and the child closes every descriptor
// beyond the three standard ones, so no child inherits another run's pipes.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <sys/types.h>

class QObject;
class QThread;

// One start of a child program and the program's ends of its pipes.
struct ChildProcess {
    pid_t pid = -1;      // -1 when the program could not be started
    int outputRead = -1; // read end of the output pipe (child's stdout + stderr)
    int inputWrite = -1; // write end of the input pipe (child's stdin); never written
    int cancel = -1;     // eventfd that wakes a reader blocked on outputRead
    int startError = 0;  // errno of a failed start, 0 otherwise
};

// How a child ended.
struct ChildEnd {
    bool started = false; // false: the program never ran
    bool exited = false;  // it returned or called exit
    int exitCode = -1;    // its exit status when it exited
    int signal = 0;       // the signal that ended it otherwise
    // True only for a program that ran and exited with status 0.
    bool succeeded() const { return started && exited && exitCode == 0; }
};

// Starts `program` with `arguments` (each passed as one argument, whatever
// it holds) in `workDir`, in a new process group whose id is the child's
// pid, with an unchanged environment. The child's ends of the pipes are
// closed here whatever the outcome; on a failed start the pipes still exist
// (a reader of `outputRead` meets the end at once) and `pid` is -1.
ChildProcess startChild(const QString &program, const QStringList &arguments,
                        const QString &workDir);

// Blocks until the child has ended and returns how. The child is left a
// zombie, so that its pid (and process-group id) stays reserved until
// releaseChild reaps it: a kill of the group can never reach a stranger.
// Whatever is left of the child's group once the child has ended is killed.
// Returns at once for a child that never started.
ChildEnd waitForChildEnd(pid_t pid);

// Sends SIGKILL to the whole process group of `pid` (the child and
// everything it started). False when there is no such group.
bool killProcessGroup(pid_t pid);

// Wakes the reader of `child` if it is blocked: its loop then ends.
void cancelReader(const ChildProcess &child);

// Reaps the child (when one was started) and closes the program's
// descriptors; leaves `child` empty.
void releaseChild(ChildProcess &child);

// The reading loop of a reader thread: reads up to `chunkSize` bytes at a
// time from `child.outputRead`, appends them (up to a first zero byte) to
// `pending` as Latin-1 (one character per byte), and runs `consume` on the
// thread of `context` (the user-interface thread), waiting until it has run.
// Ends at the end of the output, on a failed read, or when cancelled.
void readOutput(const ChildProcess &child, int chunkSize, QString &pending, QObject *context,
                const std::function<void()> &consume);

// Starts the two threads of one child: `reader` (running readOutput) and
// `waiter` (running waitForChildAndReader). The waiter ends last, so both
// delete themselves once it has finished. The reader starts first, so that
// the waiter's wait for it can never find it not yet started (and return at
// once).
void startReaderAndWaiter(QThread *reader, QThread *waiter);

// The waiter's wait: blocks until the child has ended (waitForChildEnd),
// then cancels the reader and waits until it has read everything the child
// wrote and stopped. Returns how the child ended.
ChildEnd waitForChildAndReader(const ChildProcess &child, QThread *reader);

// Runs `step` on the thread of `context` and waits until it has run.
void runOnUiThread(QObject *context, const std::function<void()> &step);

// The consume walk over pending output, shared by the job runner and the
// probe: `atLineEnd` runs once for every line end of `pending` (a CR, an LF,
// or a CR or LF directly followed by an LF, which together count as one),
// while `pending` is unchanged; then everything up to and including the
// last line end is deleted from its front. Text after the last line end
// stays for the next chunk.
void consumeLines(QString &pending, const std::function<void()> &atLineEnd);

// Waits until `thread` has finished while running the hand-overs that it
// (or its partner) sends to `context`, the user-interface thread's object.
// For teardown only: the normal end of a run needs no waiting.
void awaitWhileServing(QThread *thread, QObject *context);
