#include "TransferDeadline.h"

#include <algorithm>

TransferDeadline::TransferDeadline(Clock::duration idle, int64_t floorBytesPerSecond, Clock::time_point start)
    : m_idle(idle), m_floorBytesPerSecond(std::max<int64_t>(floorBytesPerSecond, 1)), m_start(start),
      m_lastProgress(start), m_allowance(idle) {}

void TransferDeadline::OnLength(int64_t length) {
    const int64_t bytes = std::max<int64_t>(length, 0);
    // Whole milliseconds, rounded up, so that the floor rate is never
    // asked of the peer more strictly than stated.
    const int64_t ms = (bytes * 1000 + m_floorBytesPerSecond - 1) / m_floorBytesPerSecond;
    m_allowance = m_idle + std::chrono::milliseconds(ms);
}

TransferDeadline::Clock::time_point TransferDeadline::Expiry() const {
    return std::min(m_lastProgress + m_idle, m_start + m_allowance);
}
