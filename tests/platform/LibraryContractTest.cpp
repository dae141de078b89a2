#include <algorithm>
#include <vector>

#include "SimTestFixture.h"

namespace {

using LibraryContractTest = SimTest;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(LibraryContractTest, FailNextCallFailsExactlyOnceAndIsLogged) {
    SimControl::FailNextCall("RVL_UpAdapter", 9);
    EXPECT_EQ(RVL_UpAdapter(RVL_ADAPTER_WIRELESS), 9);
    int up = 1;
    RVL_IsExistUpAdapter(RVL_ADAPTER_WIRELESS, &up);
    EXPECT_EQ(up, 0);  // the failed call did nothing
    EXPECT_EQ(RVL_UpAdapter(RVL_ADAPTER_WIRELESS), 0);

    SimControl::FailNextCall("RVL_GetIPAddressHLAN", 4);
    char ip[RVL_TEXT_BUFFER];
    std::memset(ip, 'x', sizeof ip);
    EXPECT_EQ(RVL_GetIPAddressHLAN(RVL_ADAPTER_WIRED, ip), 4);
    EXPECT_EQ(ip[0], '\0');

    ASSERT_EQ(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"), 0);
    const std::vector<std::string> log = SimControl::CallLog();
    EXPECT_TRUE(Contains(log, "RVL_UpAdapter(2)"));
    EXPECT_TRUE(Contains(log, "RVL_ConnectAP(ssid=\"Classroom-101\", security=2, mode=3, "
                              "key=\"lantern-wpa-key\", keyIndex=0)"));
    SimControl::ClearCallLog();
    EXPECT_TRUE(SimControl::CallLog().empty());
}

TEST_F(LibraryContractTest, TextOutputsAreTerminatedWithinTheirBuffers) {
    char text[RVL_TEXT_BUFFER];
    std::memset(text, 'x', sizeof text);
    ASSERT_EQ(RVL_GetConnectTypeHLAN(text), 0);
    EXPECT_STREQ(text, "100Mbps Full");

    // A 254-byte UTF-8 name comes back whole; in the 33-byte gateway record it
    // is cut at a character boundary.
    char name[RVL_TEXT_BUFFER] = {};
    std::string longName = "a";
    while (longName.size() + 2 <= 254)
        longName += "\xC3\xA9";
    longName += "z";
    std::memcpy(name, longName.data(), longName.size());
    ASSERT_EQ(RVL_SetMeshHostName(name), 0);
    std::memset(name, 'x', sizeof name);
    ASSERT_EQ(RVL_GetMeshHostName(name), 0);
    EXPECT_EQ(std::string(name), longName);

    MeshGatewayInfo info;
    std::memset(&info, 'x', sizeof info);
    ASSERT_EQ(RVL_GetMeshGatewayInfo(&info), 0);
    EXPECT_EQ(std::string(info.hostName), longName.substr(0, 31));
    EXPECT_STREQ(info.ip, "192.168.10.57");
    EXPECT_STREQ(info.dns, "10.20.0.1");
    EXPECT_EQ(info.channel, 6);

    // Input without a NUL in its 256 bytes is refused, not read past.
    std::memset(name, 'a', sizeof name);
    EXPECT_NE(RVL_SetMeshHostName(name), 0);
    EXPECT_NE(RVL_EnableMeshServer(name), 0);
}

TEST_F(LibraryContractTest, MeshSettingsAndNeighbours) {
    MeshNeighborList list;
    std::memset(&list, 0xAB, sizeof list);
    ASSERT_EQ(RVL_ListAllNeighborMPs(&list), 0);
    EXPECT_EQ(list.count, 0);  // mesh off: nobody in reach

    ASSERT_EQ(RVL_TurnOnMesh(1), 0);
    ASSERT_EQ(RVL_ListAllNeighborMPs(&list), 0);
    ASSERT_EQ(list.count, 2);
    EXPECT_STREQ(list.entries[0].HostName, "laptop-12");
    EXPECT_EQ(list.entries[0].Rssi, -48);
    EXPECT_EQ(list.entries[1].Mac[5], 0x15);
    EXPECT_EQ(list.entries[2].HostName[0], 0);

    EXPECT_NE(RVL_SetMeshChannel(0), 0);
    EXPECT_NE(RVL_SetMeshChannel(15), 0);
    ASSERT_EQ(RVL_SetMeshChannel(11), 0);
    int channel = 0;
    ASSERT_EQ(RVL_GetMeshChannel(&channel), 0);
    EXPECT_EQ(channel, 11);

    // Unterminated 33-byte fields are read within their size.
    MeshGatewayInfo client;
    std::memset(&client, 'q', sizeof client);
    EXPECT_EQ(RVL_EnableMeshClient(&client), 0);
    EXPECT_TRUE(Contains(SimControl::CallLog(), "RVL_EnableMeshClient(\"" + std::string(33, 'q') + "\", \"" +
                                                    std::string(33, 'q') + "\", \"" + std::string(33, 'q') +
                                                    "\")"));
    ASSERT_EQ(RVL_TurnOnMesh(0), 0);
    EXPECT_FALSE(SimControl::MeshOn());
}

TEST_F(LibraryContractTest, WiredLinkIsReportedWhileTheAdapterIsDown) {
    ASSERT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRED), 0);
    int linked = 0, connected = 1;
    EXPECT_EQ(RVL_GetLANStatus(&linked), 0);
    EXPECT_EQ(linked, 1);
    EXPECT_EQ(RVL_IsExistConnectAdapter(RVL_ADAPTER_WIRED, &connected), 0);
    EXPECT_EQ(connected, 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "127.0.0.1");
    ASSERT_EQ(RVL_UpAdapter(RVL_ADAPTER_WIRED), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "192.168.10.57");  // DHCP delay is 0 here
    SimControl::SetWiredLink(false);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "127.0.0.1");
}

TEST_F(LibraryContractTest, SharingFlagFollowsTheLastCall) {
    EXPECT_FALSE(SimControl::SharingEnabled());
    RVL_EnableInternetSharing(1);
    EXPECT_TRUE(SimControl::SharingEnabled());
    RVL_EnableInternetSharing(0);
    EXPECT_FALSE(SimControl::SharingEnabled());
}

// Run under the sanitizer build: any race or overrun here is reported.
TEST_F(LibraryContractTest, ManyThreadsAtOnce) {
    SimControl::SetDelays(1, 1, 1);
    RVL_RegisterWLanChangedCallback([](int*) { RVL_SearchAdapter(); });
    std::vector<std::thread> threads;
    for (int t = 0; t < 6; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 60; ++i) {
                char ip[RVL_TEXT_BUFFER];
                int flag = 0;
                AccessPointList list;
                switch ((t + i) % 6) {
                case 0: RVL_GetAPList(&list); break;
                case 1: Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"); break;
                case 2: RVL_GetIPAddressHLAN(2, ip); break;
                case 3: RVL_CloseWlanConnection(); break;
                case 4: RVL_UpAdapter(2); RVL_GetWirelessStatus(&flag); break;
                case 5: SimControl::ModifyAccessPoint("Guest-Open", [i](SimAccessPoint& ap) { ap.signal = i; });
                        SimControl::CheckWorldFileNow();
                        break;
                }
            }
        });
    }
    for (std::thread& th : threads)
        th.join();
    EXPECT_TRUE(SimControl::WaitForCallbacks(3000));
    RVL_RegisterWLanChangedCallback(nullptr);
}

}  // namespace
