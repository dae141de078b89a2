#include "NetworkWindowFactory.h"

#include "EditProfileDialog.h"

HubWindowFactory::MainWindow NetworkWindowFactory::CreateNetworkManagerDlg() { return {}; }

HubWindowFactory::ScanWindow NetworkWindowFactory::CreateScanNetworkDlg() { return {}; }

HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() { return {}; }

MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() { return nullptr; }

bool NetworkWindowFactory::EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) {
    EditProfileDialog dialog(parent, profile, true);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    profile = dialog.GetProfile();
    return true;
}
