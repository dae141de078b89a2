#include <cstdio>
#include <cstring>
#include <map>

#include <wx/stattext.h>

#include "GaugeDialog.h"
#include "LayoutWalker.h"
#include "LinkSampler.h"
#include "LongValues.h"
#include "MainWindowTest.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "ReceiveFolder.h"
#include "SettingsArchives.h"
#include "SettingsRepublisher.h"
#include "TWMApp.h"
#include "TWMPopupMenu.h"
#include "sim/SimControl.h"

namespace {

// Whether the laptop holds this address on its wireless link.
bool HasWirelessAddress(const char* address) {
    char ip[RVL_TEXT_BUFFER] = {};
    return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, address) == 0;
}

bool Associated() {
    APStatus ap;
    return RVL_GetCurrentAP(&ap) == 0;
}

}  // namespace

TEST_F(MainWindowTest, NoSampleOfAnApplyShowsALinkOrAValueTheLaptopHasNot) {
    AddProfile("School LAN", "lan");
    AddProfile("Classroom 101", "wireless", "Classroom-101", "lantern-wpa-key");
    AddProfile("Classroom 102", "wireless", "Classroom-102", "lantern-wpa-key-2");
    AddProfile("Library", "wireless", "Library-WEP", "1234567890", "1");
    const std::map<wxString, std::string> networks = {{"School LAN", ""},
                                                      {"Classroom 101", "Classroom-101"},
                                                      {"Classroom 102", "Classroom-102"},
                                                      {"Library", "Library-WEP"}};
    Main()->Show();
    ConnectWired("School LAN");

    // The applies as the tray menu's pick or Connect starts them, each
    // sampled from its start to its end, with a status check falling while
    // the new network is being joined or before its address came.
    SimControl::SetDelays(0, 400, 800);
    LinkSampler sampler([&] { return JudgeMainWindow(Main(), networks); });
    enum Check { NONE, WHILE_ASSOCIATING, BEFORE_THE_ADDRESS };
    const struct {
        const char* profile;
        bool fromTray;
        Check check;
        const char* address;
        const char* type;
    } applies[] = {
        // Wired to wireless, wireless to wireless twice, and back to wired.
        {"Classroom 101", true, BEFORE_THE_ADDRESS, "10.20.1.57", "Wireless LAN - 802.11n - 108Mbps"},
        {"Library", true, WHILE_ASSOCIATING, "10.20.3.57", "Wireless LAN - 802.11g - 54Mbps"},
        {"Classroom 102", false, BEFORE_THE_ADDRESS, "10.20.2.57", "Wireless LAN - 802.11n - 108Mbps"},
        {"School LAN", false, NONE, "192.168.10.57", "Wired LAN - 100Mbps Full"},
    };
    for (const auto& a : applies) {
        SCOPED_TRACE(a.profile);
        SimControl::ClearCallLog();
        if (a.fromTray) {
            std::vector<ProfileList_t> list;
            ASSERT_TRUE(Control()->GetProfileList(list, true, true));
            for (const ProfileList_t& p : list) {
                if (p.name == a.profile)
                    TWMPopupMenu::ConnectProfile(p);
            }
            Control()->PrepareTick();
        } else {
            StartApply(a.profile);
        }
        sampler.Sample("the adapter switch asked for");
        const bool wired = networks.at(a.profile).empty();
        if (wired) {
            ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_UpAdapter(1)"); }));
            sampler.Sample("the adapters switched");
            Control()->WiredPollTick();
        } else {
            ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
            sampler.Sample("the association asked for");
            if (a.check == WHILE_ASSOCIATING) {
                hub->OnStatusTimer();
                sampler.Sample("a check while associating");
            }
            ASSERT_TRUE(RunEventLoopUntil([] { return Associated(); }));
            sampler.Sample("associated");
            if (a.check == BEFORE_THE_ADDRESS) {
                hub->OnStatusTimer();
                sampler.Sample("a check before the address");
            }
            ASSERT_TRUE(RunEventLoopUntil([&] { return HasWirelessAddress(a.address); }));
            hub->OnAllocatorTimer();
        }
        if (!a.fromTray) {
            EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT")) << "usable only once the apply has ended";
        }
        // The end: the profile's own network with its type (and the address
        // a wireless apply waits for; a wired one's may come later).
        ASSERT_TRUE(RunEventLoopUntil([&] {
            return !Main()->IsApplyingProfile() && Label("ID_STCCURRENTPROF") == a.profile &&
                   (wired || Label("ID_STCIPADDR") == a.address) && Label("ID_STCTYPE") == a.type;
        })) << Label("ID_STCCURRENTPROF") << " " << Label("ID_STCIPADDR") << " " << Label("ID_STCTYPE");
        sampler.Sample("the apply ended");
    }
    EXPECT_GT(sampler.Samples(), 30);
    EXPECT_EQ(sampler.Faults(), "");
}

TEST_F(MainWindowTest, DuringAnApplyNoCheckNamesTheProfileWhoseLinkItTookDown) {
    AddProfile("School LAN", "lan");
    AddProfile("Classroom 101", "wireless", "Classroom-101", "lantern-wpa-key");
    AddProfile("Classroom 102", "wireless", "Classroom-102", "lantern-wpa-key-2");
    Main()->Show();
    wxWindow* label = wxWindow::FindWindowByName("ID_STCCURRENTPROF", Main());
    ConnectWired("School LAN");
    ASSERT_EQ(Label("ID_STCCURRENTPROF"), "School LAN");

    // Each apply takes the link of the profile before it down; the checks
    // while it waits, first for the association and then for the address,
    // name neither that profile nor a network not joined yet.
    SimControl::SetDelays(0, 500, 50);
    const struct {
        const char* profile;
        const char* network;
        const char* address;
        const char* left;
    } applies[] = {
        {"Classroom 101", "Classroom-101", "10.20.1.57", "School LAN"},  // wired to wireless
        {"Classroom 102", "Classroom-102", "10.20.2.57", "Classroom 101"},  // wireless to wireless
    };
    for (const auto& a : applies) {
        SCOPED_TRACE(a.profile);
        StartApply(a.profile);
        ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
        hub->OnStatusTimer();
        EXPECT_EQ(hub->GetNetworkMode(), NETMODE_WIRELESS_NOLINK) << "still associating";
        EXPECT_EQ(Label("ID_STCCURRENTPROF"), "");
        EXPECT_EQ(label->GetToolTipText(), "");

        ASSERT_TRUE(RunEventLoopUntil([&] { return HasWirelessAddress(a.address); }));
        hub->OnStatusTimer();
        ASSERT_EQ(Label("ID_STCIPADDR"), a.address);
        EXPECT_TRUE(Main()->IsApplyingProfile()) << "the apply still waits for its allocation tick";
        EXPECT_EQ(Label("ID_STCCURRENTPROF"), a.network) << "the network joined, not " << a.left;

        hub->OnAllocatorTimer();
        ASSERT_TRUE(RunEventLoopUntil([&] { return !Main()->IsApplyingProfile(); }));
        hub->OnStatusTimer();
        EXPECT_EQ(Label("ID_STCCURRENTPROF"), a.profile);
    }
}

TEST_F(MainWindowTest, TheBusyTextKeepsItsWordsWholeAndCutsALongNameInItsMiddle) {
    Main()->Show();
    GaugeDialog* notice = Main()->GetGauge();
    auto* line = static_cast<wxStaticText*>(wxWindow::FindWindowByName("ID_STATICTEXT_LABEL", notice));
    const wxRect bar = wxWindow::FindWindowByName("ID_GAUGE", notice)->GetRect();
    const wxString before = "Applying profile ", after = "...";
    for (const wxString& name : {wxString::FromUTF8(LongValues::kProfileName),
                                 wxString::FromUTF8(LongValues::kProfileNameTwoByte),
                                 wxString("Riverside Primary Staff Wing 101"),
                                 wxString("WWWWWWWWWWWWWWWW WWWWWWWWWWWWWWW")}) {
        Main()->ShowApplyingProfile(name, true);  // as the tray menu's pick does
        RunEventLoopFor(50);
        const wxString shown = line->GetLabelText();
        SCOPED_TRACE(std::string(shown.utf8_str()));
        EXPECT_EQ(line->GetToolTipText(), before + name + after);
        ASSERT_TRUE(shown.StartsWith(before) && shown.EndsWith(after));
        const wxString cut = shown.Mid(before.length(), shown.length() - before.length() - after.length());
        const wxString head = cut.BeforeFirst(L'\u2026'), tail = cut.AfterFirst(L'\u2026');
        EXPECT_EQ(head.length() + 1 + tail.length(), cut.length()) << "one cut";
        EXPECT_TRUE(!head.empty() && name.StartsWith(head));
        EXPECT_TRUE(!tail.empty() && name.EndsWith(tail));
        EXPECT_LE(line->GetRect().GetRight(), bar.GetRight());
        for (const std::string& finding : LayoutWalker::Check(notice))
            ADD_FAILURE() << finding;
    }
    Main()->ShowApplyingProfile("Classroom 101", true);
    EXPECT_EQ(line->GetLabelText(), "Applying profile Classroom 101...");
    EXPECT_EQ(line->GetToolTipText(), "") << "nothing cut";
}

TEST_F(MainWindowTest, AfterADeployedImportTheSwitcherShowsTheProfileInForce) {
    AddProfile("School LAN", "lan");
    AddProfile("Classroom 101", "wireless", "Classroom-101", "lantern-wpa-key");
    AddProfile("Library", "lan");  // a profile the archive brings
    const std::string libraryPath = SystemPaths::AdminDir() + "/Library.profile";
    const std::string libraryFile = TestTree::ReadFile(libraryPath);
    std::remove(libraryPath.c_str());
    SettingsArchives archives;
    // An archive received from the teacher's machine, imported and followed
    // by the application's refresh, as after a delivery.
    auto deliver = [&](const std::string& name) {
        const wxString archive =
            archives.Make(name, {{"sslservercert.pem", archives.ServerCert()}, {"Library.profile", libraryFile}});
        ASSERT_TRUE(ReceiveFolder::Make());
        TestTree::WriteFile(ReceiveFolder::ArchivePath(), TestTree::ReadFile(std::string(archive.utf8_str())));
        SettingsRepublisher::Hooks hooks = wxGetApp().RepublishHooks();
        hooks.runOnGuiThread = nullptr;  // this is the GUI thread
        SettingsRepublisher(hooks).Republish();
        ASSERT_NE(Switcher()->FindString("Library", true), wxNOT_FOUND) << "imported";
    };
    Main()->Show();
    ConnectWired("School LAN");
    deliver("connected.tar");
    EXPECT_EQ(Switcher()->GetStringSelection(), "School LAN");
    EXPECT_EQ(Label("ID_BTNCTRLCONNECT"), "Disconnect");
    EXPECT_TRUE(Enabled("ID_BTNCTRLCONNECT"));

    // Disconnected: the switcher stays blank and Connect greyed.
    ClickButton(Main(), "ID_BTNCTRLCONNECT");
    ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_DownAdapter(1)"); }));
    RunEventLoopFor(30);
    hub->OnStatusTimer();
    ASSERT_EQ(Control()->GetCurrentProfileName(), "");
    deliver("disconnected.tar");
    EXPECT_EQ(Switcher()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Label("ID_BTNCTRLCONNECT"), "Connect");
    EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT"));
}
