#ifndef TIDEWAVE_HANDOVERWORKER_H
#define TIDEWAVE_HANDOVERWORKER_H

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class Delivery;

// Completes the deploy server's deliveries (store, confirm, hand over: the
// import) one at a time and in the order they arrived, on a thread of its
// own, so that the server goes on receiving while an import runs.  It
// sleeps while there is nothing to do.
class HandOverWorker {
public:
    HandOverWorker();
    ~HandOverWorker();
    HandOverWorker(const HandOverWorker&) = delete;
    HandOverWorker& operator=(const HandOverWorker&) = delete;

    bool Start();
    // Queues the delivery.  Without a running worker it is dropped (its
    // connection closed, its file removed).
    void Push(std::unique_ptr<Delivery> delivery);
    // Completes what is queued, then ends the thread.
    void Stop();

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::unique_ptr<Delivery>> m_queue;
    bool m_bRunning = false;
    bool m_bStop = false;
    std::thread m_thread;
};

#endif
