#include "DnsSdThreads.h"

#include <chrono>
#include <thread>

#include <wx/log.h>

#include "AvahiMulticast.h"
#include "AvahiPublisher.h"
#include "ListenThread.h"
#include "PublishThread.h"

namespace {

const auto kShutdownWait = std::chrono::seconds(5);

}  // namespace

DnsSdThreads::DnsSdThreads(MeshInfoManager& model) : m_model(model) {}

DnsSdThreads::~DnsSdThreads() {
    AvahiMulticast::AbandonFirstWait();
    const auto end = std::chrono::steady_clock::now() + kShutdownWait;
    while ((IsListening() || IsPublishing()) && std::chrono::steady_clock::now() < end) {
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
    ReapListener();
    auto* thread = new ListenThread(m_model);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't create thread!");
        delete thread;
        return;
    }
    ListenThread::m_bExcuting = true;
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't start thread!");
        ListenThread::m_bExcuting = false;
        delete thread;
        return;
    }
    m_pListenThread = thread;
}

void DnsSdThreads::ReconnectPublish() {
    if (IsPublishing())
        return;
    auto* thread = new PublishThread(m_model);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't create thread!");
        delete thread;
        return;
    }
    PublishThread::m_bPublishing = true;
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't start thread!");
        PublishThread::m_bPublishing = false;
        delete thread;
    }
    // A running detached thread deletes itself; no pointer is kept.
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
