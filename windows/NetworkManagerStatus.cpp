// The main window's live half: the status box, the commands usable in each
// network mode, the busy notice and the frame's two timers.
#include "NetworkManagerDlg.h"

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "ApStatusUtil.h"
#include "AppLink.h"
#include "DataCenter.h"
#include "GaugeDialog.h"
#include "MainWindowRules.h"
#include "NetworkTypes.h"
#include "PictureLoader.h"
#include "ProfileManagementControl.h"
#include "TWMUtil.h"
#include "WindowTextCut.h"

using MainWindowRules::Change;
using MainWindowRules::Label;

void NetworkManagerDlg::UpdateNetworkStatus(int mode, const MeshStatus& status) {
    // A new address of this machine is announced from the tray's status
    // updates, which see the same record; none is requested here.
    const wxString connected = _("Connected");
    const wxString disconnected = _("Disconnected");
    switch (mode) {
    case NETMODE_WIRED_CONNECTED:
    case NETMODE_MESH:
        m_pStatusText->SetLabelText(connected);
        m_pTypeText->SetLabelText(status.m_strType);
        m_pIpText->SetLabelText(status.m_strIP);
        break;
    case NETMODE_WIRED_NOLINK:
    case NETMODE_NO_ADAPTER:  // no adapter up is no connection either
        m_pStatusText->SetLabelText(disconnected);
        m_pTypeText->SetLabelText(wxEmptyString);
        m_pIpText->SetLabelText(wxEmptyString);
        break;
    case NETMODE_WIRELESS_CONNECTED:
        // Nothing before the access point's own signal has been read.
        m_pSignalGauge->SetValue(status.m_bHasSignal ? status.m_nSignalQuality : 0);
        m_pSignalValue->SetLabelText(status.m_bHasSignal ? wxString::Format("%d%%", status.m_nSignalQuality)
                                                         : wxString());
        m_pStatusText->SetLabelText(connected);
        m_pTypeText->SetLabelText(status.m_strType);
        m_pIpText->SetLabelText(status.m_strIP);
        break;
    case NETMODE_WIRELESS_NOLINK:
        m_pSignalGauge->SetValue(0);
        m_pSignalValue->SetLabelText(wxEmptyString);
        m_pStatusText->SetLabelText(disconnected);
        m_pTypeText->SetLabelText(wxEmptyString);
        m_pIpText->SetLabelText(wxEmptyString);
        break;
    default:
        break;
    }
    UpdateCurrentProfileLabel();
}

void NetworkManagerDlg::UpdateCurrentProfileLabel() {
    DataCenter* hub = DataCenter::GetInstance();
    ProfileManagementControl* control = hub->GetProfileManagementControl();
    wxString text = control != nullptr ? control->GetCurrentProfileName() : wxString();
    // A network is named only while the laptop is on it: while a connection
    // is still being made the hub already holds the network asked for.
    if (text.empty() && hub->GetNetworkMode() == NETMODE_WIRELESS_CONNECTED) {
        if (const APStatus* ap = hub->GetCurrentAPStatus())
            text = TWMUtil::StdStringToWxString(ApStatusUtil::SsidBytesToNul(*ap));
    }
    if (text.empty() && hub->IsAdapterUp(ADAPTER_WIRED))
        text = _("Wired LAN");
    if (hub->GetNetworkMode() == NETMODE_MESH)
        text = _("Mesh");
    SetCurrentProfileText(text);
}

void NetworkManagerDlg::SetCurrentProfileText(const wxString& text) {
    // Inside the status box, as far from its right side as from its left; a
    // longer name is cut in its middle and given whole in the tooltip.
    const wxRect box = m_pStatusBox->GetRect();
    const int width = box.GetWidth() - 2 * (m_pCurrentProfileText->GetPosition().x - box.GetX());
    const wxString shown = WindowTextCut::Middle(*m_pCurrentProfileText, text, width);
    m_pCurrentProfileText->SetLabelText(shown);
    WindowTextCut::ShowTip(*m_pCurrentProfileText, shown == text ? wxString() : text);
}

bool NetworkManagerDlg::SwitcherIsEmpty() const { return MainWindowRules::IsBlank(m_strSwitcherText); }

void NetworkManagerDlg::SetConnectLabels(bool disconnect) {
    m_pConnectButton->SetLabel(disconnect ? _("Disconnect") : _("Connect"));
    m_pMenuConnect->SetItemLabel(disconnect ? _("&Disconnect") : _("&Connect"));
}

void NetworkManagerDlg::EnableConnect(bool enable) {
    m_pConnectButton->Enable(enable);
    m_pMenuConnect->Enable(enable);
}

MainWindowRules::Controls NetworkManagerDlg::SetConnectByMode(int mode) {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    const MainWindowRules::Controls c =
        MainWindowRules::ForMode(mode, AppLink::Get().GetMeshStatus(), m_strSwitcherText,
                                 control != nullptr ? control->GetCurrentProfileName() : wxString());
    // While a profile is being applied the status follows each of its steps;
    // Connect waits for its end (another apply would be refused).
    EnableConnect(c.connectEnabled && !m_bApplyingProfile);
    if (c.connectLabel != Label::Unchanged)
        SetConnectLabels(c.connectLabel == Label::Off);
    return c;
}

void NetworkManagerDlg::FollowSwitcher() {
    SetConnectByMode(DataCenter::GetInstance()->GetNetworkMode());
    UpdateCurrentProfileLabel();
}

void NetworkManagerDlg::UpdateControls(int mode) {
    // Called once the store has heard of the mode, which forgets the profile
    // whose link went away: Connect and the current-profile label both
    // follow what the store holds now.
    const MainWindowRules::Controls c = SetConnectByMode(mode);
    UpdateCurrentProfileLabel();

    if (c.signal == Change::Enable)
        EnableSignalDisplay();
    else if (c.signal == Change::Disable)
        ClearSignalDisplay();
    // Scan and neighbours: both off first, then what the mode allows.
    if (c.scan != Change::Unchanged || c.neighbours != Change::Unchanged) {
        if (c.scan == Change::Enable && c.neighbours == Change::Enable) {
            EnableScanAndNeighbors();
        } else {
            DisableScanAndNeighbors();
            if (c.scan == Change::Enable)
                EnableScanAndNeighbors();
            if (c.neighbours == Change::Enable)
                EnableNeighbors();
        }
    }
    if (c.wireless != Label::Unchanged) {
        const bool on = c.wireless == Label::On;
        m_pWirelessButton->SetLabel(on ? _("Turn on wireless") : _("Turn off wireless"));
        m_pMenuWireless->SetItemLabel(on ? _("T&urn on wireless") : _("T&urn off wireless"));
    }
    m_pStatusImage->SetBitmap(c.statusImage.empty() ? wxBitmap() : PictureLoader::Load(c.statusImage));
    m_pStatusImage->Refresh(true);
}

void NetworkManagerDlg::EnableSignalDisplay() {
    m_pSignalGauge->Enable(true);
    m_pSignalTitle->Enable(true);
    m_pSignalValue->Show(true);
}

void NetworkManagerDlg::ClearSignalDisplay() {
    m_pSignalGauge->SetValue(0);
    m_pSignalGauge->Enable(false);
    m_pSignalTitle->Enable(false);
    m_pSignalValue->Show(false);
}

void NetworkManagerDlg::EnableScanAndNeighbors() {
    for (wxWindow* w : {static_cast<wxWindow*>(m_pScanButton), static_cast<wxWindow*>(m_pScanText),
                        static_cast<wxWindow*>(m_pScanBitmap)})
        w->Enable(true);
    m_pMenuScan->Enable(true);
    EnableNeighbors();
}

void NetworkManagerDlg::DisableScanAndNeighbors() {
    for (wxWindow* w : {static_cast<wxWindow*>(m_pScanButton), static_cast<wxWindow*>(m_pScanText),
                        static_cast<wxWindow*>(m_pScanBitmap), static_cast<wxWindow*>(m_pNeighborsButton),
                        static_cast<wxWindow*>(m_pNeighborsText), static_cast<wxWindow*>(m_pNeighborsBitmap)})
        w->Enable(false);
    m_pMenuScan->Enable(false);
    m_pMenuNeighbors->Enable(false);
}

void NetworkManagerDlg::EnableNeighbors() {
    for (wxWindow* w : {static_cast<wxWindow*>(m_pNeighborsButton), static_cast<wxWindow*>(m_pNeighborsText),
                        static_cast<wxWindow*>(m_pNeighborsBitmap)})
        w->Enable(true);
    m_pMenuNeighbors->Enable(true);
}

void NetworkManagerDlg::ShowApplyingProfile(const wxString& profileName, bool show) {
    m_bApplyingProfile = show;
    // A long name is cut in its middle; the words around it stay whole.
    m_pGaugeDialog->SetLabelAround(_("Applying profile "), profileName, "...");
    PlaceApplyingNotice();
    m_pGaugeDialog->Show(show);
}

void NetworkManagerDlg::PlaceApplyingNotice() {
    if (!IsShown()) {
        // At its usual place on the screen; it moves over the window when
        // the window is shown.
        m_pGaugeDialog->Move(377, 270);
        return;
    }
    // Over the status picture of this window, wherever the window stands:
    // clear of the switcher and the status texts.
    const wxRect picture = m_pStatusImage->GetScreenRect();
    const wxSize notice = m_pGaugeDialog->GetSize();
    m_pGaugeDialog->Move(picture.GetX() + (picture.GetWidth() - notice.GetWidth()) / 2,
                         picture.GetY() + (picture.GetHeight() - notice.GetHeight()) / 2);
}

void NetworkManagerDlg::OnTimer(wxTimerEvent& event) {
    if (event.GetId() == m_connectTimer.GetId()) {
        if (!SwitcherIsEmpty())
            EnableConnect(true);
    } else if (event.GetId() == m_wirelessTimer.GetId()) {
        m_pWirelessButton->UpdateWindowUI();
    }
}

void NetworkManagerDlg::OnWlanAcmEvent(WlanAcmEvent&) {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    SetCurrentProfileText(control != nullptr ? control->GetCurrentProfileName() : wxString());
}

void NetworkManagerDlg::OnWirelessSwitchEvent(WirelessSwitchEvent&) { UpdateCurrentProfileLabel(); }
