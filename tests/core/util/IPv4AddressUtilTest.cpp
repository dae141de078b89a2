#include <gtest/gtest.h>

#include "IPv4AddressUtil.h"

TEST(IPv4AddressText, AcceptsAndRejectsByTheSharedRule) {
    uint32_t v = 0;
    EXPECT_TRUE(IPv4AddressUtil::ParseAddress("192.168.1.10", v));
    EXPECT_EQ(v, 0xC0A8010Au);
    // A leading 0 reads as octal; "08" is therefore not a number.
    EXPECT_TRUE(IPv4AddressUtil::ParseAddress("010.1.1.1", v));
    EXPECT_EQ(v, 0x08010101u);
    EXPECT_FALSE(IPv4AddressUtil::ParseAddress("08.1.1.1", v));
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "1..2.3", "1.2.3.", ".1.2.3", "256.1.1.1", "1.2.3.4 ",
                            "0x1.2.3.4", "1.2.3.-4", "a.b.c.d", "0.0.0.0", "255.255.255.255", "1.2.3.4\n"}) {
        EXPECT_FALSE(IPv4AddressUtil::ParseAddress(bad, v)) << '"' << bad << '"';
    }
    EXPECT_FALSE(IPv4AddressUtil::ParseAddress(nullptr, v));
}

TEST(IPv4AddressText, FormatsCanonicalDottedDecimal) {
    uint32_t v = 0;
    ASSERT_TRUE(IPv4AddressUtil::ParseAddress("010.001.0377.07", v));
    EXPECT_EQ(IPv4AddressUtil::Format(v), "8.1.255.7");
}

TEST(IPv4CheckAddress, GivesTheCodeOfEachClass) {
    EXPECT_EQ(IPv4AddressUtil::CheckAddress(nullptr), 1);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("10.0.0.300"), 2);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("0.1.2.3"), 2);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("224.0.0.1"), 7);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("239.255.255.255"), 7);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("127.0.0.1"), 8);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("240.0.0.1"), 8);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("247.1.1.1"), 8);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("248.1.1.1"), 0);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("223.255.255.254"), 0);
    EXPECT_EQ(IPv4AddressUtil::CheckAddress("8.8.8.8"), 0);
}

struct SettingsRow {
    const char* ip;
    const char* mask;
    const char* gateway;
    bool classful;
    int code;
};

// One row per code of the table, plus the edges between neighbouring rows.
TEST(IPv4CheckIPSettings, FollowsTheCodeTableInOrder) {
    const SettingsRow rows[] = {
        {"192.168.1.10", "255.255.255.0", "192.168.1.1", false, 0},
        {"192.168.1.1", "255.255.255.0", "192.168.1.1", false, 0},     // gateway may equal the IP
        {"10.0.0.5", "255.255.255.252", "10.0.0.6", false, 0},         // /30 is the longest mask
        {"10.1.2.3", "128.0.0.0", "10.200.0.1", false, 0},             // /1 is the shortest
        {"250.1.1.1", "255.255.255.0", "250.1.1.2", true, 0},          // 248-255: no class test
        // 2, 3, 4: each text by itself, in that order.
        {"192.168.1", "bogus", "x", false, 2},
        {"192.168.1.10", "255.255.255.0.0", "x", false, 3},
        {"192.168.1.10", "255.255.255.0", "192.168.1.256", false, 4},
        {"192.168.1.10", "0.0.0.0", "192.168.1.1", false, 3},
        {"192.168.1.10", "255.255.255.255", "192.168.1.1", false, 3},
        // 3: mask shape.
        {"192.168.1.10", "255.255.255.254", "192.168.1.11", false, 3},
        {"192.168.1.10", "255.0.255.0", "192.168.1.1", false, 3},
        // Mask shape is tested before the IP's class.
        {"127.0.0.1", "255.0.255.0", "127.0.0.2", false, 3},
        // 2, 7, 8: class of the IP.
        {"0.1.2.3", "255.255.255.0", "0.1.2.1", false, 2},
        {"224.1.1.1", "255.255.255.0", "224.1.1.2", false, 7},
        {"127.0.0.5", "255.0.0.0", "127.0.0.1", false, 8},
        {"245.0.0.5", "255.0.0.0", "245.0.0.1", false, 8},
        // 6 only when classful.
        {"10.1.2.3", "254.0.0.0", "10.1.2.1", true, 6},
        {"10.1.2.3", "254.0.0.0", "10.1.2.1", false, 0},
        {"10.1.2.3", "255.0.0.0", "10.1.2.1", true, 0},
        {"172.16.1.2", "255.254.0.0", "172.16.1.1", true, 6},
        {"172.16.1.2", "255.255.0.0", "172.16.1.1", true, 0},
        {"192.168.1.2", "255.255.254.0", "192.168.1.1", true, 6},
        {"192.168.1.2", "255.255.255.0", "192.168.1.1", true, 0},
        // The class test comes before the network comparison.
        {"10.1.2.3", "254.0.0.0", "11.1.1.1", true, 6},
        // 14: different networks.
        {"192.168.1.10", "255.255.255.0", "192.168.2.1", false, 14},
        // 12, 10: the IP's host part.
        {"192.168.1.255", "255.255.255.0", "192.168.1.1", false, 12},
        {"192.168.1.0", "255.255.255.0", "192.168.1.1", false, 10},
        {"192.168.1.255", "255.255.255.0", "192.168.1.0", false, 12},  // IP before gateway
        // 13, 11: the gateway's host part.
        {"192.168.1.10", "255.255.255.0", "192.168.1.255", false, 13},
        {"192.168.1.10", "255.255.255.0", "192.168.1.0", false, 11},
        {"10.0.0.5", "255.255.255.252", "10.0.0.7", false, 13},
        {"10.0.0.5", "255.255.255.252", "10.0.0.4", false, 11},
        // The gateway is not classified by itself: a reserved one passes.
        {"100.0.0.1", "128.0.0.0", "127.0.0.1", false, 0},
    };
    for (const SettingsRow& r : rows) {
        EXPECT_EQ(IPv4AddressUtil::CheckIPSettings(r.ip, r.mask, r.gateway, r.classful), r.code)
            << r.ip << " / " << r.mask << " / " << r.gateway << (r.classful ? " classful" : "");
    }
}

TEST(IPv4CheckIPSettings, NullPointersComeFirst) {
    EXPECT_EQ(IPv4AddressUtil::CheckIPSettings(nullptr, "255.255.255.0", "1.1.1.1", false), 1);
    EXPECT_EQ(IPv4AddressUtil::CheckIPSettings("bad", nullptr, "1.1.1.1", false), 1);
    EXPECT_EQ(IPv4AddressUtil::CheckIPSettings("bad", "bad", nullptr, true), 1);
}
