#include "AvahiLoopHandle.h"

AvahiSimplePoll* AvahiLoopHandle::Open() {
    AvahiSimplePoll* poll = avahi_simple_poll_new();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pPoll = poll;
    return poll;
}

void AvahiLoopHandle::Quit() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pPoll != nullptr)
        avahi_simple_poll_quit(m_pPoll);
}

void AvahiLoopHandle::Close() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pPoll != nullptr)
        avahi_simple_poll_free(m_pPoll);
    m_pPoll = nullptr;
}
