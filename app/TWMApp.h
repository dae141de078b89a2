#ifndef TIDEWAVE_TWMAPP_H
#define TIDEWAVE_TWMAPP_H

#include <atomic>
#include <functional>
#include <memory>

#include <wx/app.h>
#include <wx/string.h>
#include <wx/timer.h>

#include "AppLink.h"
#include "DnsSdThreads.h"
#include "DnsSdTick.h"
#include "KXClientObserver.h"
#include "MeshStateMachine.h"
#include "NetworkWindowFactory.h"
#include "SettingsRepublisher.h"

class DataCenter;
class DeployThread;
class TWExistBalloon;
class TWMTaskTray;

// The application object: single-instance lock, the 20000 ms start timer and
// the deferred start that brings up the tray and the hub; the 3000 ms
// housekeeping tick that restarts the DNS-SD publisher and browser; the mesh
// commands.  It installs itself as the link through which the windows and
// the tray reach it.
class TWMApp : public wxApp, public KXClientObserver, public AppLink {
public:
    TWMApp();
    ~TWMApp() override;

    bool OnInit() override;
    int OnExit() override;

    // The deferred start (the start timer's handler; tests call it).
    void OnInitTimer();

    // Gives the hub the application's window factory and mesh status, before
    // the hub makes its windows.
    void JoinHub(DataCenter& hub);

    TWMTaskTray* GetTaskTray() const { return m_pTaskTray; }

    // Requests served by the housekeeping tick: a new DNS-SD publication of
    // this machine, and a new browse.  Any thread.
    void StartPublishTimer() { m_dnsSdTick.RequestPublish(); }
    void StartBrowseTimer() { m_dnsSdTick.RequestBrowse(); }
    bool IsPublishRequested() const { return m_dnsSdTick.IsPublishRequested(); }
    bool IsBrowseRequested() const { return m_dnsSdTick.IsBrowseRequested(); }

    // The housekeeping tick (the 3000 ms timer's handler; tests call it).
    void OnTimerExit();
    // A new DNS-SD browse thread, as the tick starts the later ones.
    void StartListen();

    // The mesh commands of the tray menu, which the mesh dialogs answer.
    MeshStateMachine& GetMeshCommands() { return m_meshCommands; }

    // AppLink
    int GetMeshStatus() const override { return m_nMeshStatus; }
    bool TurnMeshOff() override;
    bool IsTrayApplyIdle() const override;
    void RequestPublish() override { StartPublishTimer(); }
    // The tray icon tells the application when it goes.
    void ForgetTaskTray(const TaskTrayLink* tray) override;

    // Starts the classroom deploy server (TCP port 4711 on every local IPv4
    // address; the address text is not used) unless it runs already.
    void StartDeployThread(const char* address);
    // After a delivery, on the deploy server's thread: imports the settings
    // archive, has the GUI thread refresh the profile lists and the policy,
    // and requests a new publication.
    void Republish() override;
    // What the republish routine runs in the application: the refresh of
    // the main window's profile choice, the profile manager and the policy
    // on the GUI thread, and the publish request.
    SettingsRepublisher::Hooks RepublishHooks();
    // Set once the program ends; worker threads then hand nothing more to
    // the GUI thread.
    bool IsShuttingDown() const { return m_bShuttingDown; }

    // Second instance.
    void ShowExistBalloon();
    void CloseExistBalloon();

    // The program folder, ending in "/".
    wxString m_strAppDir;
    // 1 mesh off, 2 mesh on, 3 sharing this machine's internet, 4 using
    // another's internet.  GUI thread.
    int m_nMeshStatus = 1;

private:
    void OnStartTimer(wxTimerEvent&) { OnInitTimer(); }
    void OnExitTimer(wxTimerEvent&) { CloseExistBalloon(); }
    void OnHousekeepingTimer(wxTimerEvent&) { OnTimerExit(); }
    void SetProgramFolder();
    void LoadCatalogue();
    void RunOnGuiThread(const std::function<void()>& work);

    TWMTaskTray* m_pTaskTray = nullptr;
    wxTimer m_startTimer;
    wxTimer m_exitTimer;
    wxTimer m_houseTimer;
    TWExistBalloon* m_pExistBalloon = nullptr;
    DeployThread* m_pDeployThread = nullptr;  // runs for the life of the process
    int m_nLockFd = -1;
    bool m_bFirstInstance = false;
    bool m_bStarted = false;
    DnsSdThreads m_dnsSd;
    DnsSdTick m_dnsSdTick;
    MeshStateMachine m_meshCommands;
    std::atomic<bool> m_bShuttingDown{false};
    std::unique_ptr<SettingsRepublisher> m_pRepublisher;
    NetworkWindowFactory m_windowFactory;

    wxDECLARE_EVENT_TABLE();
};

wxDECLARE_APP(TWMApp);

#endif
