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

    // The edit dialog over a profile made for a scanned network.
    bool HasProfileEditor() const override { return true; }
    bool EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) override;

    // The mesh configuration dialog and the mesh neighbour list.
    bool HasMeshWindows() const override { return true; }
    wxDialog* CreateMeshConfigurationDlg() override;
    wxDialog* CreateViewMeshNeighborsDlg() override;
};

#endif
