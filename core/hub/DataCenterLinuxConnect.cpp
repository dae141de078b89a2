// The hub's scanning and its wireless connect and disconnect.
#include "DataCenterLinux.h"

#include <algorithm>
#include <cstring>

#include <wx/intl.h>
#include <wx/log.h>

#include "DataCenterLinuxParts.h"
#include "GetCurAPThread.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "ScanEvent.h"
#include "ScanResultView.h"
#include "TWMLog.h"
#include "TWMUtil.h"
#include "WlanAcmEvent.h"

using namespace DataCenterLinuxParts;

namespace {

const int kAllocatorPeriodMs = 10000;
const int kAllocatorTicks = 5;  // success on ticks 1 to 4, failure on tick 5

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
// allocation timer reads.  It counts as running from before it is made.
class DataCenterLinux::ConnectAPThread : public wxThread {
public:
    ConnectAPThread(DataCenterLinux* hub, const APStatus& request, const ConnectInfo& info)
        : wxThread(wxTHREAD_DETACHED), m_pHub(hub), m_request(request), m_info(info) {}

protected:
    ExitCode Entry() override {
        const int result = RVL_ConnectAP(&m_request, m_info);
        TWMLog(kLog, result == 0 ? "RVL_ConnectAP returned 0" : "RVL_ConnectAP failed");
        --m_pHub->m_nAttemptsRunning;
        m_pHub->JobEnded();
        return nullptr;
    }

private:
    DataCenterLinux* m_pHub;
    APStatus m_request;
    ConnectInfo m_info;
};

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

    // The adapter as it is, also while a queued switch is to take it down.
    if (AdapterFlag(&RVL_IsExistUpAdapter, ADAPTER_WIRED)) {
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

    // The attempt drops the association it finds: counted from before it
    // can, so that no status shows that association any longer.
    ++m_nAttemptsRunning;
    auto* thread = new ConnectAPThread(this, m_connectAP, m_connectInfo);
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        delete thread;
        --m_nAttemptsRunning;
        wxLogError(_("Can't create thread!"));
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_OK;
    }
    JobStarted();
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        delete thread;
        --m_nAttemptsRunning;
        JobEnded();
        wxLogError(_("Can't start thread!"));
        PostConnectResult(receiver, WLAN_FAILED);
        return HUB_OK;
    }

    // The access point being connected counts as current from now on, until
    // the attempt fails; what the laptop is associated with is read once it
    // has its address.
    if (m_pCurAPThread != nullptr)
        m_pCurAPThread->Invalidate();
    const bool wasRead = m_bHasCurrentAP && m_bCurrentAPRead;
    m_currentAP = *ap;
    m_bHasCurrentAP = true;
    m_bCurrentAPRead = false;
    if (wasRead)
        CurrentAPChanged();

    m_pAllocReceiver = receiver;
    m_nAllocTicks = 0;
    m_allocTimer.Start(kAllocatorPeriodMs, wxTIMER_CONTINUOUS);
    ShowStatus();
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
    ShowStatus();
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
