#include "HandOverWorker.h"

#include <algorithm>
#include <iterator>
#include <system_error>
#include <vector>

#include "Delivery.h"

HandOverWorker::HandOverWorker(int maxWaiting) : m_maxWaiting(maxWaiting) {}

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
    // Dropped deliveries close their connections after the lock is left.
    std::vector<std::unique_ptr<Delivery>> dropped;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bRunning && !m_bStop) {
            if (delivery->IsSettings()) {
                const auto superseded = std::stable_partition(
                    m_queue.begin(), m_queue.end(), [](const std::unique_ptr<Delivery>& d) { return !d->IsSettings(); });
                std::move(superseded, m_queue.end(), std::back_inserter(dropped));
                m_queue.erase(superseded, m_queue.end());
                m_held -= static_cast<int>(dropped.size());
            }
            if (static_cast<int>(m_queue.size()) < m_maxWaiting) {
                m_queue.push_back(std::move(delivery));
                ++m_held;
                m_wake.notify_one();
            }
        }
        if (delivery)
            dropped.push_back(std::move(delivery));
    }
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
        --m_held;
        lock.lock();
    }
}
