// The hub over the platform library: bring-up, mode and adapters, the
// current access point and adapter switching.  Scanning and connecting are
// in DataCenterLinuxConnect.cpp, the status check in DataCenterLinuxStatus.cpp.
#include "DataCenterLinux.h"

#include <chrono>
#include <cstring>

#include <net/if.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <arpa/inet.h>

#include <wx/intl.h>
#include <wx/log.h>

#include "DataCenterLinuxParts.h"
#include "GetCurAPThread.h"
#include "NetworkTypes.h"
#include "PolicyManager.h"
#include "ProfileManagementControl.h"
#include "ScanEvent.h"
#include "ScanResultView.h"
#include "SwitchAdapterEvent.h"
#include "SwitchAdapterThread.h"
#include "TWMLog.h"
#include "TWMUtil.h"
#include "TaskTrayLink.h"

using namespace DataCenterLinuxParts;

wxBEGIN_EVENT_TABLE(DataCenterLinux, DataCenter)
    EVT_SCAN_EVENT(ID_SCAN, DataCenterLinux::OnScanEvent)
    EVT_TIMER(ID_TIMER_STATUS, DataCenterLinux::OnStatusTimerEvent)
    EVT_TIMER(ID_TIMER_ALLOCATOR, DataCenterLinux::OnAllocatorTimerEvent)
wxEND_EVENT_TABLE()

namespace {
std::atomic<DataCenter*> g_overrideHub{nullptr};
std::atomic<DataCenter*> g_madeHub{nullptr};
}

DataCenter* DataCenter::GetInstance() {
    if (DataCenter* hub = g_overrideHub.load())
        return hub;
    // Made on first use, on whichever thread asks first; the constructor
    // creates nothing bound to a thread.
    static DataCenterLinux* instance = [] {
        auto* hub = new DataCenterLinux;
        g_madeHub.store(hub);
        return hub;
    }();
    return instance;
}

DataCenter* DataCenter::GetIfExists() {
    if (DataCenter* hub = g_overrideHub.load())
        return hub;
    return g_madeHub.load();
}

void DataCenter::OverrideInstanceForTesting(DataCenter* hub) { g_overrideHub.store(hub); }

DataCenterLinux::DataCenterLinux() = default;

DataCenterLinux::~DataCenterLinux() {
    m_statusTimer.Stop();
    m_allocTimer.Stop();
    if (m_pSwitchThread != nullptr) {
        m_pSwitchThread->RequestStop();
        m_pSwitchThread->Wait();
        delete m_pSwitchThread;
    }
    if (m_pCurAPThread != nullptr) {
        m_pCurAPThread->RequestStop();
        m_pCurAPThread->Wait();
        delete m_pCurAPThread;
    }
    // One-job threads still running refer to this hub: let them finish.
    std::unique_lock<std::mutex> lock(m_jobMutex);
    m_jobsDone.wait_for(lock, std::chrono::seconds(30), [this] { return m_nJobs == 0; });
    lock.unlock();
    delete m_pProfileControl;
    delete m_pPolicyManager;
}

void DataCenterLinux::JobStarted() {
    std::lock_guard<std::mutex> lock(m_jobMutex);
    ++m_nJobs;
}

void DataCenterLinux::JobEnded() {
    std::lock_guard<std::mutex> lock(m_jobMutex);
    --m_nJobs;
    m_jobsDone.notify_all();
}

// ---------------------------------------------------------------------------
// Bring-up

void DataCenterLinux::Init() {
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    TWMLog(kLog, "Enter DataCenterLinux::Init");
    RVL_RegisterLanChangedCallback(&DataCenterLinux::LanChangeCallBack);
    RVL_RegisterWLanChangedCallback(&DataCenterLinux::WlanChangeCallBack);
    RVL_RegisterDownInterfaceCallback(&DataCenterLinux::DisableAdapterCallBack);
    CreateAll();
    RVL_SearchAdapter();

    m_statusTimer.SetOwner(this, ID_TIMER_STATUS);
    m_allocTimer.SetOwner(this, ID_TIMER_ALLOCATOR);

    auto start = [](wxThread* thread) {
        if (thread->Create() != wxTHREAD_NO_ERROR) {
            wxLogError(_("Can't create thread!"));
            return false;
        }
        if (thread->Run() != wxTHREAD_NO_ERROR) {
            wxLogError(_("Can't start thread!"));
            return false;
        }
        return true;
    };
    m_pSwitchThread = new SwitchAdapterThread;
    if (!start(m_pSwitchThread)) {
        delete m_pSwitchThread;
        m_pSwitchThread = nullptr;
    }
    Bind(wxEVT_THREAD, &DataCenterLinux::OnCurrentAPAnswered, this, GetCurAPThread::ANSWER_STAGED);
    m_pCurAPThread = new GetCurAPThread(this);
    if (!start(m_pCurAPThread)) {
        delete m_pCurAPThread;
        m_pCurAPThread = nullptr;
    }
    TWMLog(kLog, "Leave DataCenterLinux::Init");
}

void DataCenterLinux::CreateAll() {
    // The order matters: the windows first (their constructors must not ask
    // for the controller or the policy), then the controller, the policy,
    // and the mesh client dialog last.
    if (m_pWindowFactory != nullptr && m_mainWindow.dlg == nullptr && m_mainWindow.events == nullptr)
        m_mainWindow = m_pWindowFactory->CreateNetworkManagerDlg();
    if (m_pWindowFactory != nullptr && m_scanWindow.dlg == nullptr && m_scanWindow.events == nullptr)
        m_scanWindow = m_pWindowFactory->CreateScanNetworkDlg();
    if (m_pWindowFactory != nullptr && m_profileManager.dlg == nullptr && m_profileManager.events == nullptr)
        m_profileManager = m_pWindowFactory->CreateProfileManagerDlg();
    if (m_pProfileControl == nullptr) {
        m_pProfileControl = new ProfileManagementControl;
        UpdateControllerTargets();
    }
    if (m_pPolicyManager == nullptr)
        m_pPolicyManager = new PolicyManager;
    if (m_pWindowFactory != nullptr && !m_bMeshClientMade) {
        m_pMeshClientDlg = m_pWindowFactory->CreateMeshUseOthersInternetDlg();
        m_bMeshClientMade = true;
    }
}

bool DataCenterLinux::ReloadPolicy() {
    return m_pPolicyManager != nullptr && m_pPolicyManager->LoadPolicy();
}

void DataCenterLinux::SetTaskTray(TaskTrayLink* tray) {
    m_pTaskTray = tray;
    UpdateControllerTargets();
}

void DataCenterLinux::UpdateControllerTargets() {
    if (m_pProfileControl != nullptr)
        m_pProfileControl->SetEventTargets(m_mainWindow.events, m_profileManager.events, GetTaskTrayHandler());
}

wxEvtHandler* DataCenterLinux::GetTaskTrayHandler() {
    return m_pTaskTray != nullptr ? m_pTaskTray->GetTrayEventHandler() : nullptr;
}

// ---------------------------------------------------------------------------
// Mode and adapters

void DataCenterLinux::SetNetworkMode(int mode) {
    m_nNetworkMode = mode;
    m_nPreviousMode = NETMODE_MESH;
}

bool DataCenterLinux::IsAdapterUp(int type) { return !TakenDown(type) && AdapterFlag(&RVL_IsExistUpAdapter, type); }

bool DataCenterLinux::TakenDown(int adapterType) {
    return m_pSwitchThread != nullptr && m_pSwitchThread->TakesDown(adapterType);
}

wxString DataCenterLinux::GetConnectTypeText() {
    const wxString prefix = _("Wired LAN - ");
    TextBuffer buf;
    if (RVL_GetConnectTypeHLAN(buf.text) != 0)
        return prefix;
    buf.Terminate();
    return prefix + TWMUtil::StdStringToWxString(buf.text);
}

int DataCenterLinux::GetInterfaceIPv4(const char* fragment, char* buf) {
    if (buf == nullptr)
        return -1;
    std::memset(buf, 0, 32);
    if (fragment == nullptr)
        return -1;
    const int sock = socket(AF_INET, SOCK_DGRAM, 0);
    if (sock < 0)
        return -1;
    int result = -1;
    if (struct if_nameindex* names = if_nameindex()) {
        for (struct if_nameindex* n = names; n->if_index != 0 && n->if_name != nullptr; ++n) {
            if (std::strstr(n->if_name, fragment) == nullptr)
                continue;
            struct ifreq req;
            std::memset(&req, 0, sizeof req);
            std::strncpy(req.ifr_name, n->if_name, IFNAMSIZ - 1);
            req.ifr_addr.sa_family = AF_INET;
            if (ioctl(sock, SIOCGIFADDR, &req) == 0) {
                const auto* addr = reinterpret_cast<const sockaddr_in*>(&req.ifr_addr);
                if (inet_ntop(AF_INET, &addr->sin_addr, buf, 32) != nullptr)
                    result = 0;
                else
                    std::memset(buf, 0, 32);
            }
            break;
        }
        if_freenameindex(names);
    }
    close(sock);
    return result;
}

// ---------------------------------------------------------------------------
// The current access point

void DataCenterLinux::TakeStagedAnswer() {
    APStatus answer;
    if (m_pCurAPThread != nullptr && m_pCurAPThread->TakeAnswer(answer)) {
        m_currentAP = answer;
        m_bHasCurrentAP = true;
        m_bCurrentAPRead = true;
    }
}

APStatus* DataCenterLinux::GetCurrentAPStatus() {
    TakeStagedAnswer();
    return m_bHasCurrentAP ? &m_currentAP : nullptr;
}

const APStatus* DataCenterLinux::GetReadAPStatus() {
    TakeStagedAnswer();
    return m_bHasCurrentAP && m_bCurrentAPRead ? &m_currentAP : nullptr;
}

void DataCenterLinux::ForgetCurrentAP() {
    const bool had = m_bHasCurrentAP;
    m_bHasCurrentAP = false;
    m_bCurrentAPRead = false;
    m_bShowOnAnswer = false;
    if (m_pCurAPThread != nullptr)
        m_pCurAPThread->Invalidate();
    if (had)
        CurrentAPChanged();
}

void DataCenterLinux::CurrentAPChanged() {
    if (m_scanWindow.view != nullptr)
        m_scanWindow.view->ShowCurrentAccessPoint();
}

void DataCenterLinux::RequestCurrentAPRead() {
    if (m_pCurAPThread != nullptr)
        m_pCurAPThread->Request();
}

// ---------------------------------------------------------------------------
// Adapter switching

void DataCenterLinux::QueueSwitchAdapter(int shutDown, int start, wxEvtHandler* replyTo) {
    SwitchAdapterRequest request;
    request.nShutDown = shutDown;
    request.nStart = start;
    request.pReplyTo = replyTo;
    // The association goes with the adapter.
    if (shutDown == ADAPTER_WIRELESS)
        ForgetCurrentAP();
    if (m_pSwitchThread != nullptr) {
        m_pSwitchThread->Enqueue(request);
        return;
    }
    // Without the worker (not initialised, or it could not start) the
    // request is still answered rather than lost.
    const bool success = SwitchAdapterThread::Serve(request);
    if (replyTo != nullptr)
        replyTo->AddPendingEvent(SwitchAdapterEvent(shutDown, start, success));
}

// ---------------------------------------------------------------------------
// Platform callbacks: on the library's thread; they touch nothing of wx.

void DataCenterLinux::LanChangeCallBack(int*) { TWMLog(kLog, "LanChangeCallBack"); }

void DataCenterLinux::WlanChangeCallBack(int*) { TWMLog(kLog, "WlanChangeCallBack"); }

void DataCenterLinux::DisableAdapterCallBack(int* value) {
    const int v = value != nullptr ? *value : 0;
    RVL_DispatchDisableEvent(v != 0 ? ADAPTER_WIRELESS : ADAPTER_WIRED);
}
