#ifndef TIDEWAVE_DATACENTER_H
#define TIDEWAVE_DATACENTER_H

#include <functional>

#include <wx/event.h>
#include <wx/string.h>

#include "RvlSdk.h"

class HubWindowFactory;
class MeshUseOthersInternetDlg;
class NetworkManagerDlg;
class PolicyManager;
class ProfileManagementControl;
class ProfileManagerDlg;
class ScanNetworkDlg;
class TaskTrayLink;
class NetworkStatusView;
class ScanResultView;
class ProfileManagerView;
class wxWindow;

// The network hub: one per process.  Everything above the core reaches the
// adapters, scans and wireless connections through it, and through it the
// windows and objects it owns.  Its operations run on the GUI thread unless
// said otherwise.
class DataCenter : public wxEvtHandler {
public:
    // The one hub, made on first use on any thread; never destroyed.
    static DataCenter* GetInstance();
    // The hub when it was made already, else null; it never makes one.  For
    // threads that must not bring the hub up.
    static DataCenter* GetIfExists();
    // Tests run their own hub; null restores the process-wide one.
    static void OverrideInstanceForTesting(DataCenter* hub);

    // Brings the hub up on the GUI thread: platform callbacks, owned
    // objects, timers and worker threads.  A second call does nothing.
    virtual void Init() = 0;
    virtual void CreateAll() = 0;

    // What the application provides; both are optional.
    virtual void SetWindowFactory(HubWindowFactory* factory) = 0;
    virtual HubWindowFactory* GetWindowFactory() = 0;
    virtual void SetTaskTray(TaskTrayLink* tray) = 0;
    virtual void SetMeshStatusSource(std::function<int()> source) = 0;

    // Owned objects; null until CreateAll made them.
    virtual NetworkManagerDlg* GetNetworkManagerDlg() = 0;
    virtual ScanNetworkDlg* GetScanNetworkDlg() = 0;
    virtual ProfileManagerDlg* GetProfileManagerDlg() = 0;
    virtual ProfileManagementControl* GetProfileManagementControl() = 0;
    virtual PolicyManager* GetPolicyManager() = 0;
    virtual MeshUseOthersInternetDlg* GetMeshUseOthersInternetDlg() = 0;
    virtual bool ReloadPolicy() = 0;

    // The main window as a plain window, for showing it, and the part of it
    // other objects call (null when absent).
    virtual wxWindow* GetMainWindow() = 0;
    virtual NetworkStatusView* GetMainWindowView() = 0;
    virtual ScanResultView* GetScanWindowView() = 0;
    virtual ProfileManagerView* GetProfileManagerView() = 0;
    // Event targets of the owned windows (null when absent).
    virtual wxEvtHandler* GetMainWindowHandler() = 0;
    virtual wxEvtHandler* GetScanWindowHandler() = 0;
    virtual wxEvtHandler* GetProfileManagerHandler() = 0;
    virtual wxEvtHandler* GetTaskTrayHandler() = 0;

    // Mode and adapters.
    virtual int GetNetworkMode() = 0;
    virtual void SetNetworkMode(int mode) = 0;
    // An adapter that a queued switch takes down counts as down already.
    virtual bool IsAdapterUp(int type) = 0;
    virtual wxString GetConnectTypeText() = 0;

    // The access point the laptop is associated with, or null.  Read on the
    // GUI thread; keep no pointer.
    virtual APStatus* GetCurrentAPStatus() = 0;
    // The same record once it has been read from the laptop's association,
    // null before: from a connect until that read, the record is the
    // request, whose PHY type and signal quality need not be the network's.
    // Forgotten the moment the hub closes or loses the wireless link.
    virtual const APStatus* GetReadAPStatus() = 0;

    virtual void QueueSwitchAdapter(int shutDown, int start, wxEvtHandler* replyTo) = 0;
    virtual int StartScan() = 0;
    virtual int ConnectWlanNetwork(APStatus* ap, wxString key, int keyIndex, bool toProfileControl) = 0;
    virtual bool DisconnectWlan(bool noRestart) = 0;

    virtual void StartStatusTimer() = 0;
    // Shows the network as it is now in the main window and the tray icon,
    // soon after the call and without waiting for the status timer: after
    // an apply has ended.  The status check itself (questions, mode
    // changes) keeps to its ticks.
    virtual void RefreshStatus() = 0;
    // The same within the call: an apply that switches adapters shows what
    // the switch leaves, so that no window shows the link it takes down.
    virtual void ShowStatusNow() = 0;
    // Whether a wired link lost with the wireless adapter off is asked about.
    // A command that takes the wire away itself disarms the question; the
    // next status check that finds the wire lost that way passes without it,
    // and the first check after the command's apply and adapter switches
    // have ended arms it again.
    virtual void SetFlag(bool armed) = 0;
    virtual void SetOldSsid(const unsigned char key[36]) = 0;
};

#endif
