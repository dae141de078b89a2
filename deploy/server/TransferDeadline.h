#ifndef TIDEWAVE_TRANSFERDEADLINE_H
#define TIDEWAVE_TRANSFERDEADLINE_H

#include <chrono>
#include <cstdint>

// When a deploy connection is given up.  Two limits, whichever comes first:
// - silence: every received byte gives the peer the idle time again, so a
//   slow sender that keeps sending is never cut off for silence;
// - the whole exchange: the idle time plus what has been received at a low
//   floor rate (each floor's worth of bytes buys one more second), so a
//   peer that trickles a byte now and then is cut after about the idle
//   time, whatever length it announced, while one that sends at the floor
//   rate or faster lands.
// Times are passed in, so the rules run without a real clock.
class TransferDeadline {
public:
    using Clock = std::chrono::steady_clock;

    TransferDeadline(Clock::duration idle, int64_t floorBytesPerSecond, Clock::time_point start);

    // Bytes arrived.
    void OnReceived(int64_t bytes, Clock::time_point now);

    Clock::time_point Expiry() const;
    // The time that bytes received buy at the floor rate: whole
    // milliseconds, rounded up, so that the floor rate is never asked of
    // the peer more strictly than stated.
    static Clock::duration Earned(int64_t bytes, int64_t floorBytesPerSecond);
    bool Expired(Clock::time_point now) const { return now >= Expiry(); }

private:
    Clock::duration m_idle;
    int64_t m_floorBytesPerSecond;
    Clock::time_point m_start;
    Clock::time_point m_lastProgress;
    int64_t m_received;
};

#endif
