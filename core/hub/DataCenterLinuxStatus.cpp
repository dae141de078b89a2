// The hub's status timer and status check: the mode, the status shown in
// the main window and the tray icon, and the questions and notices a change
// of the links brings.
#include "DataCenterLinux.h"

#include <algorithm>
#include <cstring>

#include <wx/intl.h>

#include "ApStatusUtil.h"
#include "DataCenterLinuxParts.h"
#include "NetworkStatusView.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "SwitchAdapterThread.h"
#include "TWMLog.h"
#include "TWMUtil.h"
#include "TaskTrayLink.h"
#include "WirelessSwitchEvent.h"

using namespace DataCenterLinuxParts;

namespace {

const int kStatusPeriodMs = 10000;

}  // namespace

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
    CurrentAPChanged();
    if (m_bShowOnAnswer) {
        m_bShowOnAnswer = false;
        ShowStatus();
    }
}

DataCenterLinux::LinkFlags DataCenterLinux::ReadLinkFlags() {
    const bool wiredGoing = TakenDown(ADAPTER_WIRED);
    const bool wirelessGoing = TakenDown(ADAPTER_WIRELESS);
    const bool associationGoing = m_nAttemptsRunning > 0;
    LinkFlags f{AdapterFlag(&RVL_IsExistUpAdapter, ADAPTER_WIRED), AdapterFlag(&RVL_IsExistUpAdapter, ADAPTER_WIRELESS),
                StatusFlag(&RVL_GetLANStatus), StatusFlag(&RVL_GetWirelessStatus)};
    f.wiredUp = f.wiredUp && !wiredGoing;
    f.wirelessUp = f.wirelessUp && !wirelessGoing;
    f.wirelessConnected = f.wirelessConnected && !wirelessGoing && !associationGoing;
    return f;
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
        // Until the association is read, the record is the request: its
        // type and signal are not shown as the network's.
        if (const APStatus* ap = GetReadAPStatus()) {
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
            status.m_bHasSignal = true;
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
