#ifndef TIDEWAVE_TRAYTESTSUPPORT_H
#define TIDEWAVE_TRAYTESTSUPPORT_H

#include <memory>
#include <string>

#include "DataCenterLinux.h"
#include "GuiTestSupport.h"
#include "ProfileList.h"
#include "UserNotices.h"

class ProfileManagementControl;
class TWMTaskTray;

// Notices that answer No and count what was shown.
class CountingNotices : public UserNotices {
public:
    int questions = 0, notices = 0;
    bool AskSwitchToWireless() override { ++questions; return false; }
    bool AskSwitchToWired() override { ++questions; return false; }
    void ShowAdapterSwitchedBalloon() override { ++notices; }
    void ShowSwitchedToWiredBalloon() override { ++notices; }
    bool AskCloseFirefox() override { return false; }
};

// The tray over a hub of the test's own and the simulated laptop, with the
// built pictures and a settings root of its own.
class TrayTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // An administrator profile file in the settings folder.
    static void AddProfile(const std::string& name, const std::string& priority, const std::string& type,
                           const std::string& show = "1", const std::string& ssid = "",
                           const std::string& key = "");

    TWMTaskTray* Tray();
    ProfileManagementControl* Control();
    // Runs the start-up of the tray as the deferred start does.
    void StartTray();
    // Drives a wired apply through its poll: `ticks` polls.
    void PollWired(int ticks);
    // Drives the running wireless apply to its connection.
    void ConnectWireless(const char* expectedAddress);
    void WaitForSwitch(const std::string& call);

    static wxString TextOf(wxWindow* window, const wxString& name);

    CountingNotices notices;
    std::unique_ptr<DataCenterLinux> hub;
    TWMTaskTray* tray = nullptr;
};

#endif
