#ifndef TIDEWAVE_HANDOVERWORKER_H
#define TIDEWAVE_HANDOVERWORKER_H

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "DeployConstants.h"

class Delivery;

// Completes the deploy server's deliveries (store, confirm, hand over: the
// import) one at a time and in the order they arrived, on a thread of its
// own, so that the server goes on receiving while an import runs.  It
// sleeps while there is nothing to do.
//
// Few deliveries wait.  Each settings archive replaces the one before, so a
// newer archive supersedes the archives still waiting: they are dropped
// unimported, their connections closed without the confirmation.  When
// maxWaiting deliveries wait all the same (certificates), a new one is
// dropped the same way.
class HandOverWorker {
public:
    explicit HandOverWorker(int maxWaiting = DeployConstants::kMaxWaiting);
    ~HandOverWorker();
    HandOverWorker(const HandOverWorker&) = delete;
    HandOverWorker& operator=(const HandOverWorker&) = delete;

    bool Start();
    // Queues the delivery, or drops it (without a running worker too).
    void Push(std::unique_ptr<Delivery> delivery);
    // Deliveries waiting or being handed over: each holds a place of the
    // server.  Any thread may ask.
    int Held() const { return m_held.load(); }
    // Completes what is queued, then ends the thread.
    void Stop();

private:
    void Run();

    const int m_maxWaiting;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::unique_ptr<Delivery>> m_queue;
    std::atomic<int> m_held{0};
    bool m_bRunning = false;
    bool m_bStop = false;
    std::thread m_thread;
};

#endif
