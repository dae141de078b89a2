#include "NetworkWindowFactory.h"

#include "EditProfileDialog.h"
#include "ProfileManagerDlg.h"

HubWindowFactory::MainWindow NetworkWindowFactory::CreateNetworkManagerDlg() { return {}; }

HubWindowFactory::ScanWindow NetworkWindowFactory::CreateScanNetworkDlg() { return {}; }

// The one profile manager: no parent, hidden until the main window opens it.
HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() {
    auto* manager = new ProfileManagerDlg(nullptr, -1);
    ProfileManager made;
    made.dlg = manager;
    made.events = manager;
    made.view = manager;
    return made;
}

MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() { return nullptr; }

bool NetworkWindowFactory::EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) {
    EditProfileDialog dialog(parent, profile, true);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    profile = dialog.GetProfile();
    return true;
}
