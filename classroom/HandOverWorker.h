#ifndef TIDEWAVE_HANDOVERWORKER_H
#define TIDEWAVE_HANDOVERWORKER_H

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Hands received files over to the application, one at a time and in the
// order they arrived, on a thread of its own so that the deploy server
// goes on receiving while an import runs.  Each connection is closed only
// after its hand-over has finished.  It sleeps while there is nothing to do.
class HandOverWorker {
public:
    HandOverWorker() = default;
    ~HandOverWorker();
    HandOverWorker(const HandOverWorker&) = delete;
    HandOverWorker& operator=(const HandOverWorker&) = delete;

    bool Start();
    // Takes the connection (a socket descriptor) over; it is closed after
    // the hand-over.  Without a running worker it is closed at once.
    void Push(int connection);
    // Serves what is queued, then ends the thread.
    void Stop();

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<int> m_queue;
    bool m_bRunning = false;
    bool m_bStop = false;
    std::thread m_thread;
};

#endif
