#include "NetworkWindowFactory.h"

#include "MeshConfigurationDlg.h"
#include "MeshUseOthersInternetDlg.h"
#include "ViewMeshNeighborsDlg.h"

HubWindowFactory::MainWindow NetworkWindowFactory::CreateNetworkManagerDlg() { return {}; }

HubWindowFactory::ScanWindow NetworkWindowFactory::CreateScanNetworkDlg() { return {}; }

HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() { return {}; }

// The mesh client dialog, made hidden once, last of the hub's windows.
MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() {
    return new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
}

wxDialog* NetworkWindowFactory::CreateMeshConfigurationDlg() { return new MeshConfigurationDlg(nullptr, wxID_ANY); }

wxDialog* NetworkWindowFactory::CreateViewMeshNeighborsDlg() { return new ViewMeshNeighborsDlg(nullptr, wxID_ANY); }
