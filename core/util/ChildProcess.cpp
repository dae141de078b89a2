#include "ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool Runnable(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty())
        return false;
    return std::none_of(argv.begin(), argv.end(),
                        [](const std::string& a) { return a.find('\0') != std::string::npos; });
}

// Starts the program with no descriptor of ours but the standard three.
// Given `outFd`, it runs in a process group of its own, so that a kill
// reaches what it started, with its input from /dev/null, its output to
// outFd and its errors discarded; without (-1) it shares our streams.
pid_t Spawn(const std::vector<std::string>& argv, int outFd) {
    posix_spawnattr_t attr;
    if (!ChildProcess::InitSpawnAttributes(&attr, outFd >= 0 ? POSIX_SPAWN_SETPGROUP : 0))
        return -1;
    posix_spawnattr_setpgroup(&attr, 0);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        posix_spawnattr_destroy(&attr);
        return -1;
    }
    if (outFd >= 0) {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, outFd, 1);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    std::vector<std::string> copies(argv);
    std::vector<char*> args;
    for (std::string& a : copies)
        args.push_back(&a[0]);
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    return pid;
}

int Reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

// Waits for the program to end on its own until the deadline; true when it
// did (and is reaped).
bool ReapBefore(pid_t pid, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const pid_t ended = waitpid(pid, nullptr, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR))
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        const auto pause = std::min<std::chrono::steady_clock::duration>(deadline - now, std::chrono::milliseconds(10));
        std::this_thread::sleep_for(pause);
    }
}

}  // namespace

namespace ChildProcess {

bool InitSpawnAttributes(posix_spawnattr_t* attr, short flags) {
    if (posix_spawnattr_init(attr) != 0)
        return false;
    sigset_t noSignals, defaultSignals;
    sigemptyset(&noSignals);
    sigemptyset(&defaultSignals);
    sigaddset(&defaultSignals, SIGPIPE);
    sigaddset(&defaultSignals, SIGCHLD);
    posix_spawnattr_setsigmask(attr, &noSignals);
    posix_spawnattr_setsigdefault(attr, &defaultSignals);
    posix_spawnattr_setflags(attr, static_cast<short>(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | flags));
    return true;
}

CapturedOutput Capture(const std::vector<std::string>& argv, size_t maxOutput, int timeoutMs) {
    CapturedOutput result;
    if (!Runnable(argv))
        return result;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return result;
    const pid_t pid = Spawn(argv, fds[1]);
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool outputEnded = false;
    char buf[4096];
    while (!outputEnded) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            break;
        if (ready == 0)
            continue;  // the time-out is checked above
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            outputEnded = true;
            break;
        }
        const size_t room = maxOutput - result.output.size();
        result.output.append(buf, std::min(static_cast<size_t>(n), room));
        if (static_cast<size_t>(n) > room) {
            result.cut = true;
            break;
        }
    }
    close(fds[0]);
    // A program that closed its output may still run: it has what is left
    // of the time.
    const bool exited = outputEnded && ReapBefore(pid, deadline);
    if (outputEnded && !exited)
        result.timedOut = true;
    if (!exited) {
        // Killed with whatever it started, then reaped.
        kill(-pid, SIGKILL);
        Reap(pid);
    }
    return result;
}

int Run(const std::vector<std::string>& argv) {
    const pid_t pid = Runnable(argv) ? Spawn(argv, -1) : -1;
    return pid < 0 ? -1 : Reap(pid);
}

}  // namespace ChildProcess
