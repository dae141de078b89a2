#include "TestDisplay.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace TestDisplay {

namespace {

// The lock of a display, shared with take_display.sh.
std::string LockPath(const std::string& display) {
    const char* tmp = std::getenv("TMPDIR");
    std::string name;
    for (char c : display)
        name += (c == '/' ? '_' : c);
    return std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tidewave-display" + name + ".lock";
}

}  // namespace

void Take() {
    std::vector<std::string> displays;
    if (const char* pool = std::getenv("TIDEWAVE_DISPLAYS")) {
        std::istringstream words(pool);
        for (std::string d; words >> d;)
            displays.push_back(d);
    }
    if (displays.empty()) {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0')
            return;  // the toolkit says what is missing
        displays.push_back(display);
    }
    for (;;) {
        for (const std::string& d : displays) {
            // Kept open for the life of the process: the lock goes with it.
            const int fd = ::open(LockPath(d).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0)
                continue;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                ::setenv("DISPLAY", d.c_str(), 1);
                return;
            }
            ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace TestDisplay
