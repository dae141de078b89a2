#include "sim/LibraryThread.h"

#include <chrono>

LibraryThread::~LibraryThread() { Stop(); }

void LibraryThread::Start(std::function<void()> tick, int periodMs) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    m_tick = std::move(tick);
    m_periodMs = periodMs;
    m_stop = false;
    m_woken = false;
    m_running = true;
    m_thread = std::thread(&LibraryThread::Run, this);
}

void LibraryThread::Wake() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
    }
    m_cv.notify_all();
}

void LibraryThread::Stop() {
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_stop = true;
        m_running = false;
        thread = std::move(m_thread);
    }
    m_cv.notify_all();
    if (thread.get_id() == std::this_thread::get_id())
        thread.detach();
    else if (thread.joinable())
        thread.join();
}

bool LibraryThread::IsRunning() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running;
}

bool LibraryThread::IsThisThread() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running && m_thread.get_id() == std::this_thread::get_id();
}

void LibraryThread::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        m_cv.wait_for(lock, std::chrono::milliseconds(m_periodMs), [this] { return m_stop || m_woken; });
        if (m_stop)
            break;
        m_woken = false;
        std::function<void()> tick = m_tick;
        lock.unlock();
        tick();
        lock.lock();
    }
}
