#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "MeshConfigurationValidator.h"
#include "MeshGatewayRecord.h"
#include "MeshNeighborRows.h"
#include "sim/SimControl.h"

TEST(MeshGatewayRecord, TextsStayWithinTheirFields) {
    MeshServerEntity server;
    server.SetIPAddress(wxString(40, '1'));
    server.SetDNS(wxString::FromUTF8("\xC3\xA9") + wxString(31, 'd'));  // 33 bytes: the last character goes
    server.SetDNS_back("");
    server.SetHostName("not packed");
    server.SetChannel(9);
    const MeshGatewayInfo info = MeshGatewayRecord::Pack(server);
    EXPECT_EQ(std::string(info.ip), std::string(32, '1'));
    EXPECT_EQ(std::string(info.dns), "\xC3\xA9" + std::string(30, 'd'));
    const MeshGatewayInfo zero = {};
    EXPECT_EQ(std::memcmp(info.dns2, zero.dns2, sizeof zero.dns2), 0);
    EXPECT_EQ(info.channel, 0);
    EXPECT_EQ(std::memcmp(info.hostName, zero.hostName, sizeof zero.hostName), 0);

    MeshGatewayInfo full;
    std::memset(&full, 'x', sizeof full);  // no NUL anywhere
    std::memcpy(full.dns2, "bad\xFF", 5);
    full.channel = 11;
    const MeshServerEntity own = MeshGatewayRecord::Unpack(full);
    EXPECT_EQ(own.GetIPAddress(), wxString(33, 'x'));
    EXPECT_EQ(own.GetHostName(), wxString(33, 'x'));
    EXPECT_EQ(own.GetDNS_back(), "") << "a text that is not UTF-8 is empty";
    EXPECT_EQ(own.GetChannel(), 11);
}

TEST(MeshNeighborRows, StrengthAndMacText) {
    const std::pair<int, int> strengths[] = {{-128, 0}, {-100, 0}, {-99, 2}, {-75, 50}, {-73, 54},
                                             {-51, 98}, {-50, 100}, {0, 100}, {127, 100}};
    for (const auto& s : strengths)
        EXPECT_EQ(MeshNeighborRows::Strength(static_cast<int8_t>(s.first)), s.second) << s.first;
    const uint8_t mac[6] = {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    EXPECT_EQ(MeshNeighborRows::MacText(mac), "00:1b:2c:3d:4e:5f");
}

TEST(MeshNeighborRows, RecordIsReadWithinItsBounds) {
    SimControl::ResetToDefault();
    static MeshNeighborList list;
    std::memset(&list, 0, sizeof list);
    list.count = 200;
    for (auto& e : list.entries) {
        std::memset(e.HostName, 'n', sizeof e.HostName);  // no NUL
        e.Rssi = -70;
    }
    SimControl::SetNextNeighborList(list);
    const std::vector<MeshNeighborRows::Row> rows = MeshNeighborRows::Read();
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(rows[63].hostName, wxString(33, 'n'));
    EXPECT_EQ(rows[0].strength, 60);

    // The platform's own list, mesh off and on.
    EXPECT_TRUE(MeshNeighborRows::Read().empty());
    ASSERT_EQ(RVL_TurnOnMesh(1), 0);
    const std::vector<MeshNeighborRows::Row> heard = MeshNeighborRows::Read();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].hostName, "laptop-12");
    EXPECT_EQ(heard[0].mac, "02:00:5e:10:00:12");
    EXPECT_EQ(heard[0].strength, 100);
}

TEST(MeshConfigurationValidator, FirstFailureDecidesMessageFieldAndClearing) {
    using V = MeshConfigurationValidator;
    const wxString kChannel = "Invalid mesh channel!\n\nMust contain only numbers 1-14";
    const wxString kTime = "Invalid Advertise time!\n\nMust contain only numbers 1-60";
    const wxString kChars = "HostName cannot contain any of the following characters\n \\ / : * ? \" ' < > |";
    struct Case {
        const char* host;
        const char* channel;
        const char* time;
        bool ok;
        wxString message;
        V::Field field;
        bool clear;
        bool exclamation;
    };
    const Case cases[] = {
        {"Room12", "07", "10", true, "", V::HOST_NAME, false, false},
        {"Room12", "+5", "1", true, "", V::HOST_NAME, false, false},
        {"Room12", "14", "60", true, "", V::HOST_NAME, false, false},
        {"   ", "1", "1", true, "", V::HOST_NAME, false, false},
        {"vrda_gw", "1", "1", true, "", V::HOST_NAME, false, false},
        {" VRDA_GW", "1", "1", true, "", V::HOST_NAME, false, false},
        {"two words", "1", "1", true, "", V::HOST_NAME, false, false},
        {"", "x", "x", false, "Please input HostName", V::HOST_NAME, false, true},
        {"VRDA_GW", "1", "1", false, "VRDA_GW is not allowed, please input another name", V::HOST_NAME, true, true},
        {"a/b", "1", "1", false, kChars, V::HOST_NAME, true, false},
        {"say \"hi\"", "1", "1", false, kChars, V::HOST_NAME, true, false},
        {"Room12", "", "1", false, "Please input mesh channel", V::CHANNEL, false, true},
        {"Room12", " 5", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "5 ", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "0", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "-3", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "15", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "+", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "99999999999", "1", false, kChannel, V::CHANNEL, true, true},
        {"Room12", "1", "", false, "Please input advertise time interval", V::ADVERTISE_TIME, false, true},
        {"Room12", "1", "0", false, kTime, V::ADVERTISE_TIME, true, true},
        {"Room12", "1", "61", false, kTime, V::ADVERTISE_TIME, true, true},
    };
    for (const Case& c : cases) {
        V::Failure failure{};
        const bool ok = V::Validate(wxString::FromUTF8(c.host), c.channel, c.time, failure);
        const std::string what = std::string(c.host) + "|" + c.channel + "|" + c.time;
        ASSERT_EQ(ok, c.ok) << what;
        if (ok)
            continue;
        EXPECT_EQ(failure.message, c.message) << what;
        EXPECT_EQ(failure.field, c.field) << what;
        EXPECT_EQ(failure.clear, c.clear) << what;
        EXPECT_EQ(failure.exclamation, c.exclamation) << what;
    }
    int value = 0;
    ASSERT_TRUE(V::ReadNumber("-99999999999", value));
    EXPECT_EQ(value, INT_MIN);
}
