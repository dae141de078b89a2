#include <chrono>
#include <cstring>
#include <iterator>
#include <string>
#include <thread>

#include <wx/app.h>
#include <wx/taskbar.h>

#include "ApStatusUtil.h"
#include "LinkSampler.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "TWMPopupMenu.h"
#include "TWMTaskTray.h"
#include "TaskBarBalloon.h"
#include "TrayTestSupport.h"
#include "sim/SimControl.h"

namespace {

bool HasWirelessAddress(const char* address) {
    char ip[RVL_TEXT_BUFFER] = {};
    return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, address) == 0;
}

std::string Label(wxWindow* balloon, const char* name) {
    wxWindow* child = wxWindow::FindWindowByName(name, balloon);
    return child != nullptr ? std::string(child->GetLabel().utf8_str()) : std::string();
}

// The wireless success balloon on show: "speed, signal, name"; empty when none shows.
std::string ShownBalloon(TWMTaskTray* tray) {
    TaskBarBalloon* b = tray->GetWirelessBalloon();
    if (b == nullptr || !b->IsShown())
        return std::string();
    return Label(b, "ID_STATICTEXT_SPEED") + ", " + Label(b, "ID_STATICTEXT_SIGNALQUALITY") + ", " +
           Label(b, "ID_STATICTEXT_STATUS");
}

// The balloon of the access point the laptop is associated with.
std::string BalloonOf(const LaptopLinks& now, const std::string& profile) {
    const char* speed = now.ap.nPhyType == RVL_PHY_80211B   ? "11.0Mbps"
                        : now.ap.nPhyType == RVL_PHY_80211N ? "108.0Mbps"
                                                            : "54.0Mbps";
    return speed + (", " + std::to_string(now.ap.nSignalQuality)) + "%, " + profile;
}

// The tooltip's status line and the wireless success balloon, against the
// links the laptop has.
LinkSampler::Judge JudgeTray(TWMTaskTray* tray) {
    const wxString line = tray->GetTooltip().AfterFirst('\n').BeforeFirst('\n');
    const std::string balloon = ShownBalloon(tray);
    return [=](const LaptopLinks& now) {
        std::string wrong;
        if (line.StartsWith("Connected")) {
            const bool held =
                (line == "Connected" && (now.WiredLink() || now.WirelessLink())) ||
                (now.WiredLink() && line == "Connected - Wired LAN - " + now.wiredType) ||
                (now.WirelessLink() &&
                 line == wxString::Format("Connected - %s - %u%%", now.WirelessType(), now.ap.nSignalQuality));
            if (!held)
                wrong = "the tooltip reads \"" + std::string(line.utf8_str()) + "\"";
        }
        if (!balloon.empty() && !(now.WirelessLink() && balloon.rfind(BalloonOf(now, ""), 0) == 0))
            wrong += (wrong.empty() ? "" : ", ") + ("the balloon shows \"" + balloon + "\"");
        return wrong;
    };
}

size_t CurrentApReads() {
    size_t n = 0;
    for (const std::string& call : SimControl::CallLog())
        n += call.rfind("RVL_GetCurrentAP(", 0) == 0 ? 1 : 0;
    return n;
}

// Waits, without running the event loop, for the hub's reader to read the
// association once more than `reads` times in all.
void WaitForRead(size_t reads) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (CurrentApReads() == reads && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_GT(CurrentApReads(), reads) << "the hub never read the association";
}

// The allocation tick that finds the address, and the read of the
// association it asks for.  When `readFails`, that read fails, as a busy
// library's may, and the association is read at the next request.
void AllocationTick(DataCenterLinux& hub, bool readFails) {
    const size_t reads = CurrentApReads();
    if (readFails)
        SimControl::FailNextCall("RVL_GetCurrentAP", 1);
    hub.OnAllocatorTimer();
    WaitForRead(reads);
}

// Status checks, as many as it takes for one to find the association.  The
// read that check asks for is held back (it fails, as a busy library's may),
// so that the status it shows is the one of an association not read yet.
void CheckFindingTheAssociationUnread(DataCenterLinux& hub) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        const size_t reads = CurrentApReads();
        SimControl::FailNextCall("RVL_GetCurrentAP", 1);
        hub.OnStatusTimer();
        if (hub.GetNetworkMode() == NETMODE_WIRELESS_CONNECTED) {
            WaitForRead(reads);
            return;
        }
        APStatus ap;
        RVL_GetCurrentAP(&ap);  // a check without a link asks for no read: the failure is taken back
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no check found the association";
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The running apply has ended and the tray has its result.
bool ApplyOver(ProfileManagementControl* control) { return !control->IsApplying() && !wxTheApp->HasPendingEvents(); }

}  // namespace

TEST_F(TrayTest, TypeSpeedAndSignalAreTheAssociationsAsReadFromTheLaptop) {
    AddProfile("Classroom 101", "1", "wireless", "1", "Classroom-101", "lantern-wpa-key");  // 802.11n, 92 %
    AddProfile("Guest", "2", "wireless", "1", "Guest-Open");                               // 802.11b, 41 %
    AddProfile("Classroom 102", "3", "wireless", "1", "Classroom-102", "lantern-wpa-key-2");  // 802.11n, 78 %
    SimControl::SetDelays(0, 0, 800);  // the address comes well after the association
    StartTray();  // applies Classroom 101, from the wire
    LinkSampler sampler([&] { return JudgeTray(Tray()); });
    const struct {
        const char* profile;
        const char* address;
        bool checkBeforeTheAddress;
        bool firstReadFails;
    } applies[] = {
        {"Classroom 101", "10.20.1.57", false, true},
        {"Guest", "10.20.6.57", true, false},
        {"Classroom 102", "10.20.2.57", false, true},
    };
    for (size_t i = 0; i < std::size(applies); ++i) {
        const auto& a = applies[i];
        SCOPED_TRACE(a.profile);
        if (i > 0) {
            // The last apply's balloon, once nothing is left to show it
            // again, has had its time.
            ASSERT_TRUE(RunEventLoopUntil([] { return !wxTheApp->HasPendingEvents(); }));
            wxTimerEvent closeTick(*Tray()->GetBalloonTimer());
            Tray()->OnTimerTick(closeTick);
            TWMPopupMenu menu;
            ASSERT_EQ(menu.GetProfiles().at(i).name, a.profile);
            wxCommandEvent pick(wxEVT_MENU, TWMPopupMenu::ProfileItemId(i));
            menu.ProcessEvent(pick);
            ASSERT_TRUE(RunEventLoopUntil([&] { return Control()->IsApplying(); }));
        }
        Control()->PrepareTick();
        sampler.Sample("the adapter switch asked for");
        ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
        if (a.checkBeforeTheAddress) {
            ASSERT_NO_FATAL_FAILURE(CheckFindingTheAssociationUnread(*hub));
            sampler.Sample("a check before the address");
        }
        ASSERT_TRUE(RunEventLoopUntil([&] { return HasWirelessAddress(a.address); }));
        ASSERT_NO_FATAL_FAILURE(AllocationTick(*hub, a.firstReadFails));
        ASSERT_TRUE(RunEventLoopUntil([&] { return ApplyOver(Control()); }));
        sampler.Sample("the apply ended");
        if (a.firstReadFails) {
            wxTaskBarIconEvent move(wxEVT_TASKBAR_MOVE, Tray());
            Tray()->OnMouseMove(move);
            sampler.Sample("the pointer over the icon");
            hub->OnStatusTimer();  // asks for the read again
            sampler.Sample("the next check");
        }
        ASSERT_TRUE(RunEventLoopUntil([&] { return ShownBalloon(Tray()) == BalloonOf(LaptopLinks::Read(), a.profile); }))
            << "the balloon shows \"" << ShownBalloon(Tray()) << "\"; " << LaptopLinks::Read().Describe();
        sampler.Sample("the success balloon");
    }
    EXPECT_GT(sampler.Samples(), 10);
    EXPECT_EQ(sampler.Faults(), "");
}

TEST_F(TrayTest, ASuccessBalloonWaitingForALinkThatWentIsNotShownForALaterOne) {
    AddProfile("Classroom 101", "1", "wireless", "1", "Classroom-101", "lantern-wpa-key");
    StartTray();
    Control()->PrepareTick();
    ASSERT_TRUE(RunEventLoopUntil([&] { return HasWirelessAddress("10.20.1.57"); }));
    ASSERT_NO_FATAL_FAILURE(AllocationTick(*hub, true));
    ASSERT_TRUE(RunEventLoopUntil([&] { return ApplyOver(Control()); }));
    ASSERT_EQ(ShownBalloon(Tray()), "") << "the association is not read yet";

    // The link goes before its read; a connection the tray has no part in
    // (the scan map's) is read later.
    hub->DisconnectWlan(true);
    APStatus guest = ApStatusUtil::MakeWithSsid("Guest-Open");
    guest.nSecurity = RVL_SECURITY_OPEN;
    ASSERT_EQ(hub->ConnectWlanNetwork(&guest, "", 0, false), HUB_OK);
    ASSERT_TRUE(RunEventLoopUntil([&] { return HasWirelessAddress("10.20.6.57"); }));
    ASSERT_NO_FATAL_FAILURE(AllocationTick(*hub, false));
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetTooltip().Contains("Connected - Wireless LAN - 802.11b"); }))
        << Tray()->GetTooltip();
    EXPECT_EQ(ShownBalloon(Tray()), "");
}
