// The publisher and the browser against the test command's avahi-daemon.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <thread>

#include <arpa/inet.h>
#include <avahi-common/error.h>
#include <gtest/gtest.h>
#include <wx/utils.h>

#include "AvahiMulticast.h"
#include "AvahiPublisher.h"
#include "AvahiTestSupport.h"
#include "DnsSdThreads.h"
#include "DnsSdTick.h"
#include "HostAddresses.h"
#include "MacAddress.h"
#include "MeshInfoManager.h"
#include "MeshServerBrowse.h"
#include "MeshTestSupport.h"
#include "ProfileVersion.h"
#include "ProgramFolder.h"
#include "SystemPaths.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"

using namespace std::chrono_literals;

namespace {

// Within ctest's 90 s for each test, with time to end it.
constexpr std::chrono::seconds kTestTime = 75s;

class DnsSdDaemonTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_AVAHI_DAEMON();
        deadline = std::chrono::steady_clock::now() + kTestTime;
        // What an earlier test or program announced lingers for a moment
        // after it ends: a record still listed could be taken for this
        // test's, and a name still held would push this test's record to
        // another name.
        std::vector<std::string> left = {"(no browse ended in time)"};
        ASSERT_TRUE(WaitFor(
            [&] {
                const auto now = AnnouncedNow();
                if (now)
                    left = *now;
                return now && now->empty();
            },
            Left()))
            << "still announced: " << ::testing::PrintToString(left);
        TestEnvironment::ResetFolders();
        AvahiMulticast::SetFirstBrowseWaitMs(0);
        host = TWMUtil::WxStringToStdString(wxGetHostName());
        MacAddress address;
        mac = address.GetMac();
        threads = std::make_unique<DnsSdThreads>(model);
        tick = std::make_unique<DnsSdTick>(threads->PublishLoop(), threads->BrowseLoop(), 1s);
    }
    void TearDown() override {
        tick.reset();
        if (threads)
            threads->StopAndWait();  // the loops use the model until they end
        threads.reset();
    }

    // Seconds left of the test's time: each wait may take all of it, however
    // slow the machine, and the test still ends by itself, withdrawing what
    // it announced, before ctest would end it.
    double Left() const {
        return std::max(0.0, std::chrono::duration<double>(deadline - std::chrono::steady_clock::now()).count());
    }

    // Ticks (50 ms apart, not 3 s) until the requests are served.
    void Serve() {
        ASSERT_TRUE(WaitFor(
            [&] {
                tick->OnTick(DnsSdTick::Clock::now());
                return !tick->IsPublishRequested() && !tick->IsBrowseRequested();
            },
            Left()));
    }

    // The service of that name (with these items, when given), or null.
    static const BrowsedService* Find(const std::vector<BrowsedService>& services, const std::string& name,
                                      const std::vector<std::string>& items = {}) {
        for (const BrowsedService& s : services)
            if (s.name == name && (items.empty() || s.items == items))
                return &s;
        return nullptr;
    }

    // Waits until the service type lists `name` (with these items, when
    // given), or with present false until it no longer lists the name, and
    // returns what the last browse that ended showed; fails the test when
    // none did.
    std::vector<BrowsedService> Await(const std::string& type, const std::string& name, bool present = true,
                                      const std::vector<std::string>& items = {}) {
        std::optional<std::vector<BrowsedService>> seen;
        WaitFor(
            [&] {
                auto now = BrowseNow(type);
                if (!now)
                    return false;
                seen = std::move(now);
                return (Find(*seen, name, present ? items : std::vector<std::string>{}) != nullptr) == present;
            },
            Left());
        if (!seen)
            ADD_FAILURE() << "no browse of " << type << " ended in time";
        return seen.value_or(std::vector<BrowsedService>{});
    }

    MeshInfoManager model;
    std::unique_ptr<DnsSdThreads> threads;
    std::unique_ptr<DnsSdTick> tick;
    std::string host, mac;
    std::chrono::steady_clock::time_point deadline;
};

}  // namespace

TEST_F(DnsSdDaemonTest, StudentServiceCarriesMacCaFlagAndVersion) {
    const std::string folder = TestEnvironment::Root() + "/program";
    ASSERT_TRUE(TWMUtil::MakeFolder(folder, 0755));
    std::ofstream(folder + "/cacert.pem") << "CA";
    ProgramFolder::Set(folder);
    ASSERT_TRUE(TWMUtil::MakeFolder(SystemPaths::AdminDir(), 0755));
    std::ofstream(SystemPaths::AdminDir() + "/VersionInfo.xml")
        << "<?xml version=\"1.0\" ?>\n<VersionInfo version=\"3\"><File name=\"a.profile\"/></VersionInfo>\n";

    const auto requested = std::chrono::steady_clock::now();
    tick->RequestPublish();
    Serve();
    const std::vector<std::string> items = {mac + "@1", "3"};
    const std::vector<BrowsedService> seen = Await("_kxStudent._tcp", host, true, items);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - requested).count();
    std::printf("publish request to browsed record: %.2f s\n", seconds);
    const BrowsedService* student = Find(seen, host, items);
    ASSERT_NE(student, nullptr) << "no record with the MAC text, the CA flag and version 3";
    EXPECT_EQ(student->port, 651);
    EXPECT_EQ(student->address, "127.0.0.1");
}

TEST_F(DnsSdDaemonTest, ShareAnnouncesTheServerUntilMeshGoesOff) {
    model.SetLocalMeshServer(OwnServerRecord());
    model.SetIsMeshServer(true);
    tick->RequestPublish();
    Serve();
    const std::vector<std::string> serverItems = {"10.20.0.7", "laptop-07", "10.20.0.1", "8.8.8.8", "6"};
    std::vector<BrowsedService> seen = Await("_kxStudentServer._tcp", host, true, serverItems);
    const BrowsedService* server = Find(seen, host, serverItems);
    ASSERT_NE(server, nullptr) << "no record with the five server items";
    EXPECT_EQ(Find(Await("_kxStudent._tcp", host, false), host), nullptr) << "one service at a time";

    // Mesh off: the running publisher is replaced by one of the student
    // service.
    model.SetIsMeshServer(false);
    tick->RequestPublish();
    Serve();
    // No CA file and no settings version on file.
    const std::vector<std::string> studentItems = {mac + "@0", " "};
    EXPECT_NE(Find(Await("_kxStudent._tcp", host, true, studentItems), host, studentItems), nullptr);
    EXPECT_EQ(Find(Await("_kxStudentServer._tcp", host, false), host), nullptr);
}

TEST_F(DnsSdDaemonTest, AServerWithOneDnsServerIsAnnounced) {
    MeshServerEntity own = OwnServerRecord();
    own.SetDNS_back(wxString());
    model.SetLocalMeshServer(own);
    model.SetIsMeshServer(true);
    tick->RequestPublish();
    Serve();
    const std::vector<std::string> serverItems = {"10.20.0.7", "laptop-07", "10.20.0.1", " ", "6"};
    EXPECT_NE(Find(Await("_kxStudentServer._tcp", host, true, serverItems), host, serverItems), nullptr);
}

TEST_F(DnsSdDaemonTest, ANameTakenAlreadyIsPublishedAsTheAlternative) {
    AvahiPeer other(host, "_kxStudent._tcp", {"someone-else@0", " "});
    ASSERT_NE(Find(Await("_kxStudent._tcp", host, true, {"someone-else@0", " "}), host), nullptr);
    tick->RequestPublish();
    Serve();
    const std::vector<BrowsedService> seen = Await("_kxStudent._tcp", host + " #2");
    ASSERT_NE(Find(seen, host + " #2"), nullptr);
    EXPECT_EQ(Find(seen, host + " #2")->items.at(0).substr(17), "@0");
    EXPECT_EQ(Find(seen, host)->items.at(0), "someone-else@0");
}

TEST_F(DnsSdDaemonTest, ALongHostNameIsCutToAnInstanceName) {
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "\xC3\xA9";  // 80 bytes; byte 63 is inside a character
    std::atomic<bool> ended{false};
    std::thread run([&] {
        AvahiPublisher::Run(longName, [](MeshTxtRecord::Items& items) {
            items = {"m@0", " "};
            return false;
        });
        ended = true;
    });
    const std::string cut = longName.substr(0, 62);
    EXPECT_NE(Find(Await("_kxStudent._tcp", cut), cut), nullptr);
    while (!ended) {
        AvahiPublisher::Quit();
        std::this_thread::sleep_for(10ms);
    }
    run.join();
}

TEST_F(DnsSdDaemonTest, BrowserKeepsTheModelToTheAnnouncedServers) {
    model.SetMeshEnabled(true);
    threads->StartListen();
    // The short record is announced and resolved before the valid one is
    // published: once the valid one is listed, the short one has been read.
    AvahiPeer shortPeer("laptop-13", "_kxStudentServer._tcp", {"10.20.0.13", "laptop-13", "10.20.0.1", "8.8.8.8"});
    ASSERT_NE(Find(Await("_kxStudentServer._tcp", "laptop-13"), "laptop-13"), nullptr) << "the short record is there";
    auto peer = std::make_unique<AvahiPeer>(
        "laptop-12", "_kxStudentServer._tcp",
        std::vector<std::string>{"10.20.0.12", "laptop-12", "10.20.0.1", "8.8.8.8", "6"});
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const MeshServerEntity& s : model.GetMeshServerInfoList())
                if (s.GetName() == "laptop-12")
                    return true;
            return false;
        },
        Left()));
    std::vector<MeshServerEntity> servers = model.GetMeshServerInfoList();
    ASSERT_EQ(servers.size(), 1u) << "a record of four items is ignored";
    EXPECT_EQ(servers[0].GetName(), "laptop-12");
    EXPECT_EQ(servers[0].GetIPAddress(), "10.20.0.12");
    EXPECT_EQ(servers[0].GetHostName(), "laptop-12");
    EXPECT_EQ(servers[0].GetDNS(), "10.20.0.1");
    EXPECT_EQ(servers[0].GetDNS_back(), "8.8.8.8");
    EXPECT_EQ(servers[0].GetChannel(), 6);

    peer->Kill();
    EXPECT_TRUE(WaitFor([&] { return model.GetMeshServerInfoList().empty(); }, Left())) << "removed when it goes";
}

TEST_F(DnsSdDaemonTest, AResolverAnsweringAfterItsServiceWasRemovedNeverListsIt) {
    const char* type = "_kxStudentServer._tcp";
    AvahiPeer peer("laptop-16", type, {"10.20.0.16", "laptop-16", "10.20.0.1", "8.8.8.8", "6"});
    ASSERT_NE(Find(Await(type, "laptop-16"), "laptop-16"), nullptr) << "the daemon resolves it";
    // The browser's events are handed to the program here, in the order a
    // service withdrawn as it is found gives them: new, removed, and then the
    // resolver's answer, on a loop this test turns.
    std::unique_ptr<AvahiSimplePoll, decltype(&avahi_simple_poll_free)> poll(avahi_simple_poll_new(),
                                                                             &avahi_simple_poll_free);
    int error = 0;
    std::unique_ptr<AvahiClient, decltype(&avahi_client_free)> client(
        avahi_client_new(
            avahi_simple_poll_get(poll.get()), static_cast<AvahiClientFlags>(0),
            [](AvahiClient*, AvahiClientState, void*) {}, nullptr, &error),
        &avahi_client_free);
    ASSERT_NE(client, nullptr) << avahi_strerror(error);
    std::pair<AvahiIfIndex, AvahiProtocol> item(AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC);  // where it was found
    AvahiServiceBrowser* browser = avahi_service_browser_new(
        client.get(), AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, type, nullptr, static_cast<AvahiLookupFlags>(0),
        [](AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
           const char* name, const char*, const char*, AvahiLookupResultFlags, void* item) {
            if (event == AVAHI_BROWSER_NEW && std::string(name) == "laptop-16")
                *static_cast<std::pair<AvahiIfIndex, AvahiProtocol>*>(item) = {interface, protocol};
        },
        &item);
    ASSERT_NE(browser, nullptr) << avahi_strerror(avahi_client_errno(client.get()));
    const auto turnUntil = [&](const std::function<bool()>& done) {
        return WaitFor(
            [&] {
                avahi_simple_poll_iterate(poll.get(), 50);
                return done();
            },
            Left());
    };
    ASSERT_TRUE(turnUntil([&] { return item.second != AVAHI_PROTO_UNSPEC; })) << "the browser finds it";
    const auto listed = [](const MeshInfoManager& m) {
        std::vector<std::string> names;
        for (const MeshServerEntity& s : m.GetMeshServerInfoList())
            names.push_back(TWMUtil::WxStringToStdString(s.GetName()));
        return names;
    };
    MeshServerBrowse servers(model, poll.get());
    const auto browse = [&](AvahiBrowserEvent event, MeshServerBrowse& to) {
        MeshServerBrowse::OnBrowse(browser, item.first, item.second, event, "laptop-16", type, "local",
                                   static_cast<AvahiLookupResultFlags>(0), &to);
    };
    browse(AVAHI_BROWSER_NEW, servers);
    browse(AVAHI_BROWSER_REMOVE, servers);
    // A browse that finds it later: once that lists it, the first one's
    // resolver has answered too, if it still runs.
    MeshInfoManager laterModel;
    MeshServerBrowse later(laterModel, poll.get());
    browse(AVAHI_BROWSER_NEW, later);
    ASSERT_TRUE(turnUntil([&] { return !listed(laterModel).empty(); })) << "a browse that finds it lists it";
    EXPECT_EQ(listed(model), std::vector<std::string>{}) << "listed although the browser removed it";
}

TEST_F(DnsSdDaemonTest, ThisHostsOwnServerIsNeverListed) {
    model.SetMeshEnabled(true);
    model.SetLocalMeshServer(OwnServerRecord());
    model.SetIsMeshServer(true);
    tick->RequestPublish();
    tick->RequestBrowse();
    Serve();
    ASSERT_NE(Find(Await("_kxStudentServer._tcp", host), host), nullptr) << "this host's server is announced";
    // Announced after this host's own: once it is listed, the own one has
    // been resolved too.
    AvahiPeer peer("laptop-12", "_kxStudentServer._tcp", {"10.20.0.12", "laptop-12", "10.20.0.1", "8.8.8.8", "6"});
    std::vector<std::string> listed;
    WaitFor(
        [&] {
            listed.clear();
            for (const MeshServerEntity& s : model.GetMeshServerInfoList())
                listed.push_back(TWMUtil::WxStringToStdString(s.GetName()));
            return std::find(listed.begin(), listed.end(), "laptop-12") != listed.end();
        },
        Left());
    EXPECT_EQ(listed, std::vector<std::string>{"laptop-12"});
}

TEST_F(DnsSdDaemonTest, AServerWhoseHostAnswersInIPv6FirstIsListedByItsIPv4Address) {
    model.SetMeshEnabled(true);
    threads->StartListen();
    // The host's IPv6 address is known before its IPv4 one: a resolution
    // that takes the first address of either kind ends at ::1.
    const std::string peerHost = "laptop-14.local";
    AvahiAddressRecord v6(peerHost, "::1");
    AvahiPeer peer("laptop-14", "_kxStudentServer._tcp", {"10.20.0.14", "laptop-14", "10.20.0.1", "8.8.8.8", "6"},
                   peerHost);
    ASSERT_NE(Find(Await("_kxStudentServer._tcp", "laptop-14"), "laptop-14"), nullptr);
    const auto listedAt = [&](const char* name) {
        for (const MeshServerEntity& s : model.GetMeshServerInfoList())
            if (s.GetName() == name)
                return s.GetIPAddress();
        return wxString();
    };
    // Announced after it: once this one is listed, the browser has met
    // laptop-14 too, and its resolution has seen only the IPv6 address.
    AvahiPeer later("laptop-15", "_kxStudentServer._tcp", {"10.20.0.15", "laptop-15", "10.20.0.1", "8.8.8.8", "6"});
    ASSERT_TRUE(WaitFor([&] { return !listedAt("laptop-15").empty(); }, Left()));
    AvahiAddressRecord v4(peerHost, "127.0.0.14");
    EXPECT_TRUE(WaitFor([&] { return listedAt("laptop-14") == "10.20.0.14"; }, Left()));
}

TEST_F(DnsSdDaemonTest, TeacherResolutionStartsTheDeployServerWhenItIsWanted) {
    // Resolvers on a loop that never runs: they report nothing by themselves.
    AvahiSimplePoll* poll = avahi_simple_poll_new();
    int error = 0;
    AvahiClient* client = avahi_client_new(
        avahi_simple_poll_get(poll), static_cast<AvahiClientFlags>(0), [](AvahiClient*, AvahiClientState, void*) {},
        nullptr, &error);
    ASSERT_NE(client, nullptr) << avahi_strerror(error);
    std::vector<std::string> started;
    AvahiMulticast::SetDeployStarter([&](const std::string& address) { started.push_back(address); });

    std::string own;  // this host's first address the teacher can name
    for (uint32_t a : HostAddresses::IPv4()) {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &a, text, sizeof text);
        if (own.empty() && std::string(text) != "127.0.0.1")
            own = std::string(text) + ":0";
    }
    const std::string folder = TestEnvironment::Root() + "/program";
    ASSERT_TRUE(TWMUtil::MakeFolder(folder, 0755));
    ProgramFolder::Set(folder);
    ASSERT_TRUE(TWMUtil::MakeFolder(SystemPaths::AdminDir(), 0755));
    std::ofstream(ProfileVersion::VersionFilePath()) << "<VersionInfo version=\"3\"/>";

    AvahiAddress teacher, teacher6;
    avahi_address_parse("192.0.2.77", AVAHI_PROTO_INET, &teacher);
    avahi_address_parse("fe80::1", AVAHI_PROTO_INET6, &teacher6);
    const struct {
        const char* what;
        bool ca;
        AvahiResolverEvent event;
        const AvahiAddress* address;
        std::vector<std::string> items;
        bool deploy;
    } cases[] = {
        {"no CA yet", false, AVAHI_RESOLVER_FOUND, &teacher, {}, true},
        {"no CA, over IPv6", false, AVAHI_RESOLVER_FOUND, &teacher6, {}, false},
        {"failed resolution", false, AVAHI_RESOLVER_FAILURE, &teacher, {}, false},
        {"listed, another version", true, AVAHI_RESOLVER_FOUND, &teacher, {"10.9.9.9:0@" + own, "4"}, true},
        {"listed, no version", true, AVAHI_RESOLVER_FOUND, &teacher, {own}, true},
        {"listed, this version", true, AVAHI_RESOLVER_FOUND, &teacher, {own, "3"}, false},
        {"loopback only", true, AVAHI_RESOLVER_FOUND, &teacher, {"127.0.0.1:0", "4"}, false},
        {"no items", true, AVAHI_RESOLVER_FOUND, &teacher, {}, false},
    };
    for (const auto& c : cases) {
        if (own.empty() && c.deploy && c.ca) {
            std::printf("this host has no address besides the loopback: \"%s\" not tried\n", c.what);
            continue;
        }
        if (c.ca)
            std::ofstream(folder + "/cacert.pem") << "CA";
        else
            std::remove((folder + "/cacert.pem").c_str());
        AvahiServiceResolver* resolver = avahi_service_resolver_new(
            client, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, "teacher", "_kxTeacher._tcp", nullptr, AVAHI_PROTO_UNSPEC,
            static_cast<AvahiLookupFlags>(0),
            [](AvahiServiceResolver*, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent, const char*, const char*,
               const char*, const char*, const AvahiAddress*, uint16_t, AvahiStringList*, AvahiLookupResultFlags,
               void*) {},
            nullptr);
        ASSERT_NE(resolver, nullptr) << c.what;
        AvahiStringList* txt = c.items.empty() ? nullptr : avahi_string_list_reverse(MeshTxtRecord::MakeList(c.items));
        started.clear();
        AvahiMulticast::resolveTeacher_callback(resolver, AVAHI_IF_UNSPEC, c.address->proto, c.event, "teacher",
                                                "_kxTeacher._tcp", "local", "teacher.local", c.address, 651, txt,
                                                static_cast<AvahiLookupResultFlags>(0), client);
        avahi_string_list_free(txt);
        EXPECT_EQ(started, c.deploy ? std::vector<std::string>{"192.0.2.77"} : std::vector<std::string>{})
            << c.what;
    }
    AvahiMulticast::SetDeployStarter(nullptr);
    avahi_client_free(client);
    avahi_simple_poll_free(poll);
}
