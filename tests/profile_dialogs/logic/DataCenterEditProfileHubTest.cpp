#include <gtest/gtest.h>

#include "ApStatusUtil.h"
#include "DataCenterEditProfileHub.h"
#include "DataCenterLinux.h"
#include "HubWindowFactory.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerView.h"
#include "ScanResultView.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"

namespace {

class Manager : public ProfileManagerView {
public:
    void RefreshProfile() override {}
    bool IsOpen() override { return false; }
    void ShowManager() override {}
    void AddProfile(const ProfileList_t&) override {}
    bool IsNameTaken(const wxString& name, const wxString& oldName) override {
        return name == "Home" && oldName != "Home";
    }
};

class Scan : public ScanResultView {
public:
    void UI_UpdateAPSatus(int, AccessPointList*) override {}
    void ShowForConnect() override {}
    void CloseIfShown() override {}
    bool PickAccessPoint(APStatus* out) override {
        *out = ApStatusUtil::MakeWithSsid("Room 12");
        return true;
    }
};

class Windows : public HubWindowFactory {
public:
    Manager manager;
    Scan scan;
    wxEvtHandler events;
    MainWindow CreateNetworkManagerDlg() override { return {}; }
    ScanWindow CreateScanNetworkDlg() override {
        ScanWindow w;
        w.events = &events;
        w.view = &scan;
        return w;
    }
    ProfileManager CreateProfileManagerDlg() override {
        ProfileManager w;
        w.events = &events;
        w.view = &manager;
        return w;
    }
    MeshUseOthersInternetDlg* CreateMeshUseOthersInternetDlg() override { return nullptr; }
};

}  // namespace

TEST(DataCenterEditProfileHub, AsksTheHubsWindowsAndStoreOrAllowsWithoutThem) {
    TestEnvironment::ResetFolders();
    DataCenterEditProfileHub edit;
    {
        // A hub whose windows and store were never made.
        DataCenterLinux hub;
        DataCenter::OverrideInstanceForTesting(&hub);
        APStatus ap{};
        EXPECT_FALSE(edit.IsNameTaken("Home", ""));
        EXPECT_FALSE(edit.IsNameStored("Stored"));
        EXPECT_TRUE(edit.CanScanWireless());
        EXPECT_FALSE(edit.HasScanWindow());
        EXPECT_FALSE(edit.PickAccessPoint(&ap));
        EXPECT_EQ(edit.GetCurrentProfileName(), "");
    }
    {
        Windows windows;
        DataCenterLinux hub;
        hub.SetWindowFactory(&windows);
        hub.CreateAll();
        DataCenter::OverrideInstanceForTesting(&hub);
        ProfileManagementControl* store = hub.GetProfileManagementControl();
        ProfileList_t stored;
        stored.name = "Stored";
        stored.GenernalSet.ConnecType = "lan";
        ASSERT_TRUE(TWMUtil::MakeFolder(store->AdminDir(), 0755));
        ASSERT_TRUE(store->WriteProfileTo(stored, TWMUtil::StdStringToWxString(store->AdminDir())));
        EXPECT_TRUE(edit.IsNameTaken("Home", ""));
        EXPECT_FALSE(edit.IsNameTaken("Home", "Home"));
        EXPECT_TRUE(edit.IsNameStored("Stored"));  // read afresh, never loaded before
        EXPECT_FALSE(edit.IsNameStored("stored"));
        APStatus ap{};
        EXPECT_TRUE(edit.HasScanWindow());
        ASSERT_TRUE(edit.PickAccessPoint(&ap));
        EXPECT_EQ(ApStatusUtil::SsidBytes(ap), "Room 12");
    }
    DataCenter::OverrideInstanceForTesting(nullptr);
}
