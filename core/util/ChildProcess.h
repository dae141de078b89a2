#ifndef TIDEWAVE_CHILDPROCESS_H
#define TIDEWAVE_CHILDPROCESS_H

#include <cstddef>
#include <string>
#include <vector>

#include <spawn.h>

// What a program printed on its standard output.
struct CapturedOutput {
    bool timedOut = false;  // it was still running at the time-out and was killed
    bool cut = false;       // its output reached the bound and it was killed
    std::string output;     // at most the bound; empty when it could not start
};

// Runs one program without a shell: its arguments reach it exactly as given,
// whatever they hold.  Standard input is /dev/null, standard output comes
// back through a pipe, standard error is discarded, and no other descriptor
// of this process is passed on.  Output is read up to `maxOutput` bytes and
// for at most `timeoutMs`, also after the program closed its output; then
// the program, with whatever it started, is killed.  It is always reaped
// before this returns.  Any thread.
namespace ChildProcess {

// A name without "/" is looked up in PATH.
CapturedOutput Capture(const std::vector<std::string>& argv, size_t maxOutput, int timeoutMs);

// Runs one program the same way, but with this process's standard streams,
// and waits for it to end however long it takes; its wait status, -1 when it
// could not start.
int Run(const std::vector<std::string>& argv);

// Spawn attributes for a program this process starts: no signal blocked,
// SIGPIPE and SIGCHLD at their defaults, and the further `flags`
// (POSIX_SPAWN_SETSID, ...).  False when they cannot be made; otherwise the
// caller destroys them.
bool InitSpawnAttributes(posix_spawnattr_t* attr, short flags);

}  // namespace ChildProcess

#endif
