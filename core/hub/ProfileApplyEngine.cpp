// The applying of a profile: the state machine of ProfileManagementControl.
//
//   ApplyProfile -> Preparing -(200 ms)-> Switching -(adapter switched)->
//   Connecting -(connected)-> Finishing -> Idle
//
// Everything here runs on the GUI thread, driven by posted events and timers.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <wx/log.h>

#include "ApStatusUtil.h"
#include "DataCenter.h"
#include "NetworkTypes.h"
#include "ProfileEvent.h"
#include "ProfileManagementControl.h"
#include "SwitchAdapterEvent.h"
#include "TWMLog.h"
#include "TWMUtil.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"

namespace {

const char* const kLog = "/tmp/ProfileManagementControl.log";
const int kPrepareDelayMs = 200;
const int kWiredPollMs = 1000;
const int kWiredPolls = 20;  // the link gets 20 polls; tick 21 fails

bool IsWireless(const ProfileList_t& p) { return p.GenernalSet.ConnecType == "wireless"; }

uint32_t PhyTypeOf(const std::string& text) {
    if (text == "802.11b")
        return RVL_PHY_80211B;
    if (text == "802.11g")
        return RVL_PHY_80211G;
    if (text == "802.11n")
        return RVL_PHY_80211N;
    return 3;  // automatic
}

uint32_t SecurityOf(const std::string& text) {
    if (text == "none")
        return RVL_SECURITY_OPEN;
    if (text == "wep")
        return RVL_SECURITY_WEP;
    if (text == "wpa-psk")
        return RVL_SECURITY_WPA_PSK;
    return RVL_SECURITY_UNKNOWN;
}

}  // namespace

wxBEGIN_EVENT_TABLE(ProfileManagementControl, wxEvtHandler)
    EVT_WLAN_ACM_EVENT(ID_WLAN_ACM, ProfileManagementControl::OnWlanConnect)
    EVT_SWITCH_ADAPTER_EVENT(ID_SWITCH_ADAPTER, ProfileManagementControl::OnAdapterSwitch)
    EVT_WIRELESS_SWITCH_EVENT(ID_WIRELESS_SWITCH, ProfileManagementControl::OnWirelessSwitch)
    EVT_TIMER(ProfileManagementControl::ID_PREPARE_TIMER, ProfileManagementControl::OnTimerPrepare)
    EVT_TIMER(ProfileManagementControl::ID_WIRED_TIMER, ProfileManagementControl::OnWiredTimer)
wxEND_EVENT_TABLE()

void ProfileManagementControl::PostApplyEvent(wxEvtHandler* target, const wxEvent& event) {
    if (target != nullptr)
        target->AddPendingEvent(event);
}

void ProfileManagementControl::ApplyProfile(const ProfileList_t& profile) {
    TWMLog(kLog, "Enter ProfileManagementControl::ApplyProfile");
    if (m_nPhase != PHASE_IDLE) {
        // One apply at a time: the caller's busy notice still gets its end.
        const WlanAcmEvent failed(ID_WLAN_ACM, WLAN_FAILED, REASON_NORMAL);
        const ProfileEvent finished(ID_PROFILE_APPLY_STATUS, PROFILE_APPLY_FAILED);
        PostApplyEvent(m_pTaskTray, failed);
        PostApplyEvent(m_pMainWindow, failed);
        PostApplyEvent(m_pTaskTray, finished);
        PostApplyEvent(m_pMainWindow, finished);
        return;
    }
    m_bBusy = true;
    m_nPhase = PHASE_PREPARING;
    {
        // The profile in force until now is not once its link is taken down
        // for this one, and this one is not before it connected: no name is
        // given out while the apply runs.
        wxMutexLocker lock(m_storeMutex);
        m_currentUsedProfile = profile;
        m_strCurrentProfileName.clear();
    }
    m_strKey.clear();
    m_nKeyIndex = 0;
    std::memset(&m_connectRequest, 0, sizeof m_connectRequest);

    if (IsWireless(profile)) {
        const stWirelessSet& w = profile.WirelessSet;
        if (w.SSID.size() > RVL_SSID_MAX) {
            // An SSID that no access point can have (an imported file).
            FailAtOnce();
            return;
        }
        m_connectRequest = ApStatusUtil::MakeWithSsid(w.SSID);
        m_connectRequest.nPhyType = PhyTypeOf(w.WirlessType);
        m_connectRequest.nMode = 3;
        m_connectRequest.nSecurity = SecurityOf(w.WlanSecurity);
        if (w.WlanSecurity == "wep") {
            m_strKey = TWMUtil::StdStringToWxString(w.WEPKey);
            const int index = TWMUtil::ParseLeadingInt(w.KeyIndex.c_str());
            m_nKeyIndex = (index >= 1 && index <= 4) ? index : 1;
        } else if (w.WlanSecurity == "wpa-psk") {
            m_strKey = TWMUtil::StdStringToWxString(w.WPAKey);
        }
    }
    m_prepareTimer.StartOnce(kPrepareDelayMs);
    TWMLog(kLog, "Leave ProfileManagementControl::ApplyProfile");
}

void ProfileManagementControl::FailAtOnce() {
    NotifyConnectResult(WLAN_FAILED, REASON_NORMAL);
    NotifyApplyFinished(PROFILE_APPLY_FAILED);
}

void ProfileManagementControl::PrepareTick() {
    if (m_nPhase != PHASE_PREPARING)
        return;
    m_nPhase = PHASE_SWITCHING;
    if (IsWireless(m_currentUsedProfile)) {
        m_nSwitchShutDown = ADAPTER_WIRED;
        m_nSwitchStart = ADAPTER_WIRELESS;
    } else {
        m_nSwitchShutDown = ADAPTER_WIRELESS;
        m_nSwitchStart = ADAPTER_WIRED;
    }
    // The status shows the link this switch takes down gone from now on,
    // and what it leaves once it is done.
    DataCenter* hub = DataCenter::GetInstance();
    hub->QueueSwitchAdapter(m_nSwitchShutDown, m_nSwitchStart, this);
    hub->ShowStatusNow();
}

void ProfileManagementControl::OnAdapterSwitch(SwitchAdapterEvent& e) {
    // Only the reply this apply waits for moves it on; a late reply to a
    // disconnect is not taken for it.
    if (m_nPhase != PHASE_SWITCHING || e.GetShutDown() != m_nSwitchShutDown || e.GetStarted() != m_nSwitchStart) {
        m_bDisconnecting = false;
        return;
    }
    if (!e.GetSuccess()) {
        FailAtOnce();
        return;
    }
    m_nPhase = PHASE_CONNECTING;
    DataCenter* hub = DataCenter::GetInstance();
    if (IsWireless(m_currentUsedProfile)) {
        hub->ConnectWlanNetwork(&m_connectRequest, m_strKey, m_nKeyIndex, true);  // shows the status itself
    } else {
        hub->ShowStatusNow();
        m_nWiredTicks = 0;
        m_wiredTimer.Start(kWiredPollMs, wxTIMER_CONTINUOUS);
    }
}

void ProfileManagementControl::WiredPollTick() {
    ++m_nWiredTicks;
    if (m_nWiredTicks > kWiredPolls) {
        m_wiredTimer.Stop();
        AddPendingEvent(WlanAcmEvent(ID_WLAN_ACM, WLAN_FAILED, REASON_WIRED_TIMEOUT));
        return;
    }
    int connected = 0;
    if (RVL_IsExistConnectAdapter(ADAPTER_WIRED, &connected) == 0 && connected != 0) {
        m_wiredTimer.Stop();
        AddPendingEvent(WlanAcmEvent(ID_WLAN_ACM, WLAN_CONNECTED, REASON_NORMAL));
    }
}

void ProfileManagementControl::OnWlanConnect(WlanAcmEvent& e) {
    if (m_nPhase != PHASE_CONNECTING)
        return;  // belongs to no running apply
    if (e.GetCode() == WLAN_CONNECTED) {
        NotifyConnectResult(WLAN_CONNECTED, e.GetReason());
        m_nPhase = PHASE_FINISHING;
        const bool ipApplied = ContinueApplyProfile();
        NotifyApplyFinished(ipApplied ? PROFILE_APPLIED : PROFILE_APPLY_FAILED);
    } else if (e.GetCode() == WLAN_FAILED) {
        NotifyConnectResult(WLAN_FAILED, e.GetReason());
        NotifyApplyFinished(PROFILE_APPLY_FAILED);
    }
}

void ProfileManagementControl::ForgetCurrentProfile() {
    wxMutexLocker lock(m_storeMutex);
    m_strCurrentProfileName.clear();
    m_currentUsedProfile.name.clear();
    m_currentUsedProfile.permission.clear();
}

void ProfileManagementControl::NotifyConnectResult(int code, int reason) {
    if (code == WLAN_CONNECTED) {
        wxMutexLocker lock(m_storeMutex);
        m_strCurrentProfileName = TWMUtil::StdStringToWxString(m_currentUsedProfile.name);
    } else if (code == WLAN_FAILED) {
        ForgetCurrentProfile();
    }
    const WlanAcmEvent event(ID_WLAN_ACM, code, reason);
    PostApplyEvent(m_pTaskTray, event);
    PostApplyEvent(m_pMainWindow, event);
}

bool ProfileManagementControl::ContinueApplyProfile() {
    const ProfileList_t p = m_currentUsedProfile;
    const ProfileOtherSet& o = p.OtherSet;

    // Sharing is set on every apply, so no earlier profile's setting lingers.
    const bool forbidSharing = o.NetworkSecurity == "1" && o.ForbidShareInternet == "1";
    if (RVL_EnableInternetSharing(forbidSharing ? 0 : 1) != 0)
        TWMLog(kLog, "RVL_EnableInternetSharing failed");

    if (o.AutoRunAppFlag == "1") {
        for (const std::string& program : o.AutoRun) {
            if (!program.empty() && !TWMUtil::RunInBackground(program))
                TWMLog(kLog, "an autorun program could not be started");
        }
    }

    bool ipApplied = true;
    if (o.IPDNS == "1") {
        const int adapter = IsWireless(p) ? ADAPTER_WIRELESS : ADAPTER_WIRED;
        ipApplied = TWMUtil::ChangeIPAddress(adapter, o.IPvalue, o.SubnetAddress, o.NetGateway, o.DNSvalue);
        if (!ipApplied)
            TWMLog(kLog, "the profile's static IP settings could not be applied");
    } else if (!IsWireless(p)) {
        char word[RVL_TEXT_BUFFER] = "dhclient";
        RVL_WriteFile(word);
    }

    if (o.HomepageFlag == "1" || o.ProxyFlag == "1") {
        bool apply = true;
        while (apply && TWMUtil::IsFirefoxRunning())
            apply = TWMUtil::AskCloseFirefox();
        if (!apply) {
            TWMLog(kLog, "browser settings skipped: Firefox kept running");
        } else {
            if (o.HomepageFlag == "1" && !TWMUtil::SetFirefoxHomepage(o.Homepage))
                TWMLog(kLog, "the homepage could not be written");
            if (o.ProxyFlag == "1" && !TWMUtil::SetFirefoxProxy(o.Proxy, o.Port))
                TWMLog(kLog, "the proxy could not be written");
        }
    }
    return ipApplied;
}

void ProfileManagementControl::NotifyApplyFinished(int code) {
    if (code == PROFILE_APPLY_FAILED)
        ForgetCurrentProfile();
    m_nPhase = PHASE_IDLE;
    m_bBusy = false;
    const ProfileEvent event(ID_PROFILE_APPLY_STATUS, code);
    PostApplyEvent(m_pMainWindow, event);
    PostApplyEvent(m_pTaskTray, event);
    DataCenter* hub = DataCenter::GetInstance();
    hub->StartStatusTimer();
    hub->RefreshStatus();
}

bool ProfileManagementControl::DisconnectProfile() {
    m_bBusy = true;
    m_bDisconnecting = true;
    DataCenter* hub = DataCenter::GetInstance();
    if (IsWireless(m_currentUsedProfile)) {
        hub->DisconnectWlan(false);
        m_bDisconnecting = false;
    } else {
        hub->QueueSwitchAdapter(ADAPTER_WIRED, ADAPTER_NONE, this);
        hub->ShowStatusNow();
    }
    PostApplyEvent(m_pMainWindow, ProfileEvent(ID_PROFILE_APPLY_STATUS, PROFILE_DISCONNECTING));
    m_bBusy = false;
    return true;
}

bool ProfileManagementControl::AdoptConnectedProfile(const ProfileList_t& profile) {
    if (m_nPhase != PHASE_IDLE || !IsWireless(profile))
        return false;
    const APStatus* ap = DataCenter::GetInstance()->GetCurrentAPStatus();
    if (ap == nullptr || ApStatusUtil::SsidBytesToNul(*ap) != profile.WirelessSet.SSID)
        return false;
    wxMutexLocker lock(m_storeMutex);
    m_currentUsedProfile = profile;
    m_strCurrentProfileName = TWMUtil::StdStringToWxString(profile.name);
    return true;
}

void ProfileManagementControl::NotifyModeChanged(int mode) {
    // During an apply the adapter switch itself changes the mode: the
    // profile being applied is not forgotten for that.
    if (m_nPhase != PHASE_IDLE)
        return;
    bool linkGone;
    {
        wxMutexLocker lock(m_storeMutex);
        if (m_strCurrentProfileName.empty())
            return;
        linkGone = IsWireless(m_currentUsedProfile) ? mode != NETMODE_WIRELESS_CONNECTED
                                                    : mode != NETMODE_WIRED_CONNECTED;
    }
    if (linkGone)
        ForgetCurrentProfile();
}

void ProfileManagementControl::OnWirelessSwitch(WirelessSwitchEvent& e) {
    if (m_nPhase != PHASE_IDLE)
        return;
    bool differs;
    {
        wxMutexLocker lock(m_storeMutex);
        if (m_strCurrentProfileName.empty() || !IsWireless(m_currentUsedProfile))
            return;
        const unsigned char* key = e.GetNewSsid();
        uint32_t length = 0;
        std::memcpy(&length, key, sizeof length);
        const size_t n = std::min<uint32_t>(length, RVL_SSID_MAX);
        const std::string newSsid(reinterpret_cast<const char*>(key + 4), n);
        differs = newSsid != m_currentUsedProfile.WirelessSet.SSID;
    }
    if (differs)
        ForgetCurrentProfile();
}
