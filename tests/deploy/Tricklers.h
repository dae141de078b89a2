#ifndef TIDEWAVE_TEST_TRICKLERS_H
#define TIDEWAVE_TEST_TRICKLERS_H

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Peers that announce the largest payload and then send it slowly, a piece
// every so often each (spread over that time; the first piece with the
// length), four from each of 16 loopback addresses (127.0.3.1 to
// 127.0.3.16): as many as the server has places.  By default they trickle,
// a byte every half second.  A peer the server closes connects again at its
// next piece.  Runs on a thread of its own from the start.
class Tricklers {
public:
    using Clock = std::chrono::steady_clock;

    explicit Tricklers(unsigned short port, size_t piece = 1,
                       Clock::duration every = std::chrono::milliseconds(500));
    ~Tricklers();
    Tricklers(const Tricklers&) = delete;
    Tricklers& operator=(const Tricklers&) = delete;

    // Connections whose length the server answered, and those it closed.
    int Answered() const { return m_answered.load(); }
    int Cut() const { return m_cut.load(); }
    // Stops the peers; how long each connection lasted, from the server's
    // answer to its length (its connect, when unanswered) until the server
    // closed it or the peers stopped.
    std::vector<Clock::duration> Stop();

private:
    void Run();

    const unsigned short m_port;
    const std::string m_piece;
    const Clock::duration m_every;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_answered{0};
    std::atomic<int> m_cut{0};
    std::vector<Clock::duration> m_lives;  // the thread's until it ends
    std::thread m_thread;
};

#endif
