#include <arpa/inet.h>
#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "AvahiMulticast.h"
#include "IpChangeWatcher.h"
#include "MeshTestSupport.h"
#include "MeshTxtRecord.h"

namespace {

uint32_t Ip(const char* text) {
    in_addr a;
    inet_pton(AF_INET, text, &a);
    return a.s_addr;
}

AvahiAddress IPv4Address(const char* text) {
    AvahiAddress a;
    std::memset(&a, 0, sizeof a);
    a.proto = AVAHI_PROTO_INET;
    a.data.ipv4.address = Ip(text);
    return a;
}

// The list a resolver hands over: the record's first item at the head.
AvahiStringList* Resolved(const MeshTxtRecord::Items& items) {
    return avahi_string_list_reverse(MeshTxtRecord::MakeList(items));
}

}  // namespace

TEST(MeshTxtRecord, RecordsCarryTheirItemsInTableOrder) {
    const MeshServerEntity own = OwnServerRecord();
    MeshServerEntity oneDns = own;
    oneDns.SetDNS_back(wxString());
    std::string longVersion = "2024.1";
    for (int i = 0; i < 7; ++i)
        longVersion += "\xC3\xA9";  // 20 bytes; byte 19 is inside a character
    struct Case {
        const char* what;
        MeshTxtRecord::Items items;
        MeshTxtRecord::Items expected;
    };
    const Case cases[] = {
        {"student with CA and version", MeshTxtRecord::StudentItems("00-1a-2b-3c-4d-5e", true, true, "3"),
         {"00-1a-2b-3c-4d-5e@1", "3"}},
        {"student without either", MeshTxtRecord::StudentItems("00-00-00-00-00-00", false, false, ""),
         {"00-00-00-00-00-00@0", " "}},
        {"version cut at a character boundary", MeshTxtRecord::StudentItems("m", false, true, longVersion),
         {"m@0", longVersion.substr(0, 18)}},
        {"a version of the longest length stays whole",
         MeshTxtRecord::StudentItems("m", true, true, "2024.10.31-build.77"), {"m@1", "2024.10.31-build.77"}},
        {"mesh server", MeshTxtRecord::ServerItems(own), {"10.20.0.7", "laptop-07", "10.20.0.1", "8.8.8.8", "6"}},
        {"no item is empty", MeshTxtRecord::ServerItems(oneDns), {"10.20.0.7", "laptop-07", "10.20.0.1", " ", "6"}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.items, c.expected) << c.what;
        AvahiStringList* list = MeshTxtRecord::MakeList(c.items);
        uint8_t wire[512];
        const size_t size = avahi_string_list_serialize(list, wire, sizeof wire);
        std::string expectedWire;
        for (const std::string& item : c.expected)
            expectedWire += static_cast<char>(item.size()) + item;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(wire), size), expectedWire) << c.what;

        AvahiStringList* parsed = nullptr;
        ASSERT_EQ(avahi_string_list_parse(wire, size, &parsed), 0);
        EXPECT_TRUE(avahi_string_list_equal(parsed, list)) << c.what;
        avahi_string_list_free(parsed);
        avahi_string_list_free(list);
    }
}

TEST(MeshTxtRecord, ReadsAResolutionOrRefusesIt) {
    const MeshTxtRecord::Items good = {"192.168.10.1", "hostA", "192.168.10.1", "192.168.10.2", "6"};
    const std::string item32(32, 'a');
    MeshTxtRecord::OwnHost host;
    host.addresses = {Ip("127.0.0.1"), Ip("192.168.10.57")};
    AvahiAddress ipv6;
    std::memset(&ipv6, 0, sizeof ipv6);
    ipv6.proto = AVAHI_PROTO_INET6;
    struct Case {
        const char* what;
        AvahiAddress address;
        MeshTxtRecord::Items items;
        MeshTxtRecord::ReadResult result;
        int channel;
    };
    auto with = [&](size_t index, const std::string& value) {
        MeshTxtRecord::Items items = good;
        items[index] = value;
        return items;
    };
    MeshTxtRecord::Items six = good;
    six.push_back(std::string(300, 'z'));
    const Case cases[] = {
        {"five items", IPv4Address("10.0.0.5"), good, MeshTxtRecord::SERVER_READ, 6},
        {"a sixth item is ignored", IPv4Address("10.0.0.5"), six, MeshTxtRecord::SERVER_READ, 6},
        {"loopback is never own", IPv4Address("127.0.0.1"), good, MeshTxtRecord::SERVER_READ, 6},
        {"own address", IPv4Address("192.168.10.57"), good, MeshTxtRecord::OWN_SERVICE, 0},
        {"IPv6", ipv6, good, MeshTxtRecord::NOT_IPV4, 0},
        {"four items", IPv4Address("10.0.0.5"), {"a", "b", "c", "d"}, MeshTxtRecord::TOO_FEW_ITEMS, 0},
        {"32 bytes fit", IPv4Address("10.0.0.5"), with(3, item32), MeshTxtRecord::SERVER_READ, 6},
        {"33 bytes do not", IPv4Address("10.0.0.5"), with(0, item32 + "a"), MeshTxtRecord::BAD_ITEMS, 0},
        {"a NUL", IPv4Address("10.0.0.5"), with(1, std::string("ho\0st", 5)), MeshTxtRecord::BAD_ITEMS, 0},
        {"a control character", IPv4Address("10.0.0.5"), with(2, "10.0.0.1\n"), MeshTxtRecord::BAD_ITEMS, 0},
        {"invalid UTF-8", IPv4Address("10.0.0.5"), with(1, "host\xC3"), MeshTxtRecord::BAD_ITEMS, 0},
        {"a C1 control character", IPv4Address("10.0.0.5"), with(1, "host\xC2\x85"), MeshTxtRecord::BAD_ITEMS, 0},
        {"the last C1 control character", IPv4Address("10.0.0.5"), with(3, "\xC2\x9F"), MeshTxtRecord::BAD_ITEMS, 0},
        {"a no-break space is text", IPv4Address("10.0.0.5"), with(1, "host\xC2\xA0"), MeshTxtRecord::SERVER_READ, 6},
        {"non-numeric channel", IPv4Address("10.0.0.5"), with(4, "six"), MeshTxtRecord::SERVER_READ, 0},
        {"channel beyond int", IPv4Address("10.0.0.5"), with(4, "99999999999999"), MeshTxtRecord::SERVER_READ,
         INT_MAX},
    };
    for (const Case& c : cases) {
        AvahiStringList* txt = Resolved(c.items);
        MeshServerEntity server;
        EXPECT_EQ(MeshTxtRecord::ReadServer(c.address, "Room 12 server", txt, host, server), c.result) << c.what;
        avahi_string_list_free(txt);
        if (c.result != MeshTxtRecord::SERVER_READ)
            continue;
        EXPECT_EQ(server.GetName(), "Room 12 server") << c.what;
        EXPECT_EQ(server.GetIPAddress(), wxString::FromUTF8(c.items[0].c_str())) << c.what;
        EXPECT_EQ(server.GetHostName(), wxString::FromUTF8(c.items[1].c_str())) << c.what;
        EXPECT_EQ(server.GetDNS_back(), wxString::FromUTF8(c.items[3].c_str())) << c.what;
        EXPECT_EQ(server.GetChannel(), c.channel) << c.what;
    }
    // A value that is not there reads back as none.
    AvahiStringList* txt = Resolved(with(3, " "));
    MeshServerEntity server;
    EXPECT_EQ(MeshTxtRecord::ReadServer(IPv4Address("10.0.0.5"), "s", txt, host, server), MeshTxtRecord::SERVER_READ);
    EXPECT_EQ(server.GetDNS_back(), wxString());
    avahi_string_list_free(txt);
}

TEST(MeshTxtRecord, ThisHostsServiceIsToldByItsAddressOrAtLoopbackByItsNameOrAnnouncedAddress) {
    MeshTxtRecord::OwnHost own;
    own.addresses = {Ip("127.0.0.1"), Ip("192.168.10.57")};
    own.serviceName = "laptop-07";
    own.announcedAddress = "10.20.0.7";
    const struct {
        const char* at;
        const char* name;
        const char* announced;
        MeshTxtRecord::ReadResult result;
    } cases[] = {
        {"127.0.0.1", "laptop-07", "10.20.0.12", MeshTxtRecord::OWN_SERVICE},
        {"127.0.0.1", "laptop-07 #2", "10.20.0.7", MeshTxtRecord::OWN_SERVICE},
        {"127.1.2.3", "laptop-07", "10.20.0.12", MeshTxtRecord::OWN_SERVICE},
        {"127.0.0.1", "laptop-12", "10.20.0.12", MeshTxtRecord::SERVER_READ},
        {"192.168.10.57", "laptop-12", "10.20.0.12", MeshTxtRecord::OWN_SERVICE},
        // Another host that happens to share this host's name or address.
        {"10.20.0.12", "laptop-07", "10.20.0.12", MeshTxtRecord::SERVER_READ},
        {"10.20.0.12", "laptop-12", "10.20.0.7", MeshTxtRecord::SERVER_READ},
        {"128.0.0.1", "laptop-07", "10.20.0.7", MeshTxtRecord::SERVER_READ},
    };
    for (const auto& c : cases) {
        AvahiStringList* txt = Resolved({c.announced, "laptop", "10.20.0.1", "8.8.8.8", "6"});
        MeshServerEntity server;
        EXPECT_EQ(MeshTxtRecord::ReadServer(IPv4Address(c.at), c.name, txt, own, server), c.result)
            << c.name << " at " << c.at << " announcing " << c.announced;
        avahi_string_list_free(txt);
    }
}

TEST(AvahiMulticast, AddressInListComparesWholeTokensWithinTheBound) {
    const std::string pad = std::string(88, 'x') + "@";  // the address then ends at byte 99
    const struct {
        std::string list;
        const char* address;
        const char* delimiters;
        bool found;
    } cases[] = {
        {"192.0.2.2:0@10.0.0.5:0", "10.0.0.5:0", "@", true},
        {"192.0.2.2:0@10.0.0.5:0", "10.0.0.5", "@", false},
        {"@@10.0.0.5:0@", "10.0.0.5:0", "@", true},
        {"10.0.0.1:0 10.0.0.5:0", "10.0.0.5:0", "@ ", true},
        {"", "10.0.0.5:0", "@", false},
        {pad + "10.0.0.5:0", "10.0.0.5:0", "@", true},
        {pad + "10.0.0.5:0@10.0.0.6:0", "10.0.0.5:0", "@", true},
        {pad + "10.0.0.5:01", "10.0.0.5:0", "@", false},  // the bound cuts this token
        {"x" + pad + "10.0.0.5:0", "10.0.0.5:0", "@", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AvahiMulticast::AddressInList(c.list.c_str(), c.address, c.delimiters), c.found) << c.list;
    EXPECT_FALSE(AvahiMulticast::AddressInList(nullptr, "10.0.0.5:0", "@"));
}

TEST(IpChangeWatcher, PublishesAnAddressHeldForThreeChecks) {
    struct Case {
        const char* what;
        std::vector<const char*> shown;
        std::vector<bool> publish;
    };
    const Case cases[] = {
        {"nothing shown", {"", "", "", ""}, {false, false, false, false}},
        {"a new address", {"192.168.10.57", "192.168.10.57", "192.168.10.57", "192.168.10.57"},
         {false, false, true, false}},
        {"a change within the count restarts it", {"10.0.0.1", "10.0.0.1", "10.0.0.2", "10.0.0.2", "10.0.0.2"},
         {false, false, false, false, true}},
        {"an address that goes away", {"10.0.0.1", "10.0.0.1", "10.0.0.1", "", "", ""},
         {false, false, true, false, false, false}},
    };
    for (const Case& c : cases) {
        IpChangeWatcher watcher;
        for (size_t i = 0; i < c.shown.size(); ++i)
            EXPECT_EQ(watcher.Update(c.shown[i]), c.publish[i]) << c.what << ", check " << i + 1;
    }
}
