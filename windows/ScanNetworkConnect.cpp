// The scan window's selection, its connect flow, the connection result and
// the profile it offers to make for a new network.
#include "ScanNetworkDlg.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>

#include "ApStatusUtil.h"
#include "DataCenter.h"
#include "GaugeDialog.h"
#include "HubWindowFactory.h"
#include "KeyDialog.h"
#include "MacFunctions.h"
#include "NetworkTypes.h"
#include "PolicyManager.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerView.h"
#include "ScanMapRules.h"
#include "SsidInputDialog.h"
#include "TWMUtil.h"
#include "WlanAcmEvent.h"

namespace {

// While a prompt of the connect flow is open, the map is not rebuilt under
// the handler that opened it.
class PromptScope {
public:
    explicit PromptScope(bool& prompting) : m_prompting(prompting) { m_prompting = true; }
    ~PromptScope() { m_prompting = false; }

private:
    bool& m_prompting;
};

}  // namespace

void ScanNetworkDlg::SelectListItem(wxCommandEvent& event) {
    const int slot = event.GetId() - ICON_ID_BASE;
    m_nSelectedIcon = slot;
    if (slot >= 0 && slot < m_pListDetail->GetItemCount())
        m_pListDetail->SetItemState(slot, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    else
        DeselectAllItems();
    RefreshIcons(m_nSelectedIcon);
}

void ScanNetworkDlg::OnIconDoubleClicked(wxMouseEvent&) { OnConnectButton(); }

void ScanNetworkDlg::OnListItemSelected(wxListEvent&) {
    m_nSelectedIcon = static_cast<int>(m_pListDetail->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
    if (m_bUsedForConnect && m_nSelectedIcon >= 0) {
        unsigned char bssid[6] = {};
        const wxString mac = m_pListDetail->GetItemText(m_nSelectedIcon, 7);
        ParseMacAddress(bssid, mac.wc_str(), static_cast<int>(mac.length()));
        const APStatus* current = DataCenter::GetInstance()->GetReadAPStatus();
        SetConnectLabel(current != nullptr && CompareMacAddress(current->ucBSSID, bssid) == 0);
    }
    m_pButtonConnect->Enable(!m_bAttemptPending);
}

void ScanNetworkDlg::OnListItemDeselected(wxListEvent&) {
    m_nSelectedIcon = -1;
    if (m_bUsedForConnect)
        SetConnectLabel(false);
    m_pButtonConnect->Enable(false);
}

void ScanNetworkDlg::OnListItemActivated(wxListEvent&) { OnConnectButton(); }

void ScanNetworkDlg::OnListColumnClick(wxListEvent& event) {
    const int column = event.GetColumn();
    if (column <= 0)
        return;
    m_nAPCount = ScanMapRules::ClampCount(m_nAPCount);
    if (!m_sorter.Sort(m_apArray, m_nAPCount, column - 1))
        return;
    // The selection stays at its position, now on whichever network stands there.
    ClearDetectedAP();
    m_pListDetail->DeleteAllItems();
    Rebuild();
}

void ScanNetworkDlg::OnConnect(wxCommandEvent&) {
    if (m_bAttemptPending)
        return;  // one attempt at a time
    if (wxControl::RemoveMnemonics(m_pButtonConnect->GetLabel()) == _("Disconnect")) {
        m_pButtonConnect->Enable(false);
        DataCenter::GetInstance()->DisconnectWlan(false);
        return;
    }
    ConnectAP();
}

void ScanNetworkDlg::OnConnectButton() {
    if (m_bAttemptPending)
        return;  // one attempt at a time
    m_pButtonConnect->Enable(false);
    if (m_bUsedForConnect && m_nSelectedIcon != -1) {
        const DetectedIcon* chosen = m_recorder.GetIcon(m_nSelectedIcon);
        if (chosen != nullptr && IsCurrent(&chosen->AP)) {
            DataCenter::GetInstance()->DisconnectWlan(false);
            return;
        }
    }
    ConnectAP();
}

bool ScanNetworkDlg::AskHiddenSSID(APStatus* ap) {
    if (ap == nullptr)
        return false;
    if (ap->nSSIDLength != 0)
        return true;
    SsidInputDialog prompt(this);
    if (prompt.ShowModal() != wxID_OK)
        return false;
    // The prompt refuses a name longer than an SSID's 32 bytes.
    return ScanProfileRules::WriteTypedSsid(ap, TWMUtil::WxStringToStdString(prompt.GetSSID()));
}

void ScanNetworkDlg::StopAttempt(bool enableConnect) {
    m_pButtonConnect->Enable(enableConnect);
    m_pButtonRefresh->Enable(true);
    m_pButtonCancel->Enable(true);
    // A result came while a prompt was open; it is shown once the handler
    // that opened the prompt has returned.
    if (m_bRebuildWaiting || m_bScanWaiting)
        CallAfter([this] { ShowWhatWaited(); });
}

void ScanNetworkDlg::ShowWhatWaited() {
    if (m_bPrompting || m_bAttemptPending)
        return;
    if (m_bScanWaiting) {
        m_bScanWaiting = false;
        m_bRebuildWaiting = false;
        AccessPointList kept = m_waitingScan;
        UI_UpdateAPSatus(m_nWaitingResult, &kept);
    } else if (m_bRebuildWaiting && !m_pGauge->IsShown()) {
        m_bRebuildWaiting = false;
        Rebuild();
    }
}

bool ScanNetworkDlg::HasAccessPoint(int slot) const {
    return slot >= 0 && slot < m_nAPCount && m_recorder.GetIcon(slot) != nullptr;
}

void ScanNetworkDlg::ConnectAP() {
    m_pButtonConnect->Enable(false);
    m_pButtonRefresh->Enable(false);
    m_pButtonCancel->Enable(false);
    const int slot = m_bShowDetail
                         ? static_cast<int>(m_pListDetail->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
                         : m_nSelectedIcon;
    if (!HasAccessPoint(slot)) {
        StopAttempt(false);
        return;
    }
    APStatus ap = m_recorder.GetAPStatus(slot);

    if (!m_bUsedForConnect) {
        m_selectedAP = ap;
        m_pButtonRefresh->Enable(true);
        m_pButtonConnect->Enable(true);
        m_pButtonCancel->Enable(true);
        CloseDialog(wxID_OK);
        return;
    }

    wxString key;
    int keyIndex = 0;
    {
        PromptScope prompting(m_bPrompting);
        if (!AskHiddenSSID(&ap)) {
            StopAttempt(true);
            return;
        }
        switch (ap.nSecurity) {
        case RVL_SECURITY_WEP:
        case RVL_SECURITY_WPA_PSK: {
            KeyDialog keys(this, ap.nSecurity == RVL_SECURITY_WEP);
            if (keys.ShowModal() != wxID_OK) {
                StopAttempt(true);
                return;
            }
            key = keys.GetKey();
            if (ap.nSecurity == RVL_SECURITY_WEP)
                keyIndex = static_cast<int>(keys.GetKeyIndex());
            break;
        }
        case RVL_SECURITY_UNKNOWN:
            wxMessageBox(_("Unknown authentication mode!"), _("Message"), wxOK | wxICON_INFORMATION, this);
            StopAttempt(false);
            return;
        default:
            break;
        }
    }
    m_bRebuildWaiting = false;  // the attempt's own result rebuilds the map

    // A long name is cut in its middle; the words around it stay whole.
    m_pGauge->SetLabelAround(_("Connecting to "), ApStatusUtil::SsidText(ap), " ...");
    m_pGauge->CentreOnParent();
    m_pGauge->Show(true);
    DataCenter* hub = DataCenter::GetInstance();
    hub->DisconnectWlan(true);
    m_connectingAP = ap;
    m_strKey = key;
    m_nKeyIndex = keyIndex;
    m_bAttemptPending = true;
    m_pButtonConnect->Enable(false);
    hub->ConnectWlanNetwork(&ap, m_strKey, m_nKeyIndex, false);
}

void ScanNetworkDlg::OnWlanConnect(WlanAcmEvent& event) {
    if (!IsShown())
        return;
    const int code = event.GetCode();
    // A connect result counts only while this window's attempt waits for it;
    // one of an attempt from before a close or a new scan only redraws the
    // map, and leaves a scan's gauge alone.
    const bool answer = (code == WLAN_CONNECTED || code == WLAN_FAILED) && m_bAttemptPending;
    if (answer) {
        m_bAttemptPending = false;
        m_pGauge->Show(false);
    }
    if (answer && code == WLAN_CONNECTED) {
        AskToCreateProfile(_("Successfully connected to ") + ApStatusUtil::SsidText(m_connectingAP) + ".");
    } else if (answer) {
        wxMessageBox(_("Cannot connect. \n\nPlease check the network authentication type and \nmake sure the "
                       "password was correct."),
                     _("Message"), wxOK | wxICON_EXCLAMATION, this);
    } else if (code == WLAN_DISCONNECTED && m_bUsedForConnect) {
        SetConnectLabel(false);
    }
    if (m_pGauge->IsShown())
        return;  // a scan or an attempt runs; its own result rebuilds
    m_bRebuildWaiting = true;
    if (!m_bPrompting)
        ShowWhatWaited();
}

void ScanNetworkDlg::Rebuild() {
    m_pListDetail->DeleteAllItems();
    ClearDetectedAP();
    m_nAPCount = ScanMapRules::ClampCount(m_nAPCount);
    AccessPointList stored{};
    stored.nCount = m_nAPCount;
    std::copy(m_apArray, m_apArray + RVL_AP_LIST_MAX, stored.list);
    UpdateUI(&stored);
    m_pButtonConnect->Enable(HasAccessPoint(m_nSelectedIcon));
    m_pButtonRefresh->Enable(true);
    m_pButtonCancel->Enable(true);
}

void ScanNetworkDlg::AskToCreateProfile(const wxString& message) {
    DataCenter* hub = DataCenter::GetInstance();
    HubWindowFactory* windows = hub->GetWindowFactory();
    ProfileManagementControl* control = hub->GetProfileManagementControl();
    PolicyManager* policy = hub->GetPolicyManager();
    // Without the profile editor in this build nothing is offered.
    if (windows == nullptr || !windows->HasProfileEditor() || control == nullptr)
        return;
    const ScanProfileRules::Proposal proposal = ScanProfileRules::ProposeProfile(
        control->CheckProfilesForAP(&m_connectingAP), policy == nullptr || policy->CanMaintainProfiles(),
        ApStatusUtil::SsidText(m_connectingAP));
    if (!proposal.offer)
        return;
    const int answer = wxMessageBox(message + _("\nWould you like to create a new profile for this network?"),
                                    _("Confirm"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, this);
    if (answer == wxYES)
        CreateProfileForAP(&m_connectingAP, proposal);
}

void ScanNetworkDlg::CreateProfileForAP(const APStatus* ap, const ScanProfileRules::Proposal& proposal) {
    DataCenter* hub = DataCenter::GetInstance();
    HubWindowFactory* windows = hub->GetWindowFactory();
    ProfileManagementControl* control = hub->GetProfileManagementControl();
    if (ap == nullptr || windows == nullptr || control == nullptr)
        return;
    ProfileList_t profile =
        ScanProfileRules::ProfileForAccessPoint(*ap, proposal, TWMUtil::IsAdmin(), m_strKey, m_nKeyIndex);
    if (!windows->EditProfileFromScan(this, profile))
        return;
    // The store never replaces a profile of the same name.
    if (control->SaveProfile(profile)) {
        // Made for the network just joined: it is in force from now on (the
        // main window's switcher shows it when it hears of the new profile).
        control->AdoptConnectedProfile(profile);
        if (ProfileManagerView* manager = hub->GetProfileManagerView())
            manager->AddProfile(profile);
        wxMessageBox(_("Profile created successfully."), _("Message"), wxOK | wxICON_INFORMATION, this);
    } else {
        wxMessageBox(_("Failed to create profile."), _("Message"), wxOK | wxICON_EXCLAMATION, this);
    }
}
