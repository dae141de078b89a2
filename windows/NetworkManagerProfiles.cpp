// The main window's profile switcher and its Connect/Disconnect button.
#include "NetworkManagerDlg.h"

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/menu.h>

#include "AppLink.h"
#include "DataCenter.h"
#include "MainWindowRules.h"
#include "NetworkTypes.h"
#include "PictureLoader.h"
#include "ProfileEvent.h"
#include "ProfileManagementControl.h"
#include "ScanResultView.h"
#include "TWMUtil.h"
#include "WindowTextCut.h"

bool NetworkManagerDlg::TrayApplyIdle() { return AppLink::Get().IsTrayApplyIdle(); }

bool NetworkManagerDlg::RebuildProfileCombo() {
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    if (control == nullptr)
        return false;
    const wxString currentName = control->GetCurrentProfileName();
    const std::string currentPermission = control->GetCurrentUsedProfile().permission;
    if (!control->GetProfileList(m_profileList, TWMUtil::IsAdmin(), true))
        return false;

    m_pProfileCombo->Clear();
    m_comboIndex.clear();
    SetSwitcherText(wxString());
    if (m_profileList.empty()) {
        // Nothing left to pick: no earlier choice stays selected.
        m_nSelectedProfile = -1;
        EnableConnect(false);
        return true;
    }
    m_pProfileCombo->SetValue(currentName);
    SetSwitcherText(currentName);
    if (currentName.empty())
        EnableConnect(false);

    const MainWindowRules::ProfileChoices choices =
        MainWindowRules::BuildProfileChoices(m_profileList, currentName, currentPermission);
    for (const MainWindowRules::ProfileChoice& item : choices.items) {
        m_itemBitmap = PictureLoader::Load(item.iconFile);
        m_pProfileCombo->Append(item.name, m_itemBitmap);
        m_comboIndex.push_back(item.index);
    }
    // The current profile shows as its entry: a read-only combo box of this
    // toolkit shows no text that is not one of its entries.
    m_pProfileCombo->SetSelection(choices.selection);
    m_nSelectedProfile = choices.selection;
    return true;
}

void NetworkManagerDlg::SetSwitcherText(const wxString& text) {
    m_strSwitcherText = text;
    // A name too long for the box shows cut in its middle; the tooltip
    // gives it whole.
    WindowTextCut::ShowTip(*m_pProfileCombo, text);
}

void NetworkManagerDlg::FillProfileCombo() { RebuildProfileCombo(); }

// After a deployed import: the same refill, so that the switcher shows the
// profile in force beside its Disconnect.
void NetworkManagerDlg::RefreshProfileCombo() { RebuildProfileCombo(); }

void NetworkManagerDlg::OnProfileSelected(wxCommandEvent& event) {
    if (m_pProfileCombo->GetCount() == 0)
        return;
    m_nSelectedProfile = event.GetSelection();
    if (m_nSelectedProfile < 0 || static_cast<size_t>(m_nSelectedProfile) >= m_comboIndex.size()) {
        m_nSelectedProfile = -1;
        return;
    }
    ProfileManagementControl* control = DataCenter::GetInstance()->GetProfileManagementControl();
    const ProfileList_t& chosen = m_profileList[m_comboIndex[static_cast<size_t>(m_nSelectedProfile)]];
    SetSwitcherText(TWMUtil::StdStringToWxString(chosen.name));
    const ProfileList_t current = control->GetCurrentUsedProfile();
    SetConnectLabels(chosen.name == current.name && chosen.permission == current.permission);
    EnableConnect(true);
}

void NetworkManagerDlg::OnConnectButton(wxCommandEvent&) {
    AppLink::Get().TurnMeshOff();
    if (!TrayApplyIdle())
        return;
    if (ScanResultView* scan = DataCenter::GetInstance()->GetScanWindowView())
        scan->CloseIfShown();
    DoConnectOrDisconnect();
}

void NetworkManagerDlg::OnConnectMenu(wxCommandEvent&) {
    if (TrayApplyIdle())
        DoConnectOrDisconnect();
}

void NetworkManagerDlg::DoConnectOrDisconnect() {
    DataCenter* hub = DataCenter::GetInstance();
    ProfileManagementControl* control = hub->GetProfileManagementControl();
    if (m_pConnectButton->GetLabel() == _("Connect")) {
        hub->SetFlag(false);
        if (m_nSelectedProfile < 0 || static_cast<size_t>(m_nSelectedProfile) >= m_comboIndex.size())
            return;
        const ProfileList_t profile = m_profileList[m_comboIndex[static_cast<size_t>(m_nSelectedProfile)]];
        ShowApplyingProfile(TWMUtil::StdStringToWxString(profile.name), true);
        control->ApplyProfile(profile);
    } else {
        hub->SetFlag(true);
        control->DisconnectProfile();
    }
    m_connectTimer.StartOnce(20000);
    EnableConnect(false);
}

void NetworkManagerDlg::OnProfileChangedEvent(ProfileEvent& event) {
    FillProfileCombo();
    if (event.GetId() == ID_PROFILE_LIST_CHANGED) {
        // The profile manager hears of every change of the list through here.
        if (wxEvtHandler* manager = DataCenter::GetInstance()->GetProfileManagerHandler())
            manager->AddPendingEvent(ProfileEvent(ID_PROFILE_LIST_CHANGED, PROFILE_PASSED_ON));
        // A new profile may be the one in force (made for the network just
        // joined): Connect follows the switcher as on a change of mode,
        // unless a command of this window is still busy.
        if (!m_bApplyingProfile && !m_connectTimer.IsRunning())
            FollowSwitcher();
        return;
    }
    if (event.GetCode() == PROFILE_APPLIED) {
        EnableConnect(true);
        SetConnectLabels(true);
        ShowApplyingProfile(wxEmptyString, false);
    } else if (event.GetCode() == PROFILE_APPLY_FAILED) {
        ShowApplyingProfile(wxEmptyString, false);
    }
}
