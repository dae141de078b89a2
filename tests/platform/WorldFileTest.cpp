#include <cstdio>
#include <mutex>
#include <vector>

#include "SimTestFixture.h"
#include "TestTree.h"
#include "sim/WorldReader.h"

namespace {

std::mutex g_mutex;
std::vector<std::pair<char, int>> g_calls;  // 'L' lan, 'W' wlan, 'D' down

void OnLan(int* v) { std::lock_guard<std::mutex> l(g_mutex); g_calls.push_back({'L', *v}); }
void OnWlan(int* v) { std::lock_guard<std::mutex> l(g_mutex); g_calls.push_back({'W', *v}); }
void OnDown(int* v) { std::lock_guard<std::mutex> l(g_mutex); g_calls.push_back({'D', *v}); }

// A callback that calls back into the library, as the hub's does.
void OnDownDispatch(int* v) {
    OnDown(v);
    RVL_DispatchDisableEvent(*v != 0 ? RVL_ADAPTER_WIRELESS : RVL_ADAPTER_WIRED);
}

const char* kWorld = R"(<world>
  <wired link="%d" connectType="1000Mbps - Full Duplex" dhcpAddress="192.168.1.5"/>
  <wireless up="1"/>
  <accessPoint ssid="Room-A" bssid="02:00:00:00:00:01" security="wpa-psk" key="secret-a" dhcpAddress="10.1.1.5"/>
  %s
</world>)";

std::string WorldText(int link, bool withRoomB) {
    const char* roomB = withRoomB
        ? R"(<accessPoint ssid="Room-B" bssid="02:00:00:00:00:02" security="open" dhcpAddress="10.1.2.5"/>)"
        : "";
    char text[1024];
    std::snprintf(text, sizeof text, kWorld, link, roomB);
    return text;
}

class WorldFileTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        path = tree / "world.xml";
        TestTree::WriteFile(path, WorldText(1, true));
        ASSERT_TRUE(SimControl::ResetToWorldFile(path));
        SimControl::SetDelays(0, 0, 0);
        RVL_RegisterLanChangedCallback(OnLan);
        RVL_RegisterWLanChangedCallback(OnWlan);
        RVL_RegisterDownInterfaceCallback(OnDown);
        Take();
    }
    void TearDown() override {
        RVL_RegisterLanChangedCallback(nullptr);
        RVL_RegisterWLanChangedCallback(nullptr);
        RVL_RegisterDownInterfaceCallback(nullptr);
    }

    // Replaces the world file as an editor would: new file, then rename.
    void Edit(const std::string& text) {
        TestTree::WriteFile(path + ".new", text);
        ASSERT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0);
    }

    static std::vector<std::pair<char, int>> Take() {
        EXPECT_TRUE(SimControl::WaitForCallbacks(3000));
        std::lock_guard<std::mutex> l(g_mutex);
        std::vector<std::pair<char, int>> calls;
        calls.swap(g_calls);
        return calls;
    }

    TestTree tree;
    std::string path;
};

using Calls = std::vector<std::pair<char, int>>;

TEST_F(WorldFileTest, PulledCableIsSeenByTheLibraryThreadAndReported) {
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "192.168.1.5");
    Edit(WorldText(0, true));
    // The library's own thread notices the change without being asked.
    ASSERT_TRUE(WaitFor([] {
        std::lock_guard<std::mutex> l(g_mutex);
        return g_calls.size() >= 2;
    }));
    // The lost carrier also reports the wired interface as gone down.
    EXPECT_EQ(Take(), (Calls{{'L', 0}, {'D', 0}}));
    int linked = 1, connected = 1;
    EXPECT_EQ(RVL_GetLANStatus(&linked), 0);
    EXPECT_EQ(linked, 0);
    EXPECT_EQ(RVL_IsExistConnectAdapter(RVL_ADAPTER_WIRED, &connected), 0);
    EXPECT_EQ(connected, 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "127.0.0.1");

    Edit(WorldText(1, true));
    SimControl::CheckWorldFileNow();  // the library thread may have been first
    EXPECT_EQ(Take(), (Calls{{'L', 1}}));
}

TEST_F(WorldFileTest, FileWrittenInPlaceIsSeenByTheLibraryThread) {
    TestTree::WriteFile(path, WorldText(0, true));
    ASSERT_TRUE(WaitFor([] {
        std::lock_guard<std::mutex> l(g_mutex);
        return g_calls.size() >= 2;
    }));
    EXPECT_EQ(Take(), (Calls{{'L', 0}, {'D', 0}}));
}

TEST_F(WorldFileTest, AccessPointSwitchedOffWhileAssociatedDropsTheAssociation) {
    ASSERT_EQ(Connect("Room-B", RVL_SECURITY_OPEN, ""), 0);
    EXPECT_EQ(Take(), (Calls{{'W', 1}}));
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "10.1.2.5");

    Edit(WorldText(1, false));
    SimControl::CheckWorldFileNow();  // the library thread may have been first
    EXPECT_EQ(Take(), (Calls{{'W', 0}}));
    int associated = 1;
    RVL_GetWirelessStatus(&associated);
    EXPECT_EQ(associated, 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");
}

TEST_F(WorldFileTest, ReReadKeepsAssociationAndAdapterStateDoneThroughTheLibrary) {
    ASSERT_EQ(Connect("Room-A", RVL_SECURITY_WPA_PSK, "secret-a"), 0);
    ASSERT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRED), 0);
    Take();
    Edit(WorldText(1, false));  // Room-B goes, Room-A stays
    SimControl::CheckWorldFileNow();  // the library thread may have been first
    EXPECT_EQ(Take(), (Calls{{'W', 1}}));
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "10.1.1.5");
    int up = 1;
    RVL_IsExistUpAdapter(RVL_ADAPTER_WIRED, &up);
    EXPECT_EQ(up, 0);
}

TEST_F(WorldFileTest, FaultyFileIsRefusedAndTheWorldStays) {
    Edit("<world><accessPoint ssid=\"broken\"");
    EXPECT_FALSE(SimControl::CheckWorldFileNow());
    EXPECT_NE(SimControl::LastWorldError(), "");
    EXPECT_EQ(SimControl::World().accessPoints.size(), 2u);
    EXPECT_EQ(Take(), Calls{});
    Edit(WorldText(1, false));
    SimControl::CheckWorldFileNow();  // the library thread may have been first
    EXPECT_EQ(SimControl::World().accessPoints.size(), 1u);
}

TEST_F(WorldFileTest, AdapterDownIsReportedAndACallbackMayCallTheLibrary) {
    RVL_RegisterDownInterfaceCallback(OnDownDispatch);
    ASSERT_EQ(Connect("Room-A", RVL_SECURITY_WPA_PSK, "secret-a"), 0);
    Take();
    ASSERT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRELESS), 0);
    EXPECT_EQ(Take(), (Calls{{'W', 0}, {'D', 1}}));
    ASSERT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRED), 0);
    EXPECT_EQ(Take(), (Calls{{'L', 0}, {'D', 0}}));
}

TEST(WorldReaderTest, FaultsAreRefusedWithAMessage) {
    const char* bad[] = {
        "<world>",
        "<planet/>",
        "<world><accessPoint ssid=\"123456789012345678901234567890123\"/></world>",
        "<world><accessPoint ssid=\"a\" bssid=\"00:11:22:33:44\"/></world>",
        "<world><accessPoint ssid=\"a\" bssid=\"00:11:22:33:44:GG\"/></world>",
        "<world><accessPoint ssid=\"a\" ssidHex=\"61\"/></world>",
        "<world><accessPoint ssid=\"a\" signal=\"101\"/></world>",
        "<world><accessPoint ssid=\"a\" channel=\"6x\"/></world>",
        "<world><accessPoint ssid=\"a\" dhcpAddress=\"10.0.0.256\"/></world>",
        "<world><wired up=\"yes\"/></world>",
        "<world><router/></world>",
        "<world><wired/><wired/></world>",
        "<world scanDelayMs=\"-5\"/>",
        "<world><mesh channel=\"15\"/></world>",
    };
    for (const char* xml : bad) {
        SimWorld w;
        w.scanDelayMs = 77;
        std::string error;
        EXPECT_FALSE(WorldReader::Parse(xml, w, error)) << xml;
        EXPECT_FALSE(error.empty()) << xml;
        EXPECT_EQ(w.scanDelayMs, 77) << xml;
    }
}

TEST(WorldReaderTest, ReadsRawSsidBytesAndMissingAdaptersAsAbsent) {
    SimWorld w;
    std::string error;
    ASSERT_TRUE(WorldReader::Parse(
        "<world><accessPoint ssidHex=\"00ff41\" bssid=\"0A:0b:0c:0d:0e:0f\" phy=\"n\" security=\"wep\" "
        "keyIndex=\"3\"/></world>", w, error)) << error;
    ASSERT_EQ(w.accessPoints.size(), 1u);
    EXPECT_EQ(w.accessPoints[0].ssid, std::string("\0\xff" "A", 3));
    EXPECT_EQ(w.accessPoints[0].bssid[0], 0x0A);
    EXPECT_EQ(w.accessPoints[0].phy, static_cast<uint32_t>(RVL_PHY_80211N));
    EXPECT_EQ(w.accessPoints[0].security, static_cast<uint32_t>(RVL_SECURITY_WEP));
    EXPECT_FALSE(w.wired.present);
    EXPECT_FALSE(w.wireless.present);
}

}  // namespace
