#include "DnsSdThreads.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <wx/log.h>

#include "AvahiMulticast.h"
#include "AvahiPublisher.h"
#include "ListenThread.h"
#include "PublishThread.h"

namespace {

const auto kShutdownWait = std::chrono::seconds(5);

// Runs `thread` with `running` raised beforehand (the thread lowers it when
// it ends).  When it cannot be made or started the flag goes down again and
// the thread is deleted.
bool Launch(wxThread* thread, std::atomic<bool>& running) {
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't create thread!");
        delete thread;
        return false;
    }
    running = true;
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't start thread!");
        running = false;
        delete thread;
        return false;
    }
    return true;
}

}  // namespace

DnsSdThreads::DnsSdThreads(MeshInfoManager& model) : m_model(model) {}

DnsSdThreads::~DnsSdThreads() { StopUntil(std::chrono::steady_clock::now() + kShutdownWait); }

void DnsSdThreads::StopAndWait() { StopUntil(std::chrono::steady_clock::time_point::max()); }

void DnsSdThreads::StopUntil(std::chrono::steady_clock::time_point deadline) {
    AvahiMulticast::AbandonFirstWait();
    while ((IsListening() || IsPublishing()) && std::chrono::steady_clock::now() < deadline) {
        StopListen();
        StopPublish();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!IsListening())
        ReapListener();
}

bool DnsSdThreads::IsListening() { return ListenThread::m_bExcuting; }

bool DnsSdThreads::IsPublishing() { return PublishThread::m_bPublishing; }

void DnsSdThreads::ReapListener() {
    if (m_pListenThread == nullptr)
        return;
    m_pListenThread->Wait();
    delete m_pListenThread;
    m_pListenThread = nullptr;
}

void DnsSdThreads::StartListen() {
    if (IsListening())
        return;
    std::puts("StartListen");
    ReapListener();
    auto* thread = new ListenThread(m_model);
    if (!Launch(thread, ListenThread::m_bExcuting))
        return;
    m_pListenThread = thread;
    std::puts("lthread->Run()");
}

void DnsSdThreads::ReconnectPublish() {
    if (IsPublishing())
        return;
    // A running detached thread deletes itself; no pointer is kept.
    Launch(new PublishThread(m_model), PublishThread::m_bPublishing);
}

void DnsSdThreads::StopListen() {
    if (m_pListenThread != nullptr)
        m_pListenThread->Excute();
    else
        AvahiMulticast::StopBrowse();
}

void DnsSdThreads::StopPublish() { ExcuteFreeAvahi(); }

DnsSdTick::Loop DnsSdThreads::PublishLoop() {
    return {&DnsSdThreads::IsPublishing, [this] { StopPublish(); }, [this] { ReconnectPublish(); },
            &PublishThread::TakeDaemonFailure};
}

DnsSdTick::Loop DnsSdThreads::BrowseLoop() {
    return {&DnsSdThreads::IsListening, [this] { StopListen(); }, [this] { StartListen(); },
            &ListenThread::TakeDaemonFailure};
}
