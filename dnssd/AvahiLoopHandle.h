#ifndef TIDEWAVE_AVAHILOOPHANDLE_H
#define TIDEWAVE_AVAHILOOPHANDLE_H

#include <mutex>

#include <avahi-common/simple-watch.h>

// The simple-poll loop of one DNS-SD thread, which other threads may ask to
// quit.  A quit and the loop's free-and-clear take the same mutex, so a quit
// never reaches a freed loop.  A quit asked before the loop runs ends it as
// soon as it starts.
class AvahiLoopHandle {
public:
    // Makes the run's loop; null when avahi cannot.
    AvahiSimplePoll* Open();
    // Asks the loop to quit; nothing when there is none.
    void Quit();
    // Frees the loop and forgets it.
    void Close();

private:
    std::mutex m_mutex;
    AvahiSimplePoll* m_pPoll = nullptr;
};

#endif
