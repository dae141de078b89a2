#ifndef TIDEWAVE_TEST_SILENTCHURN_H
#define TIDEWAVE_TEST_SILENTCHURN_H

#include <atomic>
#include <thread>

// A crowd that keeps the deploy port busy: connections opened without pause
// at a steady rate from 240 loopback addresses (127.0.1.1 to 127.0.1.240),
// each sending half a length word once connected and then nothing, held
// until the server closes them (past 400 held, the oldest is let go).  Runs
// on a thread of its own from the start.
class SilentChurn {
public:
    SilentChurn(unsigned short port, int perSecond);
    ~SilentChurn();
    SilentChurn(const SilentChurn&) = delete;
    SilentChurn& operator=(const SilentChurn&) = delete;

    void Stop();
    // Connections begun, and those of them the server closed.
    int Opened() const { return m_opened.load(); }
    int Closed() const { return m_closed.load(); }

private:
    void Run();

    const unsigned short m_port;
    const int m_perSecond;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_opened{0};
    std::atomic<int> m_closed{0};
    std::thread m_thread;
};

#endif
