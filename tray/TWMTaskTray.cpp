#include "TWMTaskTray.h"

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <thread>

#include <wx/icon.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "ApStatusUtil.h"
#include "AppLink.h"
#include "DataCenter.h"
#include "DisConnectBalloon.h"
#include "MainWindowRules.h"
#include "NetworkTypes.h"
#include "ProfileEvent.h"
#include "ProfileManagementControl.h"
#include "ProgramFolder.h"
#include "SystemTrayProbe.h"
#include "TWExistBalloon.h"
#include "TWMApplyProfileBalloon.h"
#include "TWMLog.h"
#include "TWMPopupMenu.h"
#include "TWMUtil.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"
#include "WirelessSwitchEvent.h"
#include "WlanAcmEvent.h"

namespace {

const char* const kLog = "/tmp/TWMTaskTray.log";
const int kBalloonPeriodMs = 4000;
const int kTipPeriodMs = 3000;
const int ID_TIMER_BALLOON = wxNewId();
const int ID_TIMER_TIP = wxNewId();

wxString PictureFile(const char* name) { return TWMUtil::StdStringToWxString(ProgramFolder::File(name)); }

wxString WirelessSpeedText(uint32_t phy) {
    switch (phy) {
    case RVL_PHY_80211B:
        return _("11.0Mbps");
    case RVL_PHY_80211N:
        return _("108.0Mbps");
    default:
        return _("54.0Mbps");
    }
}

// "Connected", then each part that is known.
wxString ConnectedLine(std::initializer_list<wxString> parts) {
    wxString line = _("Connected");
    for (const wxString& part : parts) {
        if (!part.empty())
            line += " - " + part;
    }
    return line;
}

template <typename W>
void DestroyWindow(W*& window) {
    if (window != nullptr) {
        window->Show(false);
        window->Destroy();
        window = nullptr;
    }
}

}  // namespace

TWMTaskTray* TWMTaskTray::s_pInstance = nullptr;

wxBEGIN_EVENT_TABLE(TWMTaskTray, wxTaskBarIcon)
    EVT_WLAN_ACM_EVENT(ID_WLAN_ACM, TWMTaskTray::OnWlanAcmEvent)
    EVT_PROFILE_EVENT(ID_PROFILE_APPLY_STATUS, TWMTaskTray::OnProfileChangedEvent)
    EVT_PROFILE_EVENT(ID_PROFILE_LIST_CHANGED, TWMTaskTray::OnProfileChangedEvent)
    EVT_WIRELESS_SWITCH_EVENT(ID_WIRELESS_SWITCH, TWMTaskTray::OnWirelessSwitchEvent)
    EVT_TIMER(ID_TIMER_BALLOON, TWMTaskTray::OnTimerTick)
    EVT_TIMER(ID_TIMER_TIP, TWMTaskTray::OnTipTimer)
    EVT_TASKBAR_MOVE(TWMTaskTray::OnMouseMove)
    EVT_TASKBAR_LEFT_DOWN(TWMTaskTray::OnLeftDown)
wxEND_EVENT_TABLE()

TWMTaskTray* TWMTaskTray::GetInstance() {
    if (s_pInstance == nullptr)
        s_pInstance = new TWMTaskTray;
    return s_pInstance;
}

TWMTaskTray::TWMTaskTray() : m_tipTimer(this, ID_TIMER_TIP) {}

TWMTaskTray::~TWMTaskTray() {
    if (DataCenter* hub = DataCenter::GetIfExists())
        hub->SetTaskTray(nullptr);
    RemoveIcon();
    m_profileList.clear();
    m_tipTimer.Stop();
    if (m_pBalloonTimer != nullptr) {
        m_pBalloonTimer->Stop();
        delete m_pBalloonTimer;
        m_pBalloonTimer = nullptr;
    }
    DestroyWindow(m_pApplyBalloon);
    DestroyWindow(m_pWirelessBalloon);
    DestroyWindow(m_pWiredBalloon);
    DestroyWindow(m_pDisconnectBalloon);
    DestroyWindow(m_pTipBalloon);
    if (s_pInstance == this)
        s_pInstance = nullptr;
    AppLink::Get().ForgetTaskTray(this);
}

// ---------------------------------------------------------------------------
// Start-up

void TWMTaskTray::init(bool waitForTray) {
    if (m_bInitDone)
        return;
    m_bInitDone = true;
    TWMLog(kLog, "Enter TWMTaskTray::init");

    DataCenter* hub = DataCenter::GetInstance();
    hub->SetTaskTray(this);
    hub->Init();

    if (ProfileManagementControl* control = hub->GetProfileManagementControl())
        control->GetProfileList(m_profileList, TWMUtil::IsAdmin(), true);
    hub->QueueSwitchAdapter(ADAPTER_NONE, ADAPTER_WIRED, nullptr);

    bool trayFound = SystemTrayProbe::IsAvailable();
    for (int i = 1; !trayFound && waitForTray && i < 60; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        trayFound = SystemTrayProbe::IsAvailable();
    }
    if (!trayFound) {
        if (wxWindow* mainWindow = hub->GetMainWindow())
            mainWindow->Show(true);
    }

    SetTrayIcon(PictureFile("pic/tray_disconnected.png"), _("Tidewave"));
    StartupApply();
    TWMLog(kLog, "Leave TWMTaskTray::init");
}

int TWMTaskTray::NextShownIndex(int after) const {
    for (size_t i = static_cast<size_t>(after + 1); i < m_profileList.size(); ++i) {
        if (m_profileList[i].show != "0")
            return static_cast<int>(i);
    }
    return -1;
}

void TWMTaskTray::StartupApply() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    const int first = NextShownIndex(-1);
    // An empty list, and one whose profiles are all hidden, both mean "no
    // profile": the start-up still finishes and the status check starts.
    if (first < 0 || control == nullptr) {
        FinishStartup(true);
        return;
    }
    m_bStartupApplying = true;
    m_nApplyIndex = first;
    ShowApplyBalloon(TWMUtil::StdStringToWxString(m_profileList[first].name));
    control->ApplyProfile(m_profileList[first]);
}

void TWMTaskTray::FinishStartup(bool showNotConnected) {
    m_bStartupApplying = false;
    CloseApplyBalloon();
    m_bInitFinished = true;
    DataCenter* hub = DataCenter::GetInstance();
    hub->StartStatusTimer();
    if (showNotConnected)
        ShowDisconnectBalloon(hub->IsAdapterUp(ADAPTER_WIRELESS));
}

bool TWMTaskTray::IsTrayApplyPending() const { return m_bStartupApplying || !m_bApplyWireless || !m_bApplyWired; }

bool TWMTaskTray::NoTrayApplyPending() { return s_pInstance == nullptr || !s_pInstance->IsTrayApplyPending(); }

bool TWMTaskTray::ResultBelongsToStartup() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    if (control == nullptr || m_nApplyIndex < 0 || m_nApplyIndex >= static_cast<int>(m_profileList.size()))
        return false;
    // A failed apply has already forgotten the name and permission of its
    // copy; the rest of the copy still tells whose apply it was.
    ProfileList_t used = control->GetCurrentUsedProfile();
    const ProfileList_t& mine = m_profileList[m_nApplyIndex];
    if (used.name.empty() && used.permission.empty()) {
        used.name = mine.name;
        used.permission = mine.permission;
    }
    return used == mine;
}

void TWMTaskTray::EndTrayApply() {
    CloseApplyBalloon();
    m_bApplyWireless = true;
    m_bApplyWired = true;
}

// ---------------------------------------------------------------------------
// Applies the hub asks for

void TWMTaskTray::ApplyWirelessProfile() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    if (control != nullptr)
        control->GetProfileList(m_profileList, TWMUtil::IsAdmin(), true);
    for (size_t i = 0; control != nullptr && i < m_profileList.size(); ++i) {
        const ProfileList_t& p = m_profileList[i];
        if (p.GenernalSet.ConnecType == "wireless" && p.show == "1") {
            m_nApplyIndex = static_cast<int>(i);
            ShowApplyBalloon(TWMUtil::StdStringToWxString(p.name));
            control->ApplyProfile(p);
            return;
        }
    }
    // Nothing to apply: the flag the hub cleared comes back at once, or every
    // command that waits for it would stay silent for good.
    m_bApplyWireless = true;
    ShowDisconnectBalloon(DataCenter::GetInstance()->IsAdapterUp(ADAPTER_WIRELESS));
}

void TWMTaskTray::ApplyWiredProfile() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    if (control != nullptr)
        control->GetProfileList(m_profileList, TWMUtil::IsAdmin(), true);
    for (size_t i = 0; control != nullptr && i < m_profileList.size(); ++i) {
        const ProfileList_t& p = m_profileList[i];
        if (p.GenernalSet.ConnecType == "lan" && p.show == "1") {
            m_nApplyIndex = static_cast<int>(i);
            ShowApplyBalloon(TWMUtil::StdStringToWxString(p.name));
            control->ApplyProfile(p);
            return;
        }
    }
    m_bApplyWired = true;
}

void TWMTaskTray::StopApplyWirelessDlg() { CloseApplyBalloon(); }

// ---------------------------------------------------------------------------
// Events

void TWMTaskTray::OnWlanAcmEvent(WlanAcmEvent& e) {
    if (e.GetCode() != WLAN_CONNECTED || !IsTrayApplyPending())
        return;
    if (m_nApplyIndex < 0 || m_nApplyIndex >= static_cast<int>(m_profileList.size()))
        return;
    if (m_profileList[m_nApplyIndex].GenernalSet.ConnecType == "wireless") {
        if (DataCenter::GetInstance()->GetCurrentAPStatus() != nullptr)
            ShowWirelessBalloon();
    } else {
        ShowWiredBalloon();
    }
}

void TWMTaskTray::OnProfileChangedEvent(ProfileEvent& e) {
    if (e.GetId() != ID_PROFILE_APPLY_STATUS)
        return;
    DataCenter* hub = DataCenter::GetInstance();
    // A result that arrives while the controller still applies is the
    // refusal of a second request, not the end of the running apply.
    if (ProfileApplyRuns())
        return;
    if (e.GetCode() == PROFILE_APPLIED) {
        if (m_bStartupApplying)
            FinishStartup(false);
        EndTrayApply();
        ProfileManagementControl* control = hub->GetProfileManagementControl();
        if (control == nullptr)
            return;
        if (control->GetCurrentUsedProfile().GenernalSet.ConnecType == "wireless") {
            if (hub->GetCurrentAPStatus() != nullptr)
                ShowWirelessBalloon();
        } else {
            ShowWiredBalloon();
        }
    } else if (e.GetCode() == PROFILE_APPLY_FAILED) {
        if (m_bStartupApplying && ResultBelongsToStartup()) {
            const int next = NextShownIndex(m_nApplyIndex);
            ProfileManagementControl* control = hub->GetProfileManagementControl();
            if (next >= 0 && control != nullptr) {
                m_nApplyIndex = next;
                ShowApplyBalloon(TWMUtil::StdStringToWxString(m_profileList[next].name));
                control->ApplyProfile(m_profileList[next]);
                return;
            }
        }
        if (m_bStartupApplying)
            FinishStartup(false);
        EndTrayApply();
        ShowDisconnectBalloon(hub->IsAdapterUp(ADAPTER_WIRELESS));
    }
}

bool TWMTaskTray::ProfileApplyRuns() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    return control != nullptr && control->IsApplying();
}

void TWMTaskTray::OnWirelessSwitchEvent(WirelessSwitchEvent&) {
    // During an apply the profile in force is still the previous one; the
    // apply's own result names the new one.
    if (!ProfileApplyRuns() && DataCenter::GetInstance()->GetCurrentAPStatus() != nullptr)
        ShowWirelessBalloon();
}

void TWMTaskTray::OnMouseMove(wxTaskBarIconEvent&) {
    const wxPoint pos = wxGetMousePosition();
    if (pos == m_lastMousePos)
        return;
    m_lastMousePos = pos;
    if (ProfileApplyRuns())
        return;  // the apply balloon or the busy notice tells what happens
    DataCenter* hub = DataCenter::GetInstance();
    const int mode = hub->GetNetworkMode();
    if (mode == NETMODE_WIRELESS_CONNECTED && hub->GetCurrentAPStatus() != nullptr)
        ShowWirelessBalloon();
    else if (mode == NETMODE_WIRED_CONNECTED)
        ShowWiredBalloon();
}

void TWMTaskTray::OnLeftDown(wxTaskBarIconEvent&) {
    wxMenu* menu = CreatePopupMenu();
    PopupMenu(menu);
    delete menu;
}

wxMenu* TWMTaskTray::CreatePopupMenu() { return new TWMPopupMenu(); }

// ---------------------------------------------------------------------------
// Balloons

void TWMTaskTray::ShowApplyBalloon(const wxString& profileName) {
    if (m_pApplyBalloon == nullptr)
        m_pApplyBalloon = new TWMApplyProfileBalloon(nullptr);
    m_pApplyBalloon->SetProfileName(profileName);
    m_pApplyBalloon->Show(true);
}

void TWMTaskTray::CloseApplyBalloon() { DestroyWindow(m_pApplyBalloon); }

void TWMTaskTray::ShowWirelessBalloon() {
    DataCenter* hub = DataCenter::GetInstance();
    // Speed and signal are the association's as read from the laptop; until
    // that read is in, the record is the connect request, which need know
    // neither.  The balloon then waits for the read (see RefreshTrayIcon).
    const APStatus* ap = hub->GetReadAPStatus();
    m_bWirelessBalloonDue = ap == nullptr;
    if (ap == nullptr)
        return;
    CloseResultBalloons(false, true);
    if (m_pWirelessBalloon == nullptr)
        m_pWirelessBalloon = new TaskBarBalloon(nullptr, "balloon");
    m_pWirelessBalloon->SetSuccessTip(_("Successfully Connected!"));
    m_pWirelessBalloon->SetType(_("Wireless LAN"));
    m_pWirelessBalloon->SetSpeed(WirelessSpeedText(ap->nPhyType));
    wxString name;
    if (ProfileManagementControl* control = hub->GetProfileManagementControl())
        name = control->GetCurrentProfileName();
    if (name.empty())
        name = ApStatusUtil::SsidText(*ap);
    m_pWirelessBalloon->SetStatus(name);
    const int quality = static_cast<int>(std::min<uint32_t>(ap->nSignalQuality, 100));
    m_pWirelessBalloon->SetSignalQuality(quality);
    m_pWirelessBalloon->SetSignalIcon(quality);
    m_pWirelessBalloon->Show(true);
    StartBalloonTimer();
}

void TWMTaskTray::ShowWiredBalloon() {
    DataCenter* hub = DataCenter::GetInstance();
    m_bWirelessBalloonDue = false;
    CloseResultBalloons(false, true);
    if (m_pWiredBalloon == nullptr)
        m_pWiredBalloon = new TaskBarBalloonLAN(nullptr, "balloon");
    m_pWiredBalloon->SetSuccessTip(_("Successfully Connected!"));
    m_pWiredBalloon->SetType(_("Wired LAN"));
    // The hub's text is the translated prefix followed by the library's
    // text; only a prefix that is really there is dropped.
    wxString speed = hub->GetConnectTypeText();
    const wxString prefix = _("Wired LAN - ");
    if (speed.StartsWith(prefix))
        speed = speed.Mid(prefix.length());
    m_pWiredBalloon->SetSpeed(speed);
    wxString name;
    if (ProfileManagementControl* control = hub->GetProfileManagementControl())
        name = control->GetCurrentProfileName();
    m_pWiredBalloon->SetStatus(name.empty() ? _("Wired LAN") : name);
    m_pWiredBalloon->Show(true);
    StartBalloonTimer();
}

void TWMTaskTray::ShowDisconnectBalloon(bool wirelessUp) {
    m_bWirelessBalloonDue = false;
    CloseResultBalloons(true, false);
    // The scan link needs the wireless adapter, a scan window to open and a
    // mesh that leaves scanning to the user.
    const bool withScanLink = wirelessUp && DataCenter::GetInstance()->GetScanWindowView() != nullptr &&
                              MainWindowRules::ScanOffered(AppLink::Get().GetMeshStatus());
    if (m_pDisconnectBalloon == nullptr)
        m_pDisconnectBalloon = new DisConnectBalloon(nullptr);
    m_pDisconnectBalloon->SetScanLinkVisible(withScanLink);
    m_pDisconnectBalloon->Show(true);
    StartBalloonTimer();
}

void TWMTaskTray::CloseResultBalloons(bool successToo, bool disconnectToo) {
    if (successToo) {
        DestroyWindow(m_pWirelessBalloon);
        DestroyWindow(m_pWiredBalloon);
    }
    if (disconnectToo)
        DestroyWindow(m_pDisconnectBalloon);
}

void TWMTaskTray::StartBalloonTimer() {
    // One close timer for all result balloons; a new report restarts it.
    if (m_pBalloonTimer == nullptr)
        m_pBalloonTimer = new wxTimer(this, ID_TIMER_BALLOON);
    m_pBalloonTimer->Start(kBalloonPeriodMs, wxTIMER_CONTINUOUS);
}

void TWMTaskTray::OnTimerTick(wxTimerEvent&) {
    const wxWindow* capture = wxWindow::GetCapture();
    for (const wxWindow* balloon : {static_cast<wxWindow*>(m_pWirelessBalloon),
                                    static_cast<wxWindow*>(m_pWiredBalloon),
                                    static_cast<wxWindow*>(m_pDisconnectBalloon)}) {
        for (const wxWindow* w = capture; balloon != nullptr && w != nullptr; w = w->GetParent()) {
            if (w == balloon)
                return;  // the user holds it: try again on the next tick
        }
    }
    CloseResultBalloons(true, true);
    if (m_pBalloonTimer != nullptr) {
        m_pBalloonTimer->Stop();
        delete m_pBalloonTimer;
        m_pBalloonTimer = nullptr;
    }
}

void TWMTaskTray::OnTipTimer(wxTimerEvent&) { DestroyWindow(m_pTipBalloon); }

// ---------------------------------------------------------------------------
// Icon

void TWMTaskTray::SetTrayIcon(const wxString& file, const wxString& tooltip) {
    if (file == m_strIconFile && tooltip == m_strTooltip)
        return;
    m_strIconFile = file;
    m_strTooltip = tooltip;
    wxImage image;
    {
        wxLogNull quiet;
        image.LoadFile(file, wxBITMAP_TYPE_PNG);
    }
    wxIcon icon;
    if (image.IsOk())
        icon.CopyFromBitmap(wxBitmap(image));
    SetIcon(icon, tooltip);
}

void TWMTaskTray::UpdateTrayIcon(int mode, const MeshStatus& status) {
    // A new address of this laptop is announced once it has held for three
    // status checks.
    if (m_ipWatcher.Update(status.m_strIP))
        AppLink::Get().RequestPublish();
    if (!m_bIconUpdated) {
        m_bIconUpdated = true;
        // The start tip points at the tray icon: only where there is one.
        if (SystemTrayProbe::IsAvailable() && m_pTipBalloon == nullptr) {
            m_pTipBalloon = new TWExistBalloon(nullptr);
            m_pTipBalloon->Show(true);
            m_tipTimer.StartOnce(kTipPeriodMs);
        }
    }
    RefreshTrayIcon(mode, status);
}

void TWMTaskTray::RefreshTrayIcon(int mode, const MeshStatus& status) {
    wxString file;
    wxString line;
    switch (mode) {
    case NETMODE_WIRED_CONNECTED:
        file = PictureFile("pic/tray_wired.png");
        line = ConnectedLine({status.m_strType});
        break;
    case NETMODE_WIRELESS_CONNECTED:
        file = PictureFile("pic/tray_wireless.png");
        // Before the association is read, neither type nor signal is known.
        line = status.m_bHasSignal
                   ? ConnectedLine({status.m_strType, wxString::Format("%d%%", status.m_nSignalQuality)})
                   : ConnectedLine({});
        break;
    case NETMODE_MESH:
        file = PictureFile("pic/tray_mesh.png");
        line = _("Mesh");
        break;
    case NETMODE_WIRED_NOLINK:
    case NETMODE_WIRELESS_NOLINK:
    case NETMODE_NO_ADAPTER:
        file = PictureFile("pic/tray_disconnected.png");
        line = _("Disconnected");
        break;
    default:
        return;
    }
    wxString tooltip = _("Tidewave") + "\n" + line;
    if (!status.m_strIP.empty())
        tooltip += "\n" + status.m_strIP;
    SetTrayIcon(file, tooltip);
    ShowDueWirelessBalloon(mode, status);
}

void TWMTaskTray::ShowDueWirelessBalloon(int mode, const MeshStatus& status) {
    if (!m_bWirelessBalloonDue)
        return;
    // The link the balloon was due for is gone: a later one has its own.
    if (mode != NETMODE_WIRELESS_CONNECTED)
        m_bWirelessBalloonDue = false;
    else if (status.m_bHasSignal && !ProfileApplyRuns())
        ShowWirelessBalloon();
}
