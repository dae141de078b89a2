#ifndef TIDEWAVE_MANAGERTESTSUPPORT_H
#define TIDEWAVE_MANAGERTESTSUPPORT_H

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "EditProfileHub.h"
#include "ProfileManagerHub.h"
#include "ProfileManagerView.h"
#include "ProfileList.h"
#include "ProfileManagementControl.h"
#include "ScanResultView.h"

class wxMenuItem;
class ProfileManagerDlg;

// The hub as the profile manager and the wizard see it: a real store over
// the test's temporary root, and policy, network mode, scan window and
// manager as the test sets them.
class TestDialogsHub : public ProfileManagerHub, public EditProfileHub {
public:
    std::unique_ptr<ProfileManagementControl> store;
    bool maintain = true;
    bool scan = true;
    int mode = 0;
    ScanResultView* scanWindow = nullptr;
    ProfileManagerView* manager = nullptr;

    ProfileManagementControl* Store() override { return store.get(); }
    bool CanMaintainProfiles() override { return maintain; }
    void CloseScanWindow() override {
        if (scanWindow != nullptr)
            scanWindow->CloseIfShown();
    }

    int GetNetworkMode() override { return mode; }
    wxString GetCurrentProfileName() override { return store->GetCurrentProfileName(); }
    bool CanScanWireless() override { return scan; }
    bool IsNameTaken(const wxString& name, const wxString& oldName) override {
        return manager != nullptr && manager->IsNameTaken(name, oldName);
    }
    bool IsNameStored(const wxString&) override { return false; }
    bool HasScanWindow() override { return scanWindow != nullptr; }
    bool PickAccessPoint(APStatus* out) override { return scanWindow != nullptr && scanWindow->PickAccessPoint(out); }
};

// A scan window that hands over a given access point, and records its use.
class PickingScanWindow : public ScanResultView {
public:
    APStatus ap{};
    bool answer = true;
    int closed = 0;
    int picks = 0;
    void UI_UpdateAPSatus(int, AccessPointList*) override {}
    void ShowForConnect() override {}
    void CloseIfShown() override { ++closed; }
    bool PickAccessPoint(APStatus* out) override {
        ++picks;
        if (answer)
            *out = ap;
        return answer;
    }
};

// Fixture of the profile manager and wizard tests: a fresh root and home,
// an ordinary user, the pictures of the build, the test hub installed.
class ProfileDialogsTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A profile file in one of the store's folders.
    static ProfileList_t Profile(const std::string& name, const std::string& permission = "user",
                                 const std::string& priority = "1");
    static void Place(const std::string& folder, const ProfileList_t& profile);
    static bool Stored(const std::string& folder, const std::string& name);

    // The manager window, made once per test and really destroyed after it.
    ProfileManagerDlg* Manager();

    TestDialogsHub hub;
    ProfileManagerDlg* m_manager = nullptr;
};

// The manager's controls.
wxMenuItem* MenuItem(ProfileManagerDlg* manager, const wxString& label);
wxWindow* MoveButton(ProfileManagerDlg* manager, bool up);
std::vector<std::string> Names(ProfileManagerDlg* manager);
// What a measure of the whole `name` gives in the name column of the
// manager's `list` as wide as it is now: the list draws a name 4 pixels in
// from each side of its cell, after the profile's icon and 5 pixels.
wxString MeasuredNameCell(wxWindow* list, const wxString& name);
// The next modal dialog whose text holds `text`, answered with `answer`
// after `during` ran (while the question is up).
void ExpectQuestion(const wxString& text, int answer, const std::function<void()>& during = nullptr);

#endif
