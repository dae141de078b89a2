#ifndef TIDEWAVE_INSTANCELOCK_H
#define TIDEWAVE_INSTANCELOCK_H

#include <string>

// The single-instance lock: a write lock on the first byte of ".twm_lock" in
// the home folder, held for the life of the process (the descriptor is never
// closed).
class InstanceLock {
public:
    enum Result {
        ACQUIRED,      // this is the first instance
        HELD_ELSEWHERE,// another process holds it
        FAILED         // the file could not be opened or locked for another reason
    };

    // Opens (creating with mode 0666) and locks `path`.  On FAILED, `error`
    // says why; the caller goes on as the first instance.
    static Result Acquire(const std::string& path, int& fd, std::string& error);

    // The lock file of this user: <home>/.twm_lock.
    static std::string DefaultPath();
};

#endif
