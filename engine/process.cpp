#include "engine/process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

void closeDescriptor(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Moves `fd` above the three standard descriptors (keeping close-on-exec),
// so that placing the child's ends on 0, 1 and 2 can never overwrite it.
int aboveStandard(int fd)
{
    if (fd < 0 || fd > 2)
        return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    return moved;
}

bool makePipe(int ends[2])
{
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    ends[0] = aboveStandard(ends[0]);
    ends[1] = aboveStandard(ends[1]);
    if (ends[0] < 0 || ends[1] < 0) {
        closeDescriptor(ends[0]);
        closeDescriptor(ends[1]);
        return false;
    }
    return true;
}

} // namespace

ChildProcess startChild(const QString &program, const QStringList &arguments,
                        const QString &workDir)
{
    ChildProcess child;
    int output[2] = {-1, -1};
    int input[2] = {-1, -1};
    if (!makePipe(output)) {
        child.startError = errno;
        return child;
    }
    if (!makePipe(input)) {
        child.startError = errno;
        closeDescriptor(output[0]);
        closeDescriptor(output[1]);
        return child;
    }
    child.outputRead = output[0];
    child.inputWrite = input[1];
    child.cancel = ::eventfd(0, EFD_CLOEXEC);

    // The argument vector, in the file-name encoding of the system.
    std::vector<QByteArray> words;
    words.reserve(arguments.size() + 1);
    words.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        words.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray folder = QFile::encodeName(workDir);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    // Nothing but the three standard descriptors reaches the child, even a
    // descriptor some library opened without close-on-exec.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A process group of its own (its id is the child's pid), default signal
    // actions and an empty signal mask, whatever this program has set.
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int result = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result == 0)
        child.pid = pid;
    else
        child.startError = result;

    // The child's ends belong to the child alone, whatever the outcome.
    closeDescriptor(output[1]);
    closeDescriptor(input[0]);
    return child;
}

ChildEnd waitForChildEnd(pid_t pid)
{
    ChildEnd end;
    if (pid <= 0)
        return end;
    end.started = true;
    siginfo_t info;
    std::memset(&info, 0, sizeof info);
    int result;
    do
        result = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        return end; // not our child: nothing to learn
    if (info.si_code == CLD_EXITED) {
        end.exited = true;
        end.exitCode = info.si_status;
    } else {
        end.signal = info.si_status;
    }
    // Whatever the child started and left behind in its group ends with it.
    ::kill(-pid, SIGKILL);
    return end;
}

bool killProcessGroup(pid_t pid)
{
    if (pid <= 0)
        return false;
    return ::kill(-pid, SIGKILL) == 0;
}

void cancelReader(const ChildProcess &child)
{
    if (child.cancel < 0)
        return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(child.cancel, &one, sizeof one);
}

void releaseChild(ChildProcess &child)
{
    if (child.pid > 0) {
        int status = 0;
        while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    child.pid = -1;
    closeDescriptor(child.outputRead);
    closeDescriptor(child.inputWrite);
    closeDescriptor(child.cancel);
}

void readOutput(const ChildProcess &child, int chunkSize, QString &pending, QObject *context,
                const std::function<void()> &consume)
{
    if (child.outputRead < 0)
        return;
    std::vector<char> buffer(static_cast<size_t>(chunkSize));
    for (;;) {
        pollfd fds[2] = {{child.outputRead, POLLIN, 0}, {child.cancel, POLLIN, 0}};
        const int ready = ::poll(fds, child.cancel >= 0 ? 2 : 1, -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        // Output still waiting in the pipe is read before a cancel counts.
        if (!(fds[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) {
            if (fds[1].revents)
                return;
            continue;
        }
        ssize_t count;
        do
            count = ::read(child.outputRead, buffer.data(), buffer.size());
        while (count < 0 && errno == EINTR);
        if (count <= 0)
            return; // the end of the output, or a failed read
        const char *zero = static_cast<const char *>(std::memchr(buffer.data(), 0, count));
        const qsizetype length = zero ? zero - buffer.data() : count;
        pending += QLatin1StringView(buffer.data(), length);
        runOnUiThread(context, consume);
    }
}

void startReaderAndWaiter(QThread *reader, QThread *waiter)
{
    QObject::connect(waiter, &QThread::finished, waiter, &QObject::deleteLater);
    QObject::connect(waiter, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
    waiter->start();
}

ChildEnd waitForChildAndReader(const ChildProcess &child, QThread *reader)
{
    const ChildEnd end = waitForChildEnd(child.pid);
    // All the child wrote is in the pipe now: the reader takes it all, and
    // only then stops.
    cancelReader(child);
    reader->wait();
    return end;
}

void runOnUiThread(QObject *context, const std::function<void()> &step)
{
    if (context->thread() == QThread::currentThread()) {
        step();
        return;
    }
    QMetaObject::invokeMethod(context, step, Qt::BlockingQueuedConnection);
}

void consumeLines(QString &pending, const std::function<void()> &atLineEnd)
{
    qsizetype consumed = 0; // characters up to and including the last line end
    for (qsizetype i = 0; i < pending.size(); ++i) {
        if (i < consumed)
            continue;
        const QChar c = pending[i];
        if (c != u'\r' && c != u'\n')
            continue;
        atLineEnd();
        consumed = (i + 1 < pending.size() && pending[i + 1] == u'\n') ? i + 2 : i + 1;
    }
    pending.remove(0, consumed);
}

void awaitWhileServing(QThread *thread, QObject *context)
{
    if (!thread)
        return;
    while (!thread->wait(QDeadlineTimer(5)))
        QCoreApplication::sendPostedEvents(context, QEvent::MetaCall);
}
