#ifndef TIDEWAVE_SIM_LIBRARYTHREAD_H
#define TIDEWAVE_SIM_LIBRARYTHREAD_H

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// The library's own thread: runs `tick` every period and whenever woken.
// It holds no lock of its own while the tick runs, so the tick may call
// back into the library.
class LibraryThread {
public:
    LibraryThread() = default;
    ~LibraryThread();
    LibraryThread(const LibraryThread&) = delete;
    LibraryThread& operator=(const LibraryThread&) = delete;

    // Starts the thread unless it runs already.
    void Start(std::function<void()> tick, int periodMs);
    void Wake();
    // Stops and joins; from the thread itself (a callback ending the
    // process) it only detaches.
    void Stop();
    bool IsRunning() const;
    bool IsThisThread() const;

private:
    void Run();

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::thread m_thread;
    std::function<void()> m_tick;
    int m_periodMs = 400;
    bool m_running = false;
    bool m_stop = false;
    bool m_woken = false;
};

#endif
