#ifndef TIDEWAVE_IMPORTLOCK_H
#define TIDEWAVE_IMPORTLOCK_H

#include <mutex>

// One lock for the whole process: the main window's import and the import
// of a deployed archive never run at the same time.  Held for the import
// only, never while a window is refreshed.
class ImportLock {
public:
    static std::mutex& Mutex();
};

#endif
