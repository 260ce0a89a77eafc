// Running the built encoder program in tests, and reading its output the way
// the converter does (the probe's line rules, the runner's "time=" rule).
#pragma once

#include "sources/gettime.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <sys/types.h>

struct EncoderResult {
    QByteArray output; // standard output and error, as one pipe carries them
    int exitCode = -1;
    bool crashed = false;
};

// build/bin/register.dat
QString encoderProgram();

// Runs the encoder program from the program folder with `args`, its
// standard input a pipe on which nothing is written.
EncoderResult runEncoder(const QStringList &args,
                         const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                         const QString &workDir = QStringLiteral(PROGRAM_DIR));

// The five values the converter's probe takes from a description, read by
// its own consume step (the description arriving as one chunk).
ProbeValues readProbeValues(const QByteArray &text);

// The converter's progress rule (parseEncodedSeconds): the whole seconds of
// the first "time=", 0 when it is no whole number.
int encodedSeconds(const QByteArray &text);

// "hh:mm:ss" to seconds, 0 for anything else (durationToSeconds).
int clockSeconds(const QString &text);

// The lines of an output, cut after every CR or LF (a CR LF pair is one end);
// each line keeps its end.
QList<QByteArray> outputLines(const QByteArray &output);

// The converter's reading of a job's output as it comes, a line at a time
// (the encoder program writes whole lines): reads of at most 256 bytes, each
// line end parsing the whole pending text (consumeLines), consumed text
// dropped. Returns every non-zero encoded time it would show.
QList<int> runnerReading(const QByteArray &output);

// Processes whose parent is `pid`.
QList<pid_t> childrenOf(pid_t pid);
// True while `pid` runs (a zombie counts as ended).
bool isRunning(pid_t pid);
// Waits up to `ms` for `pid` to end.
bool waitEnded(pid_t pid, int ms);
