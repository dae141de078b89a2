#include "DataCenterLinux.h"

#include <algorithm>
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

#include "ApStatusUtil.h"
#include "GetCurAPThread.h"
#include "NetworkStatusView.h"
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
#include "UserNotices.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"

namespace {

const char* const kLog = "/tmp/DataCenterLinux.log";
const int kStatusPeriodMs = 10000;
const int kAllocatorPeriodMs = 10000;
const int kAllocatorTicks = 5;  // success on ticks 1 to 4, failure on tick 5

enum { ID_TIMER_STATUS = 6300, ID_TIMER_ALLOCATOR };

// A zero-filled 256-byte text buffer filled by the library, byte 255 forced
// to NUL.
struct TextBuffer {
    char text[RVL_TEXT_BUFFER] = {};
    void Terminate() { text[RVL_TEXT_BUFFER - 1] = '\0'; }
};

bool AdapterFlag(int (*query)(int, int*), int type) {
    int value = 0;
    return query(type, &value) == 0 && value != 0;
}

bool StatusFlag(int (*query)(int*)) {
    int value = 0;
    return query(&value) == 0 && value != 0;
}

}  // namespace

// One scan: one RVL_GetAPList, copied into the hub's list under its mutex,
// then reported to the hub with the library's result.
class DataCenterLinux::ScanThread : public wxThread {
public:
    explicit ScanThread(DataCenterLinux* hub) : wxThread(wxTHREAD_DETACHED), m_pHub(hub) {}

protected:
    ExitCode Entry() override {
        AccessPointList local;
        std::memset(&local, 0, sizeof local);
        const int result = RVL_GetAPList(&local);
        {
            wxMutexLocker lock(m_pHub->m_scanMutex);
            m_pHub->m_scanList = local;
        }
        ScanEvent event(ID_SCAN);
        event.SetValue(result);
        m_pHub->AddPendingEvent(event);
        m_pHub->JobEnded();
        return nullptr;
    }

private:
    DataCenterLinux* m_pHub;
};

// One association attempt.  Its outcome shows only in the address the
// allocation timer reads.
class DataCenterLinux::ConnectAPThread : public wxThread {
public:
    ConnectAPThread(DataCenterLinux* hub, const APStatus& request, const ConnectInfo& info)
        : wxThread(wxTHREAD_DETACHED), m_pHub(hub), m_request(request), m_info(info) {}

protected:
    ExitCode Entry() override {
        const int result = RVL_ConnectAP(&m_request, m_info);
        TWMLog(kLog, result == 0 ? "RVL_ConnectAP returned 0" : "RVL_ConnectAP failed");
        m_pHub->JobEnded();
        return nullptr;
    }

private:
    DataCenterLinux* m_pHub;
    APStatus m_request;
    ConnectInfo m_info;
};

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

bool DataCenterLinux::IsAdapterUp(int type) { return AdapterFlag(&RVL_IsExistUpAdapter, type); }

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
    }
}

APStatus* DataCenterLinux::GetCurrentAPStatus() {
    TakeStagedAnswer();
    return m_bHasCurrentAP ? &m_currentAP : nullptr;
}

void DataCenterLinux::ForgetCurrentAP() {
    m_bHasCurrentAP = false;
    m_bShowOnAnswer = false;
    if (m_pCurAPThread != nullptr)
        m_pCurAPThread->Invalidate();
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
// Scanning

int DataCenterLinux::StartScan() {
    // One scan at a time: a request during a scan is served by its result.
    if (m_bScanning.exchange(true))
        return HUB_OK;
    auto* thread = new ScanThread(this);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        delete thread;
        m_bScanning = false;
        wxLogError(_("Can't create thread!"));
        return HUB_SCAN_THREAD_FAILED;
    }
    JobStarted();
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        delete thread;
        JobEnded();
        m_bScanning = false;
        wxLogError(_("Can't start thread!"));
        return HUB_SCAN_THREAD_FAILED;
    }
    return HUB_OK;
}

void DataCenterLinux::OnScanEvent(ScanEvent& e) {
    m_bScanning = false;
    AccessPointList list;
    {
        wxMutexLocker lock(m_scanMutex);
        list = m_scanList;
    }
    list.nCount = std::clamp(list.nCount, 0, static_cast<int>(RVL_AP_LIST_MAX));
    // Every scan is reported, the empty and the failed ones too, so the scan
    // window never waits for a result that will not come.
    if (m_scanWindow.view != nullptr)
        m_scanWindow.view->UI_UpdateAPSatus(e.GetValue(), &list);
}

// ---------------------------------------------------------------------------
// Wireless connect and disconnect

void DataCenterLinux::PostConnectResult(wxEvtHandler* receiver, int code) {
    if (receiver != nullptr)
        receiver->AddPendingEvent(WlanAcmEvent(ID_WLAN_ACM, code, REASON_NORMAL));
}

int DataCenterLinux::ConnectWlanNetwork(APStatus* ap, wxString key, int keyIndex, bool toProfileControl) {
    TWMLog(kLog, "Enter DataCenterLinux::ConnectWlanNetwork");
    wxEvtHandler* receiver = toProfileControl ? static_cast<wxEvtHandler*>(m_pProfileControl) : m_scanWindow.events;

    if (IsAdapterUp(ADAPTER_WIRED)) {
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_WIRED_ADAPTER_UP;
    }
    const std::string keyBytes = TWMUtil::WxStringToStdString(key);
    if (ap == nullptr || ap->nSSIDLength > RVL_SSID_MAX || keyBytes.size() > RVL_TEXT_BUFFER - 1) {
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_REQUEST_REFUSED;
    }
    // A new attempt supersedes one still waiting for its address; its
    // receiver gets its answer now.
    if (m_allocTimer.IsRunning()) {
        m_allocTimer.Stop();
        if (m_pAllocReceiver != receiver)
            PostConnectResult(m_pAllocReceiver, WLAN_FAILED);
    }

    std::memset(&m_connectInfo, 0, sizeof m_connectInfo);
    std::memcpy(m_connectInfo.szKey, keyBytes.data(), keyBytes.size());
    std::memcpy(m_connectInfo.szSSID, ap->ucSSID, ap->nSSIDLength);
    m_connectInfo.nKeyIndexSecurity =
        (static_cast<uint32_t>(keyIndex) << 16) | (ap->nSecurity & 0xFFFFu);

    m_connectAP = *ap;
    m_connectAP.nMode = 3;

    auto* thread = new ConnectAPThread(this, m_connectAP, m_connectInfo);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        delete thread;
        wxLogError(_("Can't create thread!"));
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_OK;
    }
    JobStarted();
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        delete thread;
        JobEnded();
        wxLogError(_("Can't start thread!"));
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_OK;
    }

    // The access point being connected counts as current from now on, until
    // the attempt fails.
    if (m_pCurAPThread != nullptr)
        m_pCurAPThread->Invalidate();
    m_currentAP = *ap;
    m_bHasCurrentAP = true;

    m_pAllocReceiver = receiver;
    m_nAllocTicks = 0;
    m_allocTimer.Start(kAllocatorPeriodMs, wxTIMER_CONTINUOUS);
    TWMLog(kLog, "Leave DataCenterLinux::ConnectWlanNetwork");
    return HUB_OK;
}

void DataCenterLinux::OnAllocatorTimer() {
    ++m_nAllocTicks;
    if (m_nAllocTicks >= kAllocatorTicks) {
        m_allocTimer.Stop();
        // No address: the laptop is not connected to that network, and no
        // window may show it as the current one.
        ForgetCurrentAP();
        PostConnectResult(m_pAllocReceiver, WLAN_FAILED);
        return;
    }
    TextBuffer buf;
    if (RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, buf.text) != 0)
        return;
    buf.Terminate();
    if (buf.text[0] == '\0' || std::strcmp(buf.text, "127.0.0.1") == 0)
        return;
    m_allocTimer.Stop();
    // Until the association is read, the current record is the request,
    // which knows neither the signal nor, from a profile, the PHY type.
    m_bShowOnAnswer = true;
    RequestCurrentAPRead();
    PostConnectResult(m_pAllocReceiver, WLAN_CONNECTED);
}

bool DataCenterLinux::DisconnectWlan(bool noRestart) {
    TWMLog(kLog, "Enter DataCenterLinux::DisconnectWlan");
    RVL_CloseWlanConnection();
    ForgetCurrentAP();
    std::memset(m_oldSsid, 0, sizeof m_oldSsid);
    // A connection the user closed must not later be reported as connected.
    if (!noRestart && m_allocTimer.IsRunning()) {
        m_allocTimer.Stop();
        PostConnectResult(m_pAllocReceiver, WLAN_FAILED);
    }
    if (!noRestart)
        QueueSwitchAdapter(ADAPTER_NONE, ADAPTER_WIRELESS, nullptr);
    if (m_scanWindow.events != nullptr)
        m_scanWindow.events->AddPendingEvent(WlanAcmEvent(ID_WLAN_ACM, WLAN_DISCONNECTED, REASON_NORMAL));
    TWMLog(kLog, "Leave DataCenterLinux::DisconnectWlan");
    return true;
}

// ---------------------------------------------------------------------------
// Status timer and status check

void DataCenterLinux::StartStatusTimer() {
    m_statusTimer.SetOwner(this, ID_TIMER_STATUS);
    m_statusTimer.Start(kStatusPeriodMs, wxTIMER_CONTINUOUS);
}

void DataCenterLinux::SetOldSsid(const unsigned char key[36]) {
    if (key != nullptr)
        std::memcpy(m_oldSsid, key, sizeof m_oldSsid);
}

void DataCenterLinux::RefreshStatus() {
    if (m_bShowPosted)
        return;
    m_bShowPosted = true;
    // Out of the caller's handler; a connection still waiting for its
    // association to be read is shown when that answer comes.
    CallAfter([this] {
        m_bShowPosted = false;
        if (!m_bShowOnAnswer)
            ShowStatus();
    });
}

void DataCenterLinux::OnCurrentAPAnswered(wxThreadEvent&) {
    TakeStagedAnswer();
    if (m_bShowOnAnswer) {
        m_bShowOnAnswer = false;
        ShowStatus();
    }
}

DataCenterLinux::LinkFlags DataCenterLinux::ReadLinkFlags() {
    return {AdapterFlag(&RVL_IsExistUpAdapter, ADAPTER_WIRED), AdapterFlag(&RVL_IsExistUpAdapter, ADAPTER_WIRELESS),
            StatusFlag(&RVL_GetLANStatus), StatusFlag(&RVL_GetWirelessStatus)};
}

int DataCenterLinux::ModeOf(const LinkFlags& f) const {
    if (MeshState() != MESH_OFF)
        return NETMODE_MESH;
    if (f.wiredUp && f.wiredConnected)
        return NETMODE_WIRED_CONNECTED;
    if (f.wirelessUp && f.wirelessConnected)
        return NETMODE_WIRELESS_CONNECTED;
    if (f.wiredUp)
        return NETMODE_WIRED_NOLINK;
    if (f.wirelessUp)
        return NETMODE_WIRELESS_NOLINK;
    return NETMODE_NO_ADAPTER;
}

void DataCenterLinux::ShowStatus() {
    const int mode = ModeOf(ReadLinkFlags());
    m_nNetworkMode = mode;  // the status check still compares with its own last tick
    const MeshStatus status = BuildStatus(mode);
    if (m_mainWindow.view != nullptr) {
        m_mainWindow.view->UpdateNetworkStatus(mode, status);
        m_mainWindow.view->UpdateControls(mode);
    }
    if (m_pTaskTray != nullptr)
        m_pTaskTray->RefreshTrayIcon(mode, status);
}

void DataCenterLinux::OnStatusTimer() {
    TWMLog(kLog, "Enter DataCenterLinux::OnStatusTimer");
    TakeStagedAnswer();
    RVL_SearchAdapter();
    const LinkFlags f = ReadLinkFlags();
    CheckNetworkStatus(f.wiredUp, f.wirelessUp, f.wiredConnected, f.wirelessConnected);
    TWMLog(kLog, "Leave DataCenterLinux::OnStatusTimer");
}

int DataCenterLinux::MeshState() const { return m_meshStatusSource ? m_meshStatusSource() : MESH_OFF; }

bool DataCenterLinux::SwitchesDone() { return m_pSwitchThread == nullptr || m_pSwitchThread->IsIdle(); }

bool DataCenterLinux::NoApplyRuns() {
    if (m_mainWindow.view != nullptr && m_mainWindow.view->IsApplyingProfile())
        return false;
    if (m_pTaskTray != nullptr && !m_pTaskTray->GetApplyWirelessFlag())
        return false;
    if (m_pProfileControl != nullptr && m_pProfileControl->IsApplying())
        return false;
    return true;
}

wxString DataCenterLinux::IPTextOf(int adapterType, bool* realAddress) {
    if (realAddress != nullptr)
        *realAddress = false;
    TextBuffer buf;
    if (RVL_GetIPAddressHLAN(adapterType, buf.text) != 0)
        return wxString();
    buf.Terminate();
    if (std::strcmp(buf.text, "127.0.0.1") == 0)
        return _("Acquiring Network Address");
    if (realAddress != nullptr)
        *realAddress = buf.text[0] != '\0';
    return TWMUtil::StdStringToWxString(buf.text);
}

MeshStatus DataCenterLinux::BuildStatus(int mode) {
    MeshStatus status;
    switch (mode) {
    case NETMODE_WIRED_CONNECTED:
        status.m_strType = GetConnectTypeText();
        status.m_strIP = IPTextOf(ADAPTER_WIRED);
        break;
    case NETMODE_WIRELESS_CONNECTED:
        if (const APStatus* ap = GetCurrentAPStatus()) {
            switch (ap->nPhyType) {
            case RVL_PHY_80211B:
                status.m_strType = _("Wireless LAN - 802.11b - 11Mbps");
                break;
            case RVL_PHY_80211N:
                status.m_strType = _("Wireless LAN - 802.11n - 108Mbps");
                break;
            default:
                status.m_strType = _("Wireless LAN - 802.11g - 54Mbps");
                break;
            }
            status.m_nSignalQuality = static_cast<int>(std::min<uint32_t>(ap->nSignalQuality, 100));
        }
        status.m_strIP = IPTextOf(ADAPTER_WIRELESS);
        break;
    case NETMODE_MESH:
        switch (MeshState()) {
        case MESH_SHARING_MY_INTERNET:
            status.m_strType = _("Mesh - Sharing My Internet");
            break;
        case MESH_USING_OTHERS_INTERNET:
            status.m_strType = _("Mesh - Using Other's Internet");
            break;
        default:
            status.m_strType = _("Mesh");
            break;
        }
        status.m_strIP = IPTextOf(ADAPTER_WIRELESS);
        break;
    default:
        break;
    }
    return status;
}

void DataCenterLinux::DetectWirelessSwitch(int mode, const MeshStatus&) {
    if (mode == NETMODE_WIRELESS_CONNECTED) {
        const APStatus* ap = GetCurrentAPStatus();
        bool realAddress = false;
        IPTextOf(ADAPTER_WIRELESS, &realAddress);
        if (ap == nullptr || !realAddress)
            return;
        unsigned char newKey[36];
        std::memcpy(newKey, ApStatusUtil::SsidKey(*ap), sizeof newKey);
        if (std::memcmp(newKey, m_oldSsid, sizeof newKey) != 0) {
            const WirelessSwitchEvent event(m_oldSsid, newKey);
            if (m_pProfileControl != nullptr)
                m_pProfileControl->AddPendingEvent(event);
            if (m_mainWindow.events != nullptr)
                m_mainWindow.events->AddPendingEvent(event);
            if (wxEvtHandler* tray = GetTaskTrayHandler())
                tray->AddPendingEvent(event);
        }
        SetOldSsid(newKey);
    } else if (mode != NETMODE_MESH) {
        std::memset(m_oldSsid, 0, sizeof m_oldSsid);
    }
}

void DataCenterLinux::CallModeChangePair(int mode) {
    if (m_pProfileControl != nullptr)
        m_pProfileControl->NotifyModeChanged(mode);
    if (m_mainWindow.view != nullptr)
        m_mainWindow.view->UpdateControls(mode);
}

void DataCenterLinux::CheckNetworkStatus(bool wiredUp, bool wirelessUp, bool wiredConnected,
                                         bool wirelessConnected) {
    TWMLog(kLog, "Enter DataCenterLinux::CheckNetworkStatus");
    const int mode = ModeOf({wiredUp, wirelessUp, wiredConnected, wirelessConnected});

    // Both are set before a question below runs its nested loop, so that a
    // tick inside it compares with this one.
    const int prev = m_nPreviousMode;
    m_nNetworkMode = mode;
    m_nPreviousMode = mode;

    if (wirelessConnected)
        RequestCurrentAPRead();
    else if (!m_allocTimer.IsRunning())
        ForgetCurrentAP();

    const MeshStatus status = BuildStatus(mode);
    DetectWirelessSwitch(mode, status);

    if (m_mainWindow.view != nullptr)
        m_mainWindow.view->UpdateNetworkStatus(mode, status);
    if (m_pTaskTray != nullptr)
        m_pTaskTray->UpdateTrayIcon(mode, status);

    if (mode != prev)
        CallModeChangePair(mode);
    if (mode == NETMODE_MESH)
        CallModeChangePair(mode);
    else if (mode == NETMODE_NO_ADAPTER && mode == prev)
        CallModeChangePair(mode);

    // Stored before the questions: a tick inside a question's nested loop
    // must not be overwritten by this older one afterwards.
    const bool lastWiredConnected = m_bLastWiredConnected;
    m_bLastWiredConnected = wiredConnected;
    AskAndNotify(prev, mode, wiredUp, wirelessUp, wiredConnected, lastWiredConnected);
    TWMLog(kLog, "Leave DataCenterLinux::CheckNetworkStatus");
}

void DataCenterLinux::AskAndNotify(int prev, int mode, bool wiredUp, bool wirelessUp, bool wiredConnected,
                                   bool lastWiredConnected) {
    // a. The wired link went away after mode 0 while the wireless adapter is off.
    if (prev == NETMODE_WIRED_CONNECTED && !wiredUp && !wirelessUp) {
        if (!m_bAskSwitchToWireless) {
            m_bAskSwitchToWireless = true;
        } else if (!m_bQuestionOpen && NoApplyRuns()) {
            m_bQuestionOpen = true;
            if (TWMUtil::AskSwitchToWireless())
                QueueSwitchAdapter(ADAPTER_WIRED, ADAPTER_WIRELESS, nullptr);
            m_bQuestionOpen = false;
        }
    } else if (!m_bAskSwitchToWireless && NoApplyRuns() && SwitchesDone()) {
        // The command that disarmed the question is over and its loss of the
        // wire, if any, has passed: a later pulled cable is asked about.
        m_bAskSwitchToWireless = true;
    }
    // b. A wired link came up while wireless is in use.
    const bool wiredRose = wiredConnected && !lastWiredConnected;
    if ((prev == NETMODE_WIRELESS_CONNECTED || prev == NETMODE_WIRELESS_NOLINK) && wirelessUp && wiredRose &&
        !m_bQuestionOpen && NoApplyRuns()) {
        m_bQuestionOpen = true;
        if (TWMUtil::AskSwitchToWired())
            m_bSuppressSwitchNotice = true;
        m_bQuestionOpen = false;
    }
    // c. The mode moved from wireless to wired.
    if ((prev == NETMODE_WIRELESS_CONNECTED || prev == NETMODE_WIRELESS_NOLINK) &&
        (mode == NETMODE_WIRED_CONNECTED || mode == NETMODE_WIRED_NOLINK)) {
        if (m_bSuppressSwitchNotice)
            m_bSuppressSwitchNotice = false;
        else
            TWMUtil::ShowAdapterSwitchedBalloon();
    }
    // d. Wireless came up on its own: apply the first wireless profile.
    if (wirelessUp && !wiredUp && (mode == NETMODE_WIRELESS_CONNECTED || mode == NETMODE_WIRELESS_NOLINK) &&
        (prev == NETMODE_WIRED_CONNECTED || prev == NETMODE_WIRED_NOLINK || prev == NETMODE_MESH ||
         prev == NETMODE_NO_ADAPTER) &&
        m_pTaskTray != nullptr && NoApplyRuns()) {
        m_pTaskTray->SetApplyWirelessFlag(false);
        m_pTaskTray->ApplyWirelessProfile();
    }
}

// ---------------------------------------------------------------------------
// Platform callbacks: on the library's thread; they touch nothing of wx.

void DataCenterLinux::LanChangeCallBack(int*) { TWMLog(kLog, "LanChangeCallBack"); }

void DataCenterLinux::WlanChangeCallBack(int*) { TWMLog(kLog, "WlanChangeCallBack"); }

void DataCenterLinux::DisableAdapterCallBack(int* value) {
    const int v = value != nullptr ? *value : 0;
    RVL_DispatchDisableEvent(v != 0 ? ADAPTER_WIRELESS : ADAPTER_WIRED);
}
