#include "NetworkWindowFactory.h"

HubWindowFactory::MainWindow NetworkWindowFactory::CreateNetworkManagerDlg() { return {}; }

HubWindowFactory::ScanWindow NetworkWindowFactory::CreateScanNetworkDlg() { return {}; }

HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() { return {}; }

MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() { return nullptr; }
