#ifndef TIDEWAVE_HUBWINDOWTEST_H
#define TIDEWAVE_HUBWINDOWTEST_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/event.h>

#include "DataCenterLinux.h"
#include "NetworkWindowFactory.h"
#include "ProfileManagerView.h"
#include "UserNotices.h"
#include "WindowTestSupport.h"

class NetworkManagerDlg;
class ProfileManagementControl;
class ScanNetworkDlg;

// Stands in for the profile manager window: records what other windows ask.
class FakeProfileManager : public wxEvtHandler, public ProfileManagerView {
public:
    bool open = false;
    int shown = 0;
    std::vector<ProfileList_t> added;
    void RefreshProfile() override {}
    bool IsOpen() override { return open; }
    void ShowManager() override { ++shown; open = true; }
    void AddProfile(const ProfileList_t& profile) override { added.push_back(profile); }
    bool IsNameTaken(const wxString&, const wxString&) override { return false; }
};

// The application's factory with a stand-in profile manager and, when a
// test wants one, a stand-in profile editor.
class TestWindowFactory : public NetworkWindowFactory {
public:
    FakeProfileManager manager;
    bool withEditor = false;
    // Returns true to confirm; may change the profile.
    std::function<bool(wxWindow*, ProfileList_t&)> editor;
    int editorRuns = 0;
    bool controllerBeforeWindows = false;
    // Stand-ins for the mesh dialogs, titled "Mesh Configuration" and
    // "Mesh Neighbors".
    bool withMesh = false;

    MainWindow CreateNetworkManagerDlg() override;
    ScanWindow CreateScanNetworkDlg() override;
    ProfileManager CreateProfileManagerDlg() override;
    bool HasProfileEditor() const override { return withEditor; }
    bool EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) override;
    bool HasMeshWindows() const override { return withMesh; }
    wxDialog* CreateMeshConfigurationDlg() override;
    wxDialog* CreateViewMeshNeighborsDlg() override;
};

// A hub whose scan thread can be made to fail.
class TestHub : public DataCenterLinux {
public:
    bool failScanThread = false;
    int StartScan() override;
};

// Notices answered No, counted.
class QuietNotices : public UserNotices {
public:
    int shown = 0;
    int askedWireless = 0;
    bool AskSwitchToWireless() override { ++shown; ++askedWireless; return false; }
    bool AskSwitchToWired() override { ++shown; return false; }
    void ShowAdapterSwitchedBalloon() override { ++shown; }
    void ShowSwitchedToWiredBalloon() override { ++shown; }
    bool AskCloseFirefox() override { return false; }
};

// The hub over the simulated laptop with the real windows, made through the
// factory; a settings root of its own and the built pictures.
class HubWindowTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    NetworkManagerDlg* Main();
    ScanNetworkDlg* Scan();
    ProfileManagementControl* Control();
    // An administrator profile file: open, WPA-PSK with a key, or WEP with
    // a key and its index.
    static void AddProfile(const std::string& name, const std::string& type, const std::string& ssid = "",
                           const std::string& key = "", const std::string& wepIndex = "");
    // Turns the wireless adapter on, shows the scan window and waits for
    // its list.
    void ShowScanWindow(int expectedRows = 9);
    // The row (and slot) of a network by its name in the list.
    long RowOf(const wxString& name);
    void SelectRow(long row);
    // Drives a connection of the scan window to its end: success once the
    // address is there, or failure after the allocation ticks.
    void FinishConnection(bool expectSuccess);
    bool CalledPlatform(const std::string& call);

    QuietNotices notices;
    TestWindowFactory factory;
    std::unique_ptr<TestHub> hub;
};

#endif
