#include "TWMPopupMenu.h"

#include <wx/app.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

#include "AppLink.h"
#include "CommandRunner.h"
#include "DataCenter.h"
#include "MainWindowRules.h"
#include "MeshStateMachine.h"
#include "NetworkStatusView.h"
#include "NetworkTypes.h"
#include "PolicyManager.h"
#include "ProfileManagementControl.h"
#include "ScanResultView.h"
#include "TWMTaskTray.h"
#include "TWMUtil.h"

namespace {

const int kMaxProfileItems = 1000;
const int ID_MENU_PROFILE_BASE = wxWindow::NewControlId(kMaxProfileItems);
const int ID_MENU_HELP = wxNewId();
const int ID_MENU_SCAN = wxNewId();
const int ID_MENU_MAIN_WINDOW = wxNewId();
const int ID_MENU_MESH_ON = wxNewId();
const int ID_MENU_MESH_OFF = wxNewId();
const int ID_MENU_SHARE_MY_INTERNET = wxNewId();
const int ID_MENU_USE_OTHERS_INTERNET = wxNewId();

// A mesh command of the machine the mesh dialogs answer to, run once the
// menu has closed.
void RunMeshCommand(void (MeshStateMachine::*command)()) {
    wxTheApp->CallAfter([command] {
        if (MeshStateMachine* mesh = MeshStateMachine::Current())
            (mesh->*command)();
    });
}

}  // namespace

int TWMPopupMenu::ProfileItemId(size_t index) { return ID_MENU_PROFILE_BASE + static_cast<int>(index); }

int TWMPopupMenu::HelpItemId() { return ID_MENU_HELP; }
int TWMPopupMenu::TurnOnMeshItemId() { return ID_MENU_MESH_ON; }
int TWMPopupMenu::TurnOffMeshItemId() { return ID_MENU_MESH_OFF; }
int TWMPopupMenu::ShareMyInternetItemId() { return ID_MENU_SHARE_MY_INTERNET; }
int TWMPopupMenu::UseOthersInternetItemId() { return ID_MENU_USE_OTHERS_INTERNET; }

int TWMPopupMenu::ScanItemId() { return ID_MENU_SCAN; }

int TWMPopupMenu::MainWindowItemId() { return ID_MENU_MAIN_WINDOW; }

TWMPopupMenu::TWMPopupMenu() {
    DataCenter* hub = DataCenter::GetInstance();
    ProfileManagementControl* control = hub->GetProfileManagementControl();
    if (control != nullptr && !control->GetProfileList(m_profiles, TWMUtil::IsAdmin(), true))
        m_profiles.clear();
    if (m_profiles.size() > static_cast<size_t>(kMaxProfileItems))
        m_profiles.resize(kMaxProfileItems);

    wxString currentName;
    std::string currentPermission;
    if (control != nullptr) {
        currentName = control->GetCurrentProfileName();
        currentPermission = control->GetCurrentUsedProfile().permission;
    }
    for (size_t i = 0; i < m_profiles.size(); ++i) {
        wxString caption = TWMUtil::StdStringToWxString(m_profiles[i].name);
        caption.Replace("&", "&&");
        AppendCheckItem(ProfileItemId(i), caption);
        if (!currentName.empty() && TWMUtil::StdStringToWxString(m_profiles[i].name) == currentName &&
            m_profiles[i].permission == currentPermission)
            m_nChecked = static_cast<int>(i);
    }
    if (m_nChecked >= 0)
        Check(ProfileItemId(static_cast<size_t>(m_nChecked)), true);
    if (!m_profiles.empty())
        AppendSeparator();
    const bool meshOff = AppLink::Get().GetMeshStatus() == MESH_OFF;
    Append(ID_MENU_MESH_ON, _("Turn on Mesh"))->Enable(meshOff);
    Append(ID_MENU_MESH_OFF, _("Turn off Mesh"))->Enable(!meshOff);
    Append(ID_MENU_SHARE_MY_INTERNET, _("Share My Internet"))->Enable(!meshOff);
    Append(ID_MENU_USE_OTHERS_INTERNET, _("Use Other's Internet"))->Enable(!meshOff);
    AppendSeparator();
    Append(ID_MENU_SCAN, _("&Scan for Networks"))->Enable(MainWindowRules::ScanOffered(AppLink::Get().GetMeshStatus()));
    Append(ID_MENU_MAIN_WINDOW, _("Network Manager"));
    AppendSeparator();
    Append(ID_MENU_HELP, _("Help"));

    Bind(wxEVT_MENU, &TWMPopupMenu::OnConnectProfile, this, ProfileItemId(0),
         ProfileItemId(kMaxProfileItems - 1));
    Bind(wxEVT_MENU, &TWMPopupMenu::OnTurnOnMesh, this, ID_MENU_MESH_ON);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnTurnOffMesh, this, ID_MENU_MESH_OFF);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnShareMyInternet, this, ID_MENU_SHARE_MY_INTERNET);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnUseOthersInternet, this, ID_MENU_USE_OTHERS_INTERNET);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnHelp, this, ID_MENU_HELP);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnScanNetwork, this, ID_MENU_SCAN);
    Bind(wxEVT_MENU, &TWMPopupMenu::OnShowMainWindow, this, ID_MENU_MAIN_WINDOW);
}

void TWMPopupMenu::OnConnectProfile(wxCommandEvent& e) {
    const int index = e.GetId() - ID_MENU_PROFILE_BASE;
    if (index < 0 || static_cast<size_t>(index) >= m_profiles.size())
        return;
    const ProfileList_t profile = m_profiles[static_cast<size_t>(index)];
    // The menu closes and is deleted before the command runs.
    wxTheApp->CallAfter([profile] { ConnectProfile(profile); });
}

void TWMPopupMenu::OnTurnOnMesh(wxCommandEvent&) { RunMeshCommand(&MeshStateMachine::TurnOnMesh); }

void TWMPopupMenu::OnTurnOffMesh(wxCommandEvent&) { RunMeshCommand(&MeshStateMachine::TurnOffMesh); }

void TWMPopupMenu::OnShareMyInternet(wxCommandEvent&) { RunMeshCommand(&MeshStateMachine::ShareMyInternet); }

void TWMPopupMenu::OnUseOthersInternet(wxCommandEvent&) { RunMeshCommand(&MeshStateMachine::UseOthersInternet); }

void TWMPopupMenu::OnHelp(wxCommandEvent&) {
    wxTheApp->CallAfter([] { ShowHelp(); });
}

void TWMPopupMenu::OnScanNetwork(wxCommandEvent&) {
    wxTheApp->CallAfter([] { ScanNetwork(); });
}

void TWMPopupMenu::OnShowMainWindow(wxCommandEvent&) {
    wxTheApp->CallAfter([] { ShowMainWindow(); });
}

void TWMPopupMenu::ConnectProfile(const ProfileList_t& profile) {
    AppLink::Get().TurnMeshOff();
    if (!TWMTaskTray::NoTrayApplyPending())
        return;
    DataCenter* hub = DataCenter::GetInstance();
    if (NetworkStatusView* mainWindow = hub->GetMainWindowView())
        mainWindow->ShowApplyingProfile(TWMUtil::StdStringToWxString(profile.name), true);
    if (ProfileManagementControl* control = hub->GetProfileManagementControl())
        control->ApplyProfile(profile);
}

void TWMPopupMenu::ShowHelp() { CommandRunner::OpenManual(CommandRunner::kUserManual, 1); }

void TWMPopupMenu::ScanNetwork() {
    DataCenter* hub = DataCenter::GetInstance();
    if (PolicyManager* policy = hub->GetPolicyManager(); policy != nullptr && !policy->CanScanWireless()) {
        wxMessageBox(_("The current policy forbids scanning for wireless networks."), _("Message"),
                     wxOK | wxICON_INFORMATION);
        return;
    }
    if (!TWMTaskTray::NoTrayApplyPending() || !MainWindowRules::ScanOffered(AppLink::Get().GetMeshStatus()))
        return;
    if (NetworkStatusView* mainWindow = hub->GetMainWindowView(); mainWindow != nullptr && mainWindow->IsApplyingProfile())
        return;
    if (ScanResultView* scan = hub->GetScanWindowView())
        scan->ShowForConnect();
}

void TWMPopupMenu::ShowMainWindow() {
    wxTopLevelWindow* mainWindow = dynamic_cast<wxTopLevelWindow*>(DataCenter::GetInstance()->GetMainWindow());
    if (mainWindow == nullptr)
        return;
    mainWindow->Iconize(false);
    mainWindow->Show(true);
    mainWindow->Raise();
}
