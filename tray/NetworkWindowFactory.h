#ifndef TIDEWAVE_NETWORKWINDOWFACTORY_H
#define TIDEWAVE_NETWORKWINDOWFACTORY_H

#include "HubWindowFactory.h"

// The application's window factory: the one place that knows every window
// class.  The application installs it before the hub is brought up; the hub
// makes its owned windows through it, and windows open each other's windows
// through it.
class NetworkWindowFactory : public HubWindowFactory {
public:
    MainWindow CreateNetworkManagerDlg() override;
    ScanWindow CreateScanNetworkDlg() override;
    ProfileManager CreateProfileManagerDlg() override;
    MeshUseOthersInternetDlg* CreateMeshUseOthersInternetDlg() override;

    bool HasMeshWindows() const override { return true; }
    wxDialog* CreateMeshConfigurationDlg() override;
    wxDialog* CreateViewMeshNeighborsDlg() override;
};

#endif
