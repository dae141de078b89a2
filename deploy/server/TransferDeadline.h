#ifndef TIDEWAVE_TRANSFERDEADLINE_H
#define TIDEWAVE_TRANSFERDEADLINE_H

#include <chrono>
#include <cstdint>

// When a deploy connection is given up.  Two limits, whichever comes first:
// - silence: every received byte, and every new step, gives the peer the
//   idle time again, so a slow sender that keeps sending is never cut off;
// - the whole exchange: the idle time plus the announced length at a low
//   floor rate, so a peer that trickles a byte now and then cannot keep its
//   place for ever.
// Times are passed in, so the rules run without a real clock.
class TransferDeadline {
public:
    using Clock = std::chrono::steady_clock;

    TransferDeadline(Clock::duration idle, int64_t floorBytesPerSecond, Clock::time_point start);

    // Bytes arrived, or a new step began.
    void OnProgress(Clock::time_point now) { m_lastProgress = now; }
    // The payload's announced length; the whole exchange may take longer.
    void OnLength(int64_t length);

    Clock::time_point LastProgress() const { return m_lastProgress; }
    Clock::time_point Expiry() const;
    bool Expired(Clock::time_point now) const { return now >= Expiry(); }

private:
    Clock::duration m_idle;
    int64_t m_floorBytesPerSecond;
    Clock::time_point m_start;
    Clock::time_point m_lastProgress;
    Clock::duration m_allowance;
};

#endif
