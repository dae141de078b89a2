// The main window's commands: wireless on and off, the other windows, the
// import of school settings, the manual and the About box.
#include "NetworkManagerDlg.h"

#include <memory>

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "AboutDialog.h"
#include "AppLink.h"
#include "CommandRunner.h"
#include "DataCenter.h"
#include "HubWindowFactory.h"
#include "MainWindowRules.h"
#include "NetworkTypes.h"
#include "PolicyManager.h"
#include "ProfileManagerView.h"
#include "RvlSdk.h"
#include "ScanNetworkDlg.h"
#include "SwitchAdapterEvent.h"
#include "ViewAPNeighborsDlg.h"

namespace {

const int kWirelessWaitMs = 30000;

PolicyManager* Policy() { return DataCenter::GetInstance()->GetPolicyManager(); }

}  // namespace

bool NetworkManagerDlg::PolicyAllows(bool allowed, const wxString& refusal) {
    if (!allowed)
        wxMessageBox(refusal, _("Message"), wxOK | wxICON_INFORMATION, this);
    return allowed;
}

void NetworkManagerDlg::OnWirelessOnOff(wxCommandEvent&) {
    // Mesh goes off before any check, and stays off after a refusal.
    if (AppLink::Get().TurnMeshOff())
        DataCenter::GetInstance()->SetNetworkMode(NETMODE_NO_ADAPTER);
    PolicyManager* policy = Policy();
    if (!PolicyAllows(policy == nullptr || policy->CanTurnWirelessOnOff(),
                      _("The current policy forbids turning on/off wireless.")))
        return;
    int present = 0;
    RVL_IsExistAdapter(ADAPTER_WIRELESS, &present);
    if (present == 0) {
        wxMessageBox(_("Cannot find wireless adapter!"), _("Message"), wxOK | wxICON_INFORMATION, this);
        return;
    }
    ToggleWireless();
}

void NetworkManagerDlg::ToggleWireless() {
    if (ApplyRuns())
        return;
    m_wirelessTimer.StartOnce(kWirelessWaitMs);
    m_pWirelessButton->UpdateWindowUI();
    DataCenter* hub = DataCenter::GetInstance();
    const MainWindowRules::WirelessSwitch request = MainWindowRules::WirelessSwitchFor(hub->GetNetworkMode());
    if (!request.queue)
        return;  // the button comes back with the timer
    hub->QueueSwitchAdapter(request.shutDown, request.start, this);
    if (request.disarmQuestion)
        hub->SetFlag(false);
}

void NetworkManagerDlg::OnSwitchAdapterEvent(SwitchAdapterEvent&) {
    m_wirelessTimer.Stop();
    m_pWirelessButton->UpdateWindowUI();
}

void NetworkManagerDlg::OnWirelessButtonUpdate(wxUpdateUIEvent& event) {
    // The one rule of the button: asked at every idle time of the shown
    // window, so it follows an apply whoever started it and comes back once
    // it ended either way, and at once when a switch starts or ends.
    event.Enable(!m_wirelessTimer.IsRunning() && !ApplyRuns());
}

void NetworkManagerDlg::OnWirelessMenuUpdate(wxUpdateUIEvent& event) {
    // Asked as the menu opens.  A switch under way leaves the item usable;
    // an apply would drop its pick without a word.
    event.Enable(!ApplyRuns());
}

void NetworkManagerDlg::OnScanNetworks(wxCommandEvent&) {
    PolicyManager* policy = Policy();
    if (!PolicyAllows(policy == nullptr || policy->CanScanWireless(),
                      _("The current policy forbids scanning for wireless networks.")))
        return;
    // Mesh may have come on since the last status check greyed the button.
    if (!TrayApplyIdle() || IsApplyingProfile() || !MainWindowRules::ScanOffered(AppLink::Get().GetMeshStatus()))
        return;
    ScanNetworkDlg* scan = DataCenter::GetInstance()->GetScanNetworkDlg();
    if (scan == nullptr)
        return;
    // Open from the tray without a modal loop: taken away first.
    scan->CloseIfShown();
    scan->SetUsedForConnect(true);
    scan->ShowModal();
}

void NetworkManagerDlg::OnProfileManager(wxCommandEvent&) {
    if (!TrayApplyIdle())
        return;
    PolicyManager* policy = Policy();
    if (!PolicyAllows(policy == nullptr || policy->CanMaintainProfiles(),
                      _("The current policy forbids maintaining profiles.")))
        return;
    DataCenter* hub = DataCenter::GetInstance();
    if (ScanResultView* scan = hub->GetScanWindowView())
        scan->CloseIfShown();
    if (ProfileManagerView* manager = hub->GetProfileManagerView())
        manager->ShowManager();
}

void NetworkManagerDlg::OnViewNeighbors(wxCommandEvent&) {
    if (AppLink::Get().GetMeshStatus() != MESH_OFF) {
        HubWindowFactory* windows = DataCenter::GetInstance()->GetWindowFactory();
        std::unique_ptr<wxDialog> mesh(windows != nullptr ? windows->CreateViewMeshNeighborsDlg() : nullptr);
        if (mesh)
            mesh->ShowModal();
        return;
    }
    if (!TrayApplyIdle())
        return;
    m_pNeighborsDlg->ShowModal();
}

void NetworkManagerDlg::OnMeshConfigure(wxCommandEvent&) {
    HubWindowFactory* windows = DataCenter::GetInstance()->GetWindowFactory();
    std::unique_ptr<wxDialog> configure(windows != nullptr ? windows->CreateMeshConfigurationDlg() : nullptr);
    if (configure)
        configure->ShowModal();
}

void NetworkManagerDlg::OnAbout(wxCommandEvent&) {
    AboutDialog about(this, -1);
    about.ShowModal();
}

void NetworkManagerDlg::OnHelpContents(wxCommandEvent&) { CommandRunner::OpenManual(CommandRunner::kUserManual, 21); }

void NetworkManagerDlg::OnImportSchoolSettings(wxCommandEvent&) {
    ProfileManagerView* manager = DataCenter::GetInstance()->GetProfileManagerView();
    if (manager != nullptr && manager->IsOpen()) {
        wxMessageBox(_("The Profile Manager dialog is already open. \nPlease close it before importing school "
                       "settings."),
                     _("Message"), wxOK | wxICON_INFORMATION, this);
        return;
    }
    wxFileDialog choose(this, _("Please choose a file to import"), wxEmptyString, wxEmptyString,
                        "Tar files (*.tar)|*.tar", wxFD_OPEN);
    if (choose.ShowModal() != wxID_OK)
        return;
    ImportArchive(choose.GetPath());
}

void NetworkManagerDlg::ImportArchive(const wxString& path) {
    wxArrayString notImported;
    SchoolSettingImporter::Refusal refusal = SchoolSettingImporter::Refusal::NOT_COPIED;
    if (m_importer.Import(path, &notImported, &refusal)) {
        wxMessageBox(_("Import successful."), _("Message"), wxOK | wxICON_INFORMATION, this);
        FillProfileCombo();
    } else {
        wxString text = _("Failed to import school settings.\n");
        if (!notImported.empty()) {
            text += _("\nThe following files were not imported.");
            for (const wxString& name : notImported)
                text += "\n" + name;
        } else {
            text += "\n" + SchoolSettingImporter::RefusalText(refusal);
        }
        wxMessageBox(text, _("Message"), wxOK | wxICON_INFORMATION, this);
    }
    DataCenter::GetInstance()->ReloadPolicy();
}
