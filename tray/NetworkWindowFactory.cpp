#include "NetworkWindowFactory.h"

#include "NetworkManagerDlg.h"
#include "ScanNetworkDlg.h"

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

HubWindowFactory::ProfileManager NetworkWindowFactory::CreateProfileManagerDlg() { return {}; }

MeshUseOthersInternetDlg* NetworkWindowFactory::CreateMeshUseOthersInternetDlg() { return nullptr; }
