#ifndef TIDEWAVE_DATACENTERLINUX_H
#define TIDEWAVE_DATACENTERLINUX_H

#include <atomic>
#include <condition_variable>
#include <mutex>

#include <wx/thread.h>
#include <wx/timer.h>

#include "DataCenter.h"
#include "HubWindowFactory.h"
#include "MeshStatus.h"

class GetCurAPThread;
class ScanEvent;
class SwitchAdapterThread;
class NetworkStatusView;
class ScanResultView;

// The hub over the platform library.
class DataCenterLinux : public DataCenter {
public:
    DataCenterLinux();
    ~DataCenterLinux() override;

    void Init() override;
    void CreateAll() override;
    void SetWindowFactory(HubWindowFactory* factory) override { m_pWindowFactory = factory; }
    HubWindowFactory* GetWindowFactory() override { return m_pWindowFactory; }
    void SetTaskTray(TaskTrayLink* tray) override;
    void SetMeshStatusSource(std::function<int()> source) override { m_meshStatusSource = std::move(source); }

    NetworkManagerDlg* GetNetworkManagerDlg() override { return m_mainWindow.dlg; }
    ScanNetworkDlg* GetScanNetworkDlg() override { return m_scanWindow.dlg; }
    ProfileManagerDlg* GetProfileManagerDlg() override { return m_profileManager.dlg; }
    ProfileManagementControl* GetProfileManagementControl() override { return m_pProfileControl; }
    PolicyManager* GetPolicyManager() override { return m_pPolicyManager; }
    MeshUseOthersInternetDlg* GetMeshUseOthersInternetDlg() override { return m_pMeshClientDlg; }
    bool ReloadPolicy() override;

    wxWindow* GetMainWindow() override { return m_mainWindow.window; }
    NetworkStatusView* GetMainWindowView() override { return m_mainWindow.view; }
    ScanResultView* GetScanWindowView() override { return m_scanWindow.view; }
    ProfileManagerView* GetProfileManagerView() override { return m_profileManager.view; }
    wxEvtHandler* GetMainWindowHandler() override { return m_mainWindow.events; }
    wxEvtHandler* GetScanWindowHandler() override { return m_scanWindow.events; }
    wxEvtHandler* GetProfileManagerHandler() override { return m_profileManager.events; }
    wxEvtHandler* GetTaskTrayHandler() override;

    int GetNetworkMode() override { return m_nNetworkMode; }
    void SetNetworkMode(int mode) override;
    bool IsAdapterUp(int type) override;
    wxString GetConnectTypeText() override;
    APStatus* GetCurrentAPStatus() override;
    const APStatus* GetReadAPStatus() override;

    void QueueSwitchAdapter(int shutDown, int start, wxEvtHandler* replyTo) override;
    int StartScan() override;
    int ConnectWlanNetwork(APStatus* ap, wxString key, int keyIndex, bool toProfileControl) override;
    bool DisconnectWlan(bool noRestart) override;

    void StartStatusTimer() override;
    void RefreshStatus() override;
    void ShowStatusNow() override { ShowStatus(); }
    void SetFlag(bool armed) override { m_bAskSwitchToWireless = armed; }
    void SetOldSsid(const unsigned char key[36]) override;

    // The IPv4 address of the first interface whose name contains
    // `fragment`, written into buf (at least 33 bytes).  0 when written,
    // -1 otherwise (buf then holds an empty text).  Any thread.
    static int GetInterfaceIPv4(const char* fragment, char* buf);

    // One tick of each timer.  The timers call them; tests drive them.
    void OnStatusTimer();
    void OnAllocatorTimer();
    // The status check with the four flags of one tick.
    void CheckNetworkStatus(bool wiredUp, bool wirelessUp, bool wiredConnected, bool wirelessConnected);

    bool IsStatusTimerRunning() const { return m_statusTimer.IsRunning(); }
    bool IsAllocatorTimerRunning() const { return m_allocTimer.IsRunning(); }
    bool IsScanning() const { return m_bScanning; }

    // The platform's change callbacks.
    static void LanChangeCallBack(int* value);
    static void WlanChangeCallBack(int* value);
    static void DisableAdapterCallBack(int* value);

private:
    class ScanThread;
    class ConnectAPThread;

    void OnScanEvent(ScanEvent& e);
    void OnStatusTimerEvent(wxTimerEvent&) { OnStatusTimer(); }
    void OnAllocatorTimerEvent(wxTimerEvent&) { OnAllocatorTimer(); }

    int MeshState() const;
    bool NoApplyRuns();
    // No adapter switch is queued or being served.
    bool SwitchesDone();
    void ForgetCurrentAP();
    void TakeStagedAnswer();
    // The scan window follows a change of the association read.
    void CurrentAPChanged();
    void RequestCurrentAPRead();
    // The address text of an adapter for the status record.
    wxString IPTextOf(int adapterType, bool* realAddress = nullptr);
    MeshStatus BuildStatus(int mode);
    // The adapters and links as the library reports them now, and the mode
    // they make.  A link this hub is taking down counts as gone already: an
    // adapter a queued switch shuts down, an association an attempt under
    // way drops first.  That is asked before the library, so a switch or
    // attempt found over has done its part in what the library reports.
    struct LinkFlags {
        bool wiredUp, wirelessUp, wiredConnected, wirelessConnected;
    };
    LinkFlags ReadLinkFlags();
    bool TakenDown(int adapterType);
    int ModeOf(const LinkFlags& flags) const;
    // The status display of the main window and the tray icon, at once.
    void ShowStatus();
    void OnCurrentAPAnswered(wxThreadEvent&);
    void DetectWirelessSwitch(int mode, const MeshStatus& status);
    void CallModeChangePair(int mode);
    void AskAndNotify(int prev, int mode, bool wiredUp, bool wirelessUp, bool wiredConnected,
                      bool lastWiredConnected);
    void PostConnectResult(wxEvtHandler* receiver, int code);
    void UpdateControllerTargets();

    // One-job worker threads report here when they end.
    void JobStarted();
    void JobEnded();

    bool m_bInitialised = false;
    HubWindowFactory* m_pWindowFactory = nullptr;
    TaskTrayLink* m_pTaskTray = nullptr;
    std::function<int()> m_meshStatusSource;

    HubWindowFactory::MainWindow m_mainWindow;
    HubWindowFactory::ScanWindow m_scanWindow;
    HubWindowFactory::ProfileManager m_profileManager;
    MeshUseOthersInternetDlg* m_pMeshClientDlg = nullptr;
    bool m_bMeshClientMade = false;
    ProfileManagementControl* m_pProfileControl = nullptr;
    PolicyManager* m_pPolicyManager = nullptr;

    int m_nNetworkMode = 7;
    int m_nPreviousMode = 7;

    // The current access point: written on the GUI thread only.
    APStatus m_currentAP{};
    bool m_bHasCurrentAP = false;
    // m_currentAP is what GetCurAPThread read, not a connect request.
    bool m_bCurrentAPRead = false;

    SwitchAdapterThread* m_pSwitchThread = nullptr;
    GetCurAPThread* m_pCurAPThread = nullptr;

    // Scanning.
    std::atomic<bool> m_bScanning{false};
    wxMutex m_scanMutex;
    AccessPointList m_scanList{};

    // Wireless connect.  Attempts whose RVL_ConnectAP has not returned.
    std::atomic<int> m_nAttemptsRunning{0};
    ConnectInfo m_connectInfo{};
    APStatus m_connectAP{};
    wxTimer m_allocTimer;
    int m_nAllocTicks = 0;
    wxEvtHandler* m_pAllocReceiver = nullptr;

    // Status check.
    wxTimer m_statusTimer;
    // A connection got its address: the display follows once the access
    // point it is associated with has been read.
    bool m_bShowOnAnswer = false;
    bool m_bShowPosted = false;
    bool m_bAskSwitchToWireless = true;
    bool m_bQuestionOpen = false;
    bool m_bSuppressSwitchNotice = false;
    bool m_bLastWiredConnected = false;
    unsigned char m_oldSsid[36] = {};

    std::mutex m_jobMutex;
    std::condition_variable m_jobsDone;
    int m_nJobs = 0;

    wxDECLARE_EVENT_TABLE();
};

#endif
