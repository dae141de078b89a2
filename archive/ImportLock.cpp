#include "ImportLock.h"

std::mutex& ImportLock::Mutex() {
    static std::mutex mutex;
    return mutex;
}
