#include "DnsSdTick.h"

DnsSdTick::DnsSdTick(Loop publish, Loop browse, Clock::duration retryInterval)
    : m_publish(std::move(publish)), m_browse(std::move(browse)), m_retryInterval(retryInterval) {}

void DnsSdTick::OnTick(Clock::time_point now) {
    Serve(m_publish, now);
    Serve(m_browse, now);
}

void DnsSdTick::Serve(Slot& slot, Clock::time_point now) {
    if (slot.loop.takeDaemonFailure()) {
        slot.request = true;
        slot.notBefore = slot.lastStart + m_retryInterval;
    }
    // Taken first, so that a request raised while a thread starts is not
    // lost with this one.
    if (!slot.request.exchange(false))
        return;
    if (slot.loop.isRunning()) {
        slot.loop.stop();
        slot.request = true;
        return;
    }
    if (now < slot.notBefore) {
        slot.request = true;
        return;
    }
    slot.lastStart = now;
    slot.notBefore = Clock::time_point();
    slot.loop.start();
}
