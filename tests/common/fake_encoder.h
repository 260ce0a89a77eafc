// A stand-in encoder program for tests: a small /bin/sh script that records
// how it was started, prints given bytes with given pauses and exits with a
// given status. Tests put it where the encoder program is expected. Beside
// it, the process checks the runner and probe tests share. Header only: the
// tests that include it link the engine's process layer.
#pragma once

#include "engine/process.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

struct FakeOutput {
    QByteArray bytes; // written by one printf
    int pauseMs = 0;  // then a pause
};

// Script text printing `bytes` exactly (every byte as an octal escape).
inline QString printfBytes(const QByteArray &bytes)
{
    QString format;
    for (const char c : bytes)
        format += QStringLiteral("\\%1").arg(static_cast<unsigned char>(c), 3, 8, QLatin1Char('0'));
    return QStringLiteral("printf '%1'\n").arg(format);
}

// Writes the script at `path`. Beside it, "<path>.args" receives the
// arguments (each ended by a zero byte), "<path>.cwd" the working folder
// and "<path>.pid" its process id (written last). `before` is shell text run before the output (for
// example to start children).
inline bool writeFakeEncoder(const QString &path, const QList<FakeOutput> &outputs, int status,
                             const QString &before = {})
{
    QString script = QStringLiteral("#!/bin/sh\n");
    const QString quoted = QLatin1Char('\'') + path + QLatin1Char('\'');
    script +=
        QStringLiteral("for a in \"$@\"; do printf '%s\\000' \"$a\"; done > %1.args\n").arg(quoted);
    script += QStringLiteral("pwd > %1.cwd\n").arg(quoted);
    script += QStringLiteral("echo $$ > %1.pid.new && mv %1.pid.new %1.pid\n").arg(quoted);
    script += before + QLatin1Char('\n');
    for (const FakeOutput &output : outputs) {
        script += printfBytes(output.bytes);
        if (output.pauseMs > 0)
            script += QStringLiteral("sleep %1\n").arg(output.pauseMs / 1000.0, 0, 'f', 3);
    }
    script += QStringLiteral("exit %1\n").arg(status);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(script.toUtf8());
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
}

// What the fake recorded about its last start ("args", "cwd", "pid").
inline QByteArray fakeRecord(const QString &encoderPath, const QString &what)
{
    QFile file(encoderPath + QLatin1Char('.') + what);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The arguments the fake was last started with.
inline QStringList fakeArguments(const QString &encoderPath)
{
    QList<QByteArray> words = fakeRecord(encoderPath, QStringLiteral("args")).split('\0');
    words.removeLast(); // the empty text after the last terminator
    QStringList args;
    for (const QByteArray &word : words)
        args << QString::fromUtf8(word);
    return args;
}

// The process id of the fake's start, once it has written it (0 when it
// has not within `ms` milliseconds). Removes the record.
inline pid_t fakeStarted(const QString &encoderPath, int ms = 10000)
{
    QFile file(encoderPath + QStringLiteral(".pid"));
    for (QDeadlineTimer deadline(ms); !deadline.hasExpired(); QThread::msleep(10)) {
        if (file.open(QIODevice::ReadOnly)) {
            const pid_t pid = file.readAll().trimmed().toInt();
            file.close();
            file.remove();
            return pid;
        }
    }
    return 0;
}

// The number of descriptors open in this process.
inline int openDescriptorCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                .size());
}

// The number of threads of this process.
inline int threadCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::NoDotAndDotDot | QDir::Dirs)
                                .size());
}

// Makes this process the reaper of orphans started below it, so that a test
// can reap the leftovers of a killed process group itself and then see the
// group gone (a zombie still counts as a member).
inline void adoptOrphans()
{
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
}

// True once no process of group `pgid` is left (reaping its zombies among
// this process's children), within `ms` milliseconds.
inline bool processGroupGone(pid_t pgid, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    for (;;) {
        int status = 0;
        while (::waitpid(-pgid, &status, WNOHANG) > 0) {
        }
        if (::kill(-pgid, 0) != 0 && errno == ESRCH)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

// Waits until this process's threads and descriptors hold still (the last
// run's threads gone and their objects deleted), so that two counts taken
// this way can be compared.
inline void waitUntilQuiet()
{
    int same = 0;
    int last = -1;
    for (QDeadlineTimer deadline(3000); same < 5 && !deadline.hasExpired();) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const int now = threadCount() * 10000 + openDescriptorCount();
        same = now == last ? same + 1 : 0;
        last = now;
        QThread::msleep(20);
    }
}

// Other processes whose command line (their arguments as the kernel keeps
// them, each ended by a zero byte) holds `text`.
inline QList<pid_t> processesMentioning(const QString &text)
{
    QList<pid_t> found;
    const QByteArray needle = QFile::encodeName(text);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number || pid == ::getpid())
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(needle))
            found << pid;
    }
    return found;
}

// True while the program folder holds the placeholder in place of the real
// encoder program (it says so and describes nothing).
inline bool placeholderEncoder(const QString &programFolder)
{
    ChildProcess child =
        startChild(programFolder + QStringLiteral("register.dat"), {}, programFolder);
    QString said;
    QObject context;
    readOutput(child, 2048, said, &context, [] {});
    waitForChildEnd(child.pid);
    releaseChild(child);
    return said.contains(QStringLiteral("not built yet"));
}
