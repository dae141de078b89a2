#ifndef TIDEWAVE_SIM_LIBRARYTHREAD_H
#define TIDEWAVE_SIM_LIBRARYTHREAD_H

#include <functional>
#include <mutex>
#include <string>
#include <thread>

// The library's own thread: runs `tick` whenever woken and whenever the
// watched file changes; otherwise it sleeps.  The file is watched through
// its folder, so a file replaced by a rename (as editors save) is seen as
// well as one written in place.  It holds no lock of its own while the tick
// runs, so the tick may call back into the library.
class LibraryThread {
public:
    LibraryThread();
    ~LibraryThread();
    LibraryThread(const LibraryThread&) = delete;
    LibraryThread& operator=(const LibraryThread&) = delete;

    // Starts the thread unless it runs already.
    void Start(std::function<void()> tick);
    void Wake();
    // The file whose changes run the tick; empty for none.
    void Watch(const std::string& path);
    // Stops and joins; from the thread itself (a callback ending the
    // process) it only detaches.
    void Stop();
    bool IsRunning() const;
    bool IsThisThread() const;

private:
    void Run();
    // True when the events waiting on the watch concern the watched file.
    bool WatchedFileChanged();

    mutable std::mutex m_mutex;
    std::thread m_thread;
    std::function<void()> m_tick;
    int m_wakeFd = -1;
    int m_notifyFd = -1;
    int m_watch = -1;
    std::string m_name;
    bool m_running = false;
    bool m_stop = false;
};

#endif
