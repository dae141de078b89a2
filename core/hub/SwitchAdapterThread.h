#ifndef TIDEWAVE_SWITCHADAPTERTHREAD_H
#define TIDEWAVE_SWITCHADAPTERTHREAD_H

#include <condition_variable>
#include <deque>
#include <mutex>

#include <wx/thread.h>

#include "SwitchAdapterRequest.h"

// Serves the hub's adapter switch requests strictly in queue order: takes
// one adapter down, brings the other up, and posts SwitchAdapterEvent to the
// requester.  It sleeps until a request is queued or it is told to stop,
// and runs for the life of the hub.
class SwitchAdapterThread : public wxThread {
public:
    SwitchAdapterThread();

    // Appends a request; returns at once.  Any thread.
    void Enqueue(const SwitchAdapterRequest& request);
    // Ends the loop after the request being served; the owner then Wait()s.
    void RequestStop();
    // Nothing queued and nothing being served.  Any thread.
    bool IsIdle();
    // A request queued or being served shuts this adapter down.  Any thread.
    bool TakesDown(int adapterType);

    // One request's platform calls: shut down, then start.  Success is the
    // start's result when a start was asked, else the shut-down's.
    static bool Serve(const SwitchAdapterRequest& request);

protected:
    ExitCode Entry() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<SwitchAdapterRequest> m_queue;
    bool m_bStop = false;
    bool m_bServing = false;
    SwitchAdapterRequest m_serving;
};

#endif
