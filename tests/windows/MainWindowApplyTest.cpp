#include <cstring>

#include "MainWindowTest.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "sim/SimControl.h"

namespace {

// Whether the laptop holds this address on its wireless link.
bool HasWirelessAddress(const char* address) {
    char ip[RVL_TEXT_BUFFER] = {};
    return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, address) == 0;
}

}  // namespace

TEST_F(MainWindowTest, DuringAnApplyNoCheckNamesTheProfileWhoseLinkItTookDown) {
    AddProfile("School LAN", "lan");
    AddProfile("Classroom 101", "wireless", "Classroom-101", "lantern-wpa-key");
    AddProfile("Classroom 102", "wireless", "Classroom-102", "lantern-wpa-key-2");
    Main()->Show();
    wxWindow* label = wxWindow::FindWindowByName("ID_STCCURRENTPROF", Main());
    auto apply = [&](const char* name) {
        Pick(Switcher()->FindString(name, true));
        ClickButton(Main(), "ID_BTNCTRLCONNECT");
        Control()->PrepareTick();
    };
    apply("School LAN");
    ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_UpAdapter(1)"); }));
    RunEventLoopFor(30);
    Control()->WiredPollTick();
    ASSERT_TRUE(RunEventLoopUntil([&] { return !Main()->IsApplyingProfile(); }));
    hub->OnStatusTimer();
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
        apply(a.profile);
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
