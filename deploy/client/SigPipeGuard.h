#ifndef TIDEWAVE_SIGPIPEGUARD_H
#define TIDEWAVE_SIGPIPEGUARD_H

#include <signal.h>

// Keeps SIGPIPE away from the calling thread while it lives: a write to a
// connection the peer has already closed then fails with EPIPE instead of
// ending the process.  A SIGPIPE raised meanwhile is discarded when the guard
// goes, and the thread's signal mask is restored.
class SigPipeGuard {
public:
    SigPipeGuard();
    ~SigPipeGuard();
    SigPipeGuard(const SigPipeGuard&) = delete;
    SigPipeGuard& operator=(const SigPipeGuard&) = delete;

private:
    sigset_t m_oldMask;
    bool m_wasBlocked;
};

#endif
