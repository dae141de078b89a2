#include "HandOverWorker.h"

#include <system_error>

#include "Delivery.h"

HandOverWorker::HandOverWorker() = default;

HandOverWorker::~HandOverWorker() { Stop(); }

bool HandOverWorker::Start() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bRunning)
        return true;
    try {
        m_bStop = false;
        m_thread = std::thread(&HandOverWorker::Run, this);
    } catch (const std::system_error&) {
        return false;
    }
    m_bRunning = true;
    return true;
}

void HandOverWorker::Push(std::unique_ptr<Delivery> delivery) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bRunning && !m_bStop) {
            m_queue.push_back(std::move(delivery));
            m_wake.notify_one();
            return;
        }
    }
    delivery.reset();
}

void HandOverWorker::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_bRunning)
            return;
        m_bStop = true;
    }
    m_wake.notify_one();
    m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bRunning = false;
}

void HandOverWorker::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        std::unique_ptr<Delivery> delivery = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        delivery->Complete();
        delivery.reset();
        lock.lock();
    }
}
