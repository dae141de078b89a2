#include "NetworkWindowFactory.h"

#include "EditProfileDialog.h"
#include "MeshConfigurationDlg.h"
#include "MeshUseOthersInternetDlg.h"
#include "NetworkManagerDlg.h"
#include "ProfileManagerDlg.h"
#include "ScanNetworkDlg.h"
#include "ViewMeshNeighborsDlg.h"

HubWindowFactory::MainWindow NetworkWindowFactory::CreateNetworkManagerDlg() {
    auto* dlg = new NetworkManagerDlg(nullptr, -1);
    MainWindow made;
    made.dlg = dlg;
    made.window = dlg;
    made.events = dlg;
    made.view = dlg;
    return made;
}

HubWindowFactory::ScanWindow NetworkWindowFactory::CreateScanNetworkDlg() {
    auto* dlg = new ScanNetworkDlg(nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    ScanWindow made;
    made.dlg = dlg;
    made.events = dlg;
    made.view = dlg;
    return made;
}

// The one profile manager: no parent, hidden until the main window opens it.
HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() {
    auto* manager = new ProfileManagerDlg(nullptr, -1);
    ProfileManager made;
    made.dlg = manager;
    made.events = manager;
    made.view = manager;
    return made;
}

// The mesh client dialog, made hidden once, last of the hub's windows.
MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() {
    return new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
}

wxDialog* NetworkWindowFactory::CreateMeshConfigurationDlg() { return new MeshConfigurationDlg(nullptr, wxID_ANY); }

wxDialog* NetworkWindowFactory::CreateViewMeshNeighborsDlg() { return new ViewMeshNeighborsDlg(nullptr, wxID_ANY); }

bool NetworkWindowFactory::EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) {
    EditProfileDialog dialog(parent, profile, true);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    profile = dialog.GetProfile();
    return true;
}
