#include "ListenThread.h"

#include <cstdio>

#include "AvahiMulticast.h"
#include "MeshInfoManager.h"

std::atomic<bool> ListenThread::m_bExcuting{false};
std::atomic<bool> ListenThread::s_bDaemonFailed{false};
std::atomic<int> ListenThread::s_nLive{0};

ListenThread::ListenThread(MeshInfoManager& model) : wxThread(wxTHREAD_JOINABLE), m_model(model) { ++s_nLive; }

ListenThread::~ListenThread() { --s_nLive; }

int ListenThread::LiveCount() { return s_nLive; }

bool ListenThread::TakeDaemonFailure() { return s_bDaemonFailed.exchange(false); }

void ListenThread::Excute() {
    AvahiMulticast::StopBrowse();
    std::puts("ListenThread::Excute free ");
}

wxThread::ExitCode ListenThread::Entry() {
    std::puts("start ListenThread::Entry()");
    m_bExcuting = true;
    bool daemonUnavailable = false;
    AvahiMulticast::BrowseLoop(m_model, daemonUnavailable);
    if (daemonUnavailable)
        s_bDaemonFailed = true;
    std::puts("end ListenThread::Entry()");
    return nullptr;
}

void ListenThread::OnExit() {
    m_bExcuting = false;
    std::puts("ListenThread::m_bExcuting = false");
}
