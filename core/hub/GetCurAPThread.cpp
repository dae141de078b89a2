#include "GetCurAPThread.h"

#include <cstring>

#include <wx/event.h>

GetCurAPThread::GetCurAPThread(wxEvtHandler* answered) : wxThread(wxTHREAD_JOINABLE), m_pAnswered(answered) {}

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
            m_wake.wait(lock, [this] { return m_bStop || m_bRequested; });
            if (m_bStop)
                break;
            m_bRequested = false;
            generation = m_nGeneration;
        }
        APStatus ap;
        std::memset(&ap, 0, sizeof ap);
        if (RVL_GetCurrentAP(&ap) != 0)
            continue;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (generation != m_nGeneration)
                continue;
            m_staged = ap;
            m_bStaged = true;
        }
        if (m_pAnswered != nullptr)
            m_pAnswered->QueueEvent(new wxThreadEvent(wxEVT_THREAD, ANSWER_STAGED));
    }
    return nullptr;
}
