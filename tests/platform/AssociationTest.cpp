#include <algorithm>
#include <vector>

#include "SimTestFixture.h"

namespace {

class AssociationTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_EQ(RVL_UpAdapter(RVL_ADAPTER_WIRELESS), 0);
    }
};

TEST_F(AssociationTest, RightWpaKeyGetsTheAddressOnlyAfterTheDhcpDelay) {
    SimControl::SetDelays(0, 0, 1500);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");
    ASSERT_EQ(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"), 0);

    int associated = 0;
    ASSERT_EQ(RVL_GetWirelessStatus(&associated), 0);
    EXPECT_EQ(associated, 1);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");
    EXPECT_TRUE(WaitFor([] { return Address(RVL_ADAPTER_WIRELESS) == "10.20.1.57"; }));

    APStatus current;
    ASSERT_EQ(RVL_GetCurrentAP(&current), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(current.ucSSID), current.nSSIDLength), "Classroom-101");
    EXPECT_EQ(current.nSecurity, static_cast<uint32_t>(RVL_SECURITY_WPA_PSK));
}

TEST_F(AssociationTest, WrongKeyIndexOrSecurityNeverGetsAnAddress) {
    EXPECT_NE(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "wrong-key"), 0);
    EXPECT_NE(Connect("Classroom-101", RVL_SECURITY_OPEN, ""), 0);
    EXPECT_NE(Connect("Library-WEP", RVL_SECURITY_WEP, "1234567890", 2), 0);
    EXPECT_NE(Connect("No-Such-Network", RVL_SECURITY_OPEN, ""), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    int associated = 1;
    ASSERT_EQ(RVL_GetWirelessStatus(&associated), 0);
    EXPECT_EQ(associated, 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");
    APStatus current;
    EXPECT_NE(RVL_GetCurrentAP(&current), 0);
}

TEST_F(AssociationTest, WepNeedsKeyAndIndexOpenTakesAnyKey) {
    EXPECT_EQ(Connect("Library-WEP", RVL_SECURITY_WEP, "1234567890", 1), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "10.20.3.57");
    // Security values above 3 count as open.
    EXPECT_EQ(Connect("Guest-Open", 100, "whatever"), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "10.20.6.57");
}

TEST_F(AssociationTest, HiddenNetworkJoinsByItsNameAndReportsItWhenCurrent) {
    ASSERT_EQ(Connect("Lab-Hidden", RVL_SECURITY_WPA_PSK, "hidden-lab-key"), 0);
    APStatus current;
    ASSERT_EQ(RVL_GetCurrentAP(&current), 0);
    EXPECT_EQ(current.nSSIDLength, 10u);
}

TEST_F(AssociationTest, DisassociationAndAdapterDownDropTheAddress) {
    ASSERT_EQ(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "10.20.1.57");
    EXPECT_EQ(RVL_CloseWlanConnection(), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");

    ASSERT_EQ(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"), 0);
    EXPECT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRELESS), 0);
    EXPECT_EQ(RVL_DownAdapter(RVL_ADAPTER_WIRELESS), 0);  // down already: still fine
    int up = 1, associated = 1;
    EXPECT_EQ(RVL_IsExistUpAdapter(RVL_ADAPTER_WIRELESS, &up), 0);
    EXPECT_EQ(up, 0);
    EXPECT_EQ(RVL_GetWirelessStatus(&associated), 0);
    EXPECT_EQ(associated, 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRELESS), "127.0.0.1");
    EXPECT_NE(Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"), 0);
}

TEST_F(AssociationTest, DisconnectDuringAnAttemptCancelsIt) {
    SimControl::SetDelays(0, 1000, 0);
    int result = 0;
    std::thread worker([&] { result = Connect("Classroom-101", RVL_SECURITY_WPA_PSK, "lantern-wpa-key"); });
    EXPECT_TRUE(WaitFor([] { return !SimControl::CallLog().empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    RVL_CloseWlanConnection();
    worker.join();
    EXPECT_NE(result, 0);
    int associated = 1;
    RVL_GetWirelessStatus(&associated);
    EXPECT_EQ(associated, 0);
}

TEST_F(AssociationTest, ScanReportsHiddenAndFullLengthSsids) {
    AccessPointList list;
    std::memset(&list, 0xAB, sizeof list);
    ASSERT_EQ(RVL_GetAPList(&list), 0);
    ASSERT_EQ(list.nCount, 9);
    bool sawHidden = false, sawLong = false;
    for (int i = 0; i < list.nCount; ++i) {
        const APStatus& ap = list.list[i];
        ASSERT_LE(ap.nSSIDLength, 32u);
        if (ap.nSSIDLength == 0) {
            sawHidden = true;
            EXPECT_EQ(ap.wszSSID[0], 0);
            EXPECT_EQ(ap.ucSSID[0], 0);
        }
        if (ap.nSSIDLength == 32) {
            sawLong = true;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(ap.ucSSID), 32), "Riverside-Primary-School-Staff01");
            EXPECT_EQ(ap.wszSSID[31], L'1');
        }
        EXPECT_LE(ap.nSignalQuality, 100u);
        EXPECT_EQ(ap.ucReserved[0], 0);
    }
    EXPECT_TRUE(sawHidden);
    EXPECT_TRUE(sawLong);
    // Records past the count are zero.
    const unsigned char* tail = reinterpret_cast<const unsigned char*>(&list.list[list.nCount]);
    EXPECT_EQ(std::count(tail, tail + sizeof(APStatus), 0), static_cast<long>(sizeof(APStatus)));
}

TEST_F(AssociationTest, ScanDecodesUtf8AndKeepsAtMost32Records) {
    SimAccessPoint ap;
    ap.ssid = "Caf\xC3\xA9-\xFF";
    ASSERT_TRUE(SimControl::AddAccessPoint(ap));
    for (int i = 0; i < 40; ++i) {
        SimAccessPoint more;
        more.ssid = "Extra-" + std::to_string(i);
        SimControl::AddAccessPoint(more);
    }
    AccessPointList list;
    ASSERT_EQ(RVL_GetAPList(&list), 0);
    ASSERT_EQ(list.nCount, 32);
    const APStatus& cafe = list.list[9];
    EXPECT_EQ(cafe.nSSIDLength, 7u);
    EXPECT_EQ(std::wstring(cafe.wszSSID), std::wstring(L"Caf\u00e9-\ufffd"));
}

TEST_F(AssociationTest, ScanFailsWithoutOrWithADownAdapter) {
    AccessPointList list;
    RVL_DownAdapter(RVL_ADAPTER_WIRELESS);
    int r = RVL_GetAPList(&list);
    EXPECT_NE(r, 0);
    EXPECT_NE(r, 2);
    EXPECT_EQ(list.nCount, 0);
    SimControl::SetAdapterPresent(RVL_ADAPTER_WIRELESS, false);
    EXPECT_EQ(RVL_GetAPList(&list), 2);
    EXPECT_NE(RVL_UpAdapter(RVL_ADAPTER_WIRELESS), 0);
    char ip[RVL_TEXT_BUFFER];
    EXPECT_NE(RVL_GetIPAddressHLAN(RVL_ADAPTER_WIRELESS, ip), 0);
    EXPECT_EQ(ip[0], '\0');
}

}  // namespace
