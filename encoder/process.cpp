#include "encoder/process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace encoder {
namespace {

constexpr int kMaxChildren = 8;
volatile sig_atomic_t childPids[kMaxChildren] = {};
volatile sig_atomic_t pendingSignal = 0;

// Children get a few seconds to end cleanly (FFmpeg closes its output file)
// before they are killed.
constexpr unsigned kGraceSeconds = 5;

void killChildren(int signal)
{
    for (int i = 0; i < kMaxChildren; ++i)
        if (childPids[i] > 0)
            kill(static_cast<pid_t>(childPids[i]), signal);
}

void onStopSignal(int signal)
{
    if (pendingSignal == 0) {
        pendingSignal = signal;
        alarm(kGraceSeconds);
    }
    killChildren(signal);
}

void onAlarm(int) { killChildren(SIGKILL); }

void rememberChild(pid_t pid)
{
    for (int i = 0; i < kMaxChildren; ++i)
        if (childPids[i] == 0) {
            childPids[i] = pid;
            return;
        }
}

void forgetChild(pid_t pid)
{
    for (int i = 0; i < kMaxChildren; ++i)
        if (childPids[i] == pid)
            childPids[i] = 0;
}

} // namespace

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void installSignalHandling()
{
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = onStopSignal;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT})
        sigaction(signal, &action, nullptr);
    action.sa_handler = onAlarm;
    sigaction(SIGALRM, &action, nullptr);
    action.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &action, nullptr);
}

bool makePipe(int fds[2]) { return pipe2(fds, O_CLOEXEC) == 0; }

Spawned spawnChild(const std::vector<std::string> &argv, int in, int out, int err)
{
    Spawned result;
    std::vector<char *> args;
    for (const std::string &word : argv)
        args.push_back(const_cast<char *>(word.c_str()));
    args.push_back(nullptr);

    int report[2]; // the child writes errno here when exec fails
    if (!makePipe(report)) {
        result.error = errno;
        return result;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        result.error = errno;
        close(report[0]);
        close(report[1]);
        return result;
    }
    if (pid == 0) {
        // Killed with the encoder program, however that dies.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        struct sigaction action = {};
        sigemptyset(&action.sa_mask);
        action.sa_handler = SIG_DFL;
        for (const int signal : {SIGPIPE, SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGALRM})
            sigaction(signal, &action, nullptr);
        const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
        const int fds[3] = {in < 0 ? devNull : in, out < 0 ? devNull : out, err < 0 ? devNull : err};
        // Move the sources above 2 first, so that no dup2 overwrites one still needed.
        int moved[3];
        for (int i = 0; i < 3; ++i)
            moved[i] = fds[i] >= 0 ? fcntl(fds[i], F_DUPFD_CLOEXEC, 3) : -1;
        for (int i = 0; i < 3; ++i)
            if (moved[i] >= 0)
                dup2(moved[i], i);
        execvp(args[0], args.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t n = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    rememberChild(pid);
    if (pendingSignal != 0)
        kill(pid, pendingSignal);
    int error = 0;
    ssize_t n;
    do {
        n = read(report[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    close(report[0]);
    result.pid = pid;
    if (n == static_cast<ssize_t>(sizeof error)) {
        result.error = error;
        waitChild(pid);
        result.pid = -1;
    }
    return result;
}

int waitChild(pid_t pid)
{
    int status = 0;
    pid_t done;
    do {
        done = waitpid(pid, &status, 0);
    } while (done < 0 && errno == EINTR);
    forgetChild(pid);
    if (done < 0)
        return 1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 1;
}

void finishPendingSignal()
{
    const int signal = pendingSignal;
    if (signal == 0)
        return;
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = SIG_DFL;
    sigaction(signal, &action, nullptr);
    raise(signal);
}

} // namespace encoder
