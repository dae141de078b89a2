#include "SigPipeGuard.h"

#include <cerrno>
#include <ctime>

#include <pthread.h>

SigPipeGuard::SigPipeGuard() : m_wasBlocked(true) {
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    if (pthread_sigmask(SIG_BLOCK, &pipeOnly, &m_oldMask) == 0)
        m_wasBlocked = sigismember(&m_oldMask, SIGPIPE) == 1;
}

SigPipeGuard::~SigPipeGuard() {
    if (m_wasBlocked)
        return;
    const int savedErrno = errno;
    sigset_t pending;
    if (sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
        sigset_t pipeOnly;
        sigemptyset(&pipeOnly);
        sigaddset(&pipeOnly, SIGPIPE);
        const timespec noWait = {0, 0};
        while (sigtimedwait(&pipeOnly, nullptr, &noWait) == -1 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
    errno = savedErrno;
}
