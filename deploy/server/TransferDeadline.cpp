#include "TransferDeadline.h"

#include <algorithm>

TransferDeadline::TransferDeadline(Clock::duration idle, int64_t floorBytesPerSecond, Clock::time_point start)
    : m_idle(idle), m_floorBytesPerSecond(std::max<int64_t>(floorBytesPerSecond, 1)), m_start(start),
      m_lastProgress(start), m_received(0) {}

void TransferDeadline::OnReceived(int64_t bytes, Clock::time_point now) {
    m_received += std::max<int64_t>(bytes, 0);
    m_lastProgress = now;
}

TransferDeadline::Clock::duration TransferDeadline::Earned(int64_t bytes, int64_t floorBytesPerSecond) {
    const int64_t floor = std::max<int64_t>(floorBytesPerSecond, 1);
    return std::chrono::milliseconds((std::max<int64_t>(bytes, 0) * 1000 + floor - 1) / floor);
}

TransferDeadline::Clock::time_point TransferDeadline::Expiry() const {
    return std::min(m_lastProgress + m_idle, m_start + m_idle + Earned(m_received, m_floorBytesPerSecond));
}
