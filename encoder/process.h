// Child processes of the encoder program. Every child stays in the encoder's
// process group (so that killing the group ends it) and is killed by the
// kernel when the encoder program dies, even by SIGKILL. SIGTERM, SIGINT,
// SIGHUP and SIGQUIT sent to the encoder program alone are passed on to the
// children; the program then dies of the same signal once they have ended.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace encoder {

// Writes all of `bytes` with write(2), retrying after interruptions. Returns
// false on an error (a closed pipe).
bool writeAll(int fd, std::string_view bytes);

// Installs the signal handling described above; SIGPIPE is ignored so that a
// closed pipe shows as a failed write.
void installSignalHandling();

// A pipe whose both ends close on exec; false on failure.
bool makePipe(int fds[2]);

struct Spawned {
    pid_t pid = -1;
    int error = 0; // errno of the failed start (ENOENT: program not found)
};

// Starts `argv` (argv[0] searched on PATH) with the given descriptors as its
// standard input, output and error (-1: /dev/null).
Spawned spawnChild(const std::vector<std::string> &argv, int in, int out, int err);

// Waits for a child; returns its status as a shell reports it: the exit
// code, or 128 + the signal that killed it.
int waitChild(pid_t pid);

// After every child has ended: if a signal asked the program to stop, dies
// of that signal now.
void finishPendingSignal();

} // namespace encoder
