#include "GetCurAPThread.h"

#include <chrono>
#include <cstring>

GetCurAPThread::GetCurAPThread() : wxThread(wxTHREAD_JOINABLE) {}

void GetCurAPThread::Request() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bRequested = true;
    }
    m_wake.notify_one();
}

void GetCurAPThread::Invalidate() {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nGeneration;
    m_bStaged = false;
    m_bRequested = false;
}

bool GetCurAPThread::TakeAnswer(APStatus& out) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bStaged)
        return false;
    out = m_staged;
    m_bStaged = false;
    return true;
}

void GetCurAPThread::RequestStop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
}

wxThread::ExitCode GetCurAPThread::Entry() {
    for (;;) {
        unsigned generation;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_bRequested && !m_bStop)
                m_wake.wait_for(lock, std::chrono::milliseconds(500));
            if (m_bStop)
                break;
            if (!m_bRequested)
                continue;
            m_bRequested = false;
            generation = m_nGeneration;
        }
        APStatus ap;
        std::memset(&ap, 0, sizeof ap);
        if (RVL_GetCurrentAP(&ap) != 0)
            continue;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (generation == m_nGeneration) {
            m_staged = ap;
            m_bStaged = true;
        }
    }
    return nullptr;
}
