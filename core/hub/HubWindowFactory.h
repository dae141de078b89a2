#ifndef TIDEWAVE_HUBWINDOWFACTORY_H
#define TIDEWAVE_HUBWINDOWFACTORY_H

#include "ProfileList.h"

class wxDialog;
class wxEvtHandler;
class wxWindow;
class NetworkManagerDlg;
class ScanNetworkDlg;
class ProfileManagerDlg;
class MeshUseOthersInternetDlg;
class NetworkStatusView;
class ScanResultView;
class ProfileManagerView;

// Makes the windows the hub owns.  The core includes no window header: the
// application installs a factory before the hub is initialised, and the hub
// keeps what it returns for the life of the process.  A part left null is a
// window this build does not have; every call to it is skipped.
class HubWindowFactory {
public:
    struct MainWindow {
        NetworkManagerDlg* dlg = nullptr;
        wxWindow* window = nullptr;
        wxEvtHandler* events = nullptr;
        NetworkStatusView* view = nullptr;
    };
    struct ScanWindow {
        ScanNetworkDlg* dlg = nullptr;
        wxEvtHandler* events = nullptr;
        ScanResultView* view = nullptr;
    };
    struct ProfileManager {
        ProfileManagerDlg* dlg = nullptr;
        wxEvtHandler* events = nullptr;
        ProfileManagerView* view = nullptr;
    };

    virtual ~HubWindowFactory() = default;
    virtual MainWindow CreateNetworkManagerDlg() = 0;
    virtual ScanWindow CreateScanNetworkDlg() = 0;
    virtual ProfileManager CreateProfileManagerDlg() = 0;
    virtual MeshUseOthersInternetDlg* CreateMeshUseOthersInternetDlg() = 0;

    // Windows that other windows open through the application, which alone
    // sees every window class.  The defaults say "not in this build".
    //
    // The edit dialog over a profile made for a scanned network: true when
    // the user confirmed it, profile then holding the edited record.
    virtual bool HasProfileEditor() const { return false; }
    virtual bool EditProfileFromScan(wxWindow* /*parent*/, ProfileList_t& /*profile*/) { return false; }
    // The mesh configuration dialog and the mesh neighbour list, made without
    // a parent for one modal run; the caller deletes them.
    virtual bool HasMeshWindows() const { return false; }
    virtual wxDialog* CreateMeshConfigurationDlg() { return nullptr; }
    virtual wxDialog* CreateViewMeshNeighborsDlg() { return nullptr; }
};

#endif
