#include "TransferDeadline.h"

#include <algorithm>

TransferDeadline::TransferDeadline(Clock::duration idle, int64_t floorBytesPerSecond, Clock::time_point start)
    : m_idle(idle), m_floorBytesPerSecond(std::max<int64_t>(floorBytesPerSecond, 1)), m_start(start),
      m_lastProgress(start), m_received(0) {}

void TransferDeadline::OnReceived(int64_t bytes, Clock::time_point now) {
    m_received += std::max<int64_t>(bytes, 0);
    m_lastProgress = now;
}

TransferDeadline::Clock::time_point TransferDeadline::Expiry() const {
    // Whole milliseconds, rounded up, so that the floor rate is never asked
    // of the peer more strictly than stated.
    const int64_t ms = (m_received * 1000 + m_floorBytesPerSecond - 1) / m_floorBytesPerSecond;
    return std::min(m_lastProgress + m_idle, m_start + m_idle + std::chrono::milliseconds(ms));
}
