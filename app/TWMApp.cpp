#include "TWMApp.h"

#include <cstdio>

#include <unistd.h>

#include <wx/intl.h>
#include <wx/log.h>
#include <wx/thread.h>

#include "AvahiMulticast.h"
#include "CatalogueLoader.h"
#include "CommandRunner.h"
#include "DataCenter.h"
#include "DeployThread.h"
#include "KXClientSubject.h"
#include "MeshInfoManager.h"
#include "NetworkTypes.h"
#include "TrayMeshHooks.h"
#include "NetworkStatusView.h"
#include "PolicyManager.h"
#include "ProfileManagerView.h"
#include "SettingsRepublisher.h"
#include "InstanceLock.h"
#include "ProgramFolder.h"
#include "RvlSdk.h"
#include "SystemPaths.h"
#include "SystemTrayProbe.h"
#include "TWExistBalloon.h"
#include "TWMTaskTray.h"
#include "TWMUtil.h"
#include "TrayUserNotices.h"

namespace {

const int kStartDelayMs = 20000;
const int kExitDelayMs = 3000;
const int kRefreshWaitMs = 30000;
const int kHousekeepingMs = 3000;
// The deploy server listens on every local address; this text is not used.
const char* const kDeployAddress = "192.168.0.1";
const int ID_TIMER_START = wxNewId();
const int ID_TIMER_EXIT = wxNewId();
const int ID_TIMER_HOUSEKEEPING = wxNewId();

// Calls `call` on the part of the hub that `get` returns; false when the
// hub or that part does not exist.
template <class Part, class Result>
std::function<bool()> OnHubPart(Part* (DataCenter::*get)(), Result (Part::*call)()) {
    return [get, call] {
        DataCenter* hub = DataCenter::GetIfExists();
        Part* part = hub != nullptr ? (hub->*get)() : nullptr;
        if (part != nullptr)
            (part->*call)();
        return part != nullptr;
    };
}

}  // namespace

wxBEGIN_EVENT_TABLE(TWMApp, wxApp)
    EVT_TIMER(ID_TIMER_START, TWMApp::OnStartTimer)
    EVT_TIMER(ID_TIMER_EXIT, TWMApp::OnExitTimer)
    EVT_TIMER(ID_TIMER_HOUSEKEEPING, TWMApp::OnHousekeepingTimer)
wxEND_EVENT_TABLE()

TWMApp::TWMApp()
    : m_startTimer(this, ID_TIMER_START),
      m_exitTimer(this, ID_TIMER_EXIT),
      m_houseTimer(this, ID_TIMER_HOUSEKEEPING),
      m_dnsSd(*MeshInfoManager::GetInstance()),
      m_dnsSdTick(m_dnsSd.PublishLoop(), m_dnsSd.BrowseLoop()),
      m_meshCommands(TrayMeshHooks::Make(*this), *MeshInfoManager::GetInstance()) {
    MeshStateMachine::SetCurrent(&m_meshCommands);
    AppLink::Install(this);
}

TWMApp::~TWMApp() { AppLink::Install(nullptr); }

void TWMApp::SetProgramFolder() {
    m_strAppDir = TWMUtil::StdStringToWxString(ProgramFolder::Get());
    if (!m_strAppDir.EndsWith("/"))
        m_strAppDir += "/";
}

void TWMApp::LoadCatalogue() {
    CatalogueLoader::Load(TWMUtil::StdStringToWxString(SystemPaths::ResourceDir()),
                          CatalogueLoader::SystemLanguage());
}

bool TWMApp::OnInit() {
    // Known before anything else runs: the pictures of a second instance's
    // balloon and the classroom certificate depend on the folder, and the
    // second instance's balloon on the catalogue.
    SetProgramFolder();
    LoadCatalogue();
    wxInitAllImageHandlers();
    delete wxLog::SetActiveTarget(new wxLogGui);

    std::string error;
    switch (InstanceLock::Acquire(InstanceLock::DefaultPath(), m_nLockFd, error)) {
    case InstanceLock::HELD_ELSEWHERE:
        if (SystemTrayProbe::IsAvailable()) {
            ShowExistBalloon();
            return true;
        }
        CommandRunner::Get().Run({SystemPaths::Fixed("/usr/share/TidewaveManager/restart.sh")});
        return false;
    case InstanceLock::FAILED:
        std::fprintf(stderr, "Tidewave: %s; going on without the single-instance lock\n", error.c_str());
        break;
    case InstanceLock::ACQUIRED:
        break;
    }

    m_bFirstInstance = true;
    // No window exists during the first 20 s, and destroying a balloon must
    // never end the program.
    SetExitOnFrameDelete(false);
    UserNotices::Install(new TrayUserNotices);
    m_startTimer.StartOnce(kStartDelayMs);
    m_houseTimer.Start(kHousekeepingMs);
    StartListen();
    m_dnsSdTick.NoteBrowseStarted(DnsSdTick::Clock::now());
    StartDeployThread(kDeployAddress);
    // A teacher's resolution asks for the server on the browse thread.
    AvahiMulticast::SetDeployStarter([this](const std::string& address) {
        CallAfter([this, address] {
            if (!m_bShuttingDown)
                StartDeployThread(address.c_str());
        });
    });
    m_nMeshStatus = 1;
    return true;
}

void TWMApp::OnInitTimer() {
    if (m_bStarted)
        return;
    m_bStarted = true;
    if (RVL_Initialize() != 0) {
        std::fprintf(stderr, "Tidewave: the platform library could not be initialised\n");
        wxExit();
        return;
    }
    RVL_InitUserInfo();
    CommandRunner::Get().Run({"killall", "nm-applet"});
    SetProgramFolder();

    JoinHub(*DataCenter::GetInstance());
    m_pTaskTray = TWMTaskTray::GetInstance();
    m_pTaskTray->init(argc == 2);
}

void TWMApp::JoinHub(DataCenter& hub) {
    hub.SetWindowFactory(&m_windowFactory);
    hub.SetMeshStatusSource([this] { return m_nMeshStatus; });
}

bool TWMApp::TurnMeshOff() {
    if (m_nMeshStatus == MESH_OFF || m_nMeshStatus == MESH_SHARING_MY_INTERNET)
        return false;
    RVL_TurnOnMesh(0);
    m_nMeshStatus = MESH_OFF;
    return true;
}

bool TWMApp::IsTrayApplyIdle() const { return m_pTaskTray == nullptr || m_pTaskTray->GetApplyWirelessFlag(); }

void TWMApp::ForgetTaskTray(const TaskTrayLink* tray) {
    if (m_pTaskTray == tray)
        m_pTaskTray = nullptr;
}

void TWMApp::OnTimerExit() { m_dnsSdTick.OnTick(DnsSdTick::Clock::now()); }

void TWMApp::StartListen() { m_dnsSd.StartListen(); }

void TWMApp::ShowExistBalloon() {
    m_pExistBalloon = new TWExistBalloon(nullptr);
    m_pExistBalloon->Show(true);
    m_exitTimer.StartOnce(kExitDelayMs);
}

void TWMApp::CloseExistBalloon() {
    if (m_pExistBalloon != nullptr) {
        m_pExistBalloon->Show(false);
        m_pExistBalloon->Destroy();
        m_pExistBalloon = nullptr;
    }
    wxExit();
}

SettingsRepublisher::Hooks TWMApp::RepublishHooks() {
    SettingsRepublisher::Hooks hooks;
    hooks.runOnGuiThread = [this](const std::function<void()>& work) { RunOnGuiThread(work); };
    // Each refresh asks the hub only when it exists: a delivery in the
    // first 20 s must not bring the hub up on the server's thread.
    hooks.refreshMainWindow = OnHubPart(&DataCenter::GetMainWindowView, &NetworkStatusView::RefreshProfileCombo);
    hooks.refreshProfileManager = OnHubPart(&DataCenter::GetProfileManagerView, &ProfileManagerView::RefreshProfile);
    hooks.reloadPolicy = OnHubPart(&DataCenter::GetPolicyManager, &PolicyManager::LoadPolicy);
    hooks.requestPublish = [this] { StartPublishTimer(); };
    return hooks;
}

void TWMApp::StartDeployThread(const char*) {
    if (!m_pRepublisher) {
        m_pRepublisher = std::make_unique<SettingsRepublisher>(RepublishHooks());
        KXClientSubject::GetInstance()->SetObserver(this);
    }
    // One server listens on every address: while it runs there is nothing
    // to start, and a server that has ended is waited for first.
    if (m_pDeployThread != nullptr) {
        if (m_pDeployThread->IsAlive())
            return;
        m_pDeployThread->Wait();
        delete m_pDeployThread;
        m_pDeployThread = nullptr;
    }
    auto* thread = new DeployThread();
    if (thread->Create() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't create thread!");
        delete thread;
        return;
    }
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        wxLogError("Can't start thread!");
        delete thread;
        return;
    }
    m_pDeployThread = thread;
}

void TWMApp::Republish() {
    if (m_pRepublisher)
        m_pRepublisher->Republish();
}

void TWMApp::RunOnGuiThread(const std::function<void()>& work) {
    // The window refreshes run on the GUI thread while the server's thread
    // waits, so the connection closes only after them.  Without a running
    // loop (before it starts, after it ended) they are skipped.
    if (m_bShuttingDown || !IsMainLoopRunning())
        return;
    auto done = std::make_shared<wxSemaphore>(0, 1);
    CallAfter([work, done, this] {
        if (!m_bShuttingDown)
            work();
        done->Post();
    });
    done->WaitTimeout(kRefreshWaitMs);
}

int TWMApp::OnExit() {
    m_bShuttingDown = true;
    AvahiMulticast::SetDeployStarter(nullptr);
    delete m_pTaskTray;
    m_pTaskTray = nullptr;
    const int code = wxApp::OnExit();
    if (m_bFirstInstance) {
        // Worker threads of the hub and the servers keep running until the
        // process ends; end it here, before the toolkit tears down windows
        // they may still post to.
        std::fflush(nullptr);
        _exit(code);
    }
    return code;
}

TWMApp& wxGetApp() { return *static_cast<TWMApp*>(wxApp::GetInstance()); }
