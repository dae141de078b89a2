#include "SwitchAdapterThread.h"

#include "RvlSdk.h"
#include "SwitchAdapterEvent.h"
#include "TWMLog.h"

namespace {
const char* const kLog = "/tmp/SwitchAdapterThread.log";
}

SwitchAdapterThread::SwitchAdapterThread() : wxThread(wxTHREAD_JOINABLE) {}

void SwitchAdapterThread::Enqueue(const SwitchAdapterRequest& request) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(request);
    }
    m_wake.notify_one();
}

void SwitchAdapterThread::RequestStop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_one();
}

bool SwitchAdapterThread::IsIdle() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.empty() && !m_bServing;
}

bool SwitchAdapterThread::TakesDown(int adapterType) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bServing && m_serving.nShutDown == adapterType)
        return true;
    for (const SwitchAdapterRequest& request : m_queue) {
        if (request.nShutDown == adapterType)
            return true;
    }
    return false;
}

bool SwitchAdapterThread::Serve(const SwitchAdapterRequest& request) {
    int shutDownResult = 0;
    if (request.nShutDown != 0)
        shutDownResult = RVL_DownAdapter(request.nShutDown);
    if (request.nStart != 0)
        return RVL_UpAdapter(request.nStart) == 0;
    return shutDownResult == 0;
}

wxThread::ExitCode SwitchAdapterThread::Entry() {
    TWMLog(kLog, "Enter SwitchAdapterThread::Entry");
    for (;;) {
        SwitchAdapterRequest request;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_bStop || !m_queue.empty(); });
            if (m_bStop)
                break;
            request = m_queue.front();
            m_queue.pop_front();
            m_bServing = true;
            m_serving = request;
        }
        const bool success = Serve(request);
        if (request.pReplyTo != nullptr)
            request.pReplyTo->AddPendingEvent(SwitchAdapterEvent(request.nShutDown, request.nStart, success));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bServing = false;
    }
    TWMLog(kLog, "Leave SwitchAdapterThread::Entry");
    return nullptr;
}
