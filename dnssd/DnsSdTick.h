#ifndef TIDEWAVE_DNSSDTICK_H
#define TIDEWAVE_DNSSDTICK_H

#include <atomic>
#include <chrono>
#include <functional>

// The housekeeping tick's DNS-SD part: it serves the publish request, then
// the browse request.  A request made while its thread runs stops that
// thread and is kept; the new thread starts on a tick after the old one has
// ended.  A thread that ended for a missing or failing avahi daemon raises
// its request again, and the tick starts the next attempt no sooner than the
// retry interval after the last start.
//
// Requests may be raised on any thread; OnTick runs on one thread.
class DnsSdTick {
public:
    typedef std::chrono::steady_clock Clock;

    // One DNS-SD loop as the tick drives it.
    struct Loop {
        std::function<bool()> isRunning;
        std::function<void()> stop;    // asks the running loop to quit
        std::function<void()> start;   // makes and runs a new thread
        std::function<bool()> takeDaemonFailure;
    };

    DnsSdTick(Loop publish, Loop browse, Clock::duration retryInterval = std::chrono::seconds(30));

    void RequestPublish() { m_publish.request = true; }
    void RequestBrowse() { m_browse.request = true; }
    bool IsPublishRequested() const { return m_publish.request; }
    bool IsBrowseRequested() const { return m_browse.request; }

    // The browse thread the application starts by itself (at start-up)
    // counts as an attempt for the retry interval.
    void NoteBrowseStarted(Clock::time_point now) { m_browse.lastStart = now; }

    void OnTick(Clock::time_point now);

private:
    struct Slot {
        explicit Slot(Loop l) : loop(std::move(l)) {}
        Loop loop;
        std::atomic<bool> request{false};
        Clock::time_point lastStart{};
        Clock::time_point notBefore{};
    };

    void Serve(Slot& slot, Clock::time_point now);

    Slot m_publish;
    Slot m_browse;
    Clock::duration m_retryInterval;
};

#endif
