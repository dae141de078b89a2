#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "InterfaceTable.h"
#include "MeshInfoManager.h"
#include "MeshServerObserver.h"

namespace {

class CountingObserver : public MeshServerObserver {
public:
    std::atomic<int> notices{0};
    void OnMeshServersChanged() override { ++notices; }
};

MeshServerEntity Server(const char* service, const char* host, const char* ip, int channel) {
    MeshServerEntity s;
    s.SetName(service);
    s.SetHostName(host);
    s.SetIPAddress(ip);
    s.SetDNS(ip);
    s.SetChannel(channel);
    return s;
}

// "host:channel:ip:service" of every listed server.
std::string Listing(const MeshInfoManager& model) {
    std::string out;
    for (const MeshServerEntity& s : model.GetMeshServerInfoList())
        out += wxString::Format("%s:%d:%s:%s ", s.GetHostName(), s.GetChannel(), s.GetIPAddress(), s.GetName())
                   .utf8_string();
    return out;
}

}  // namespace

TEST(MeshInfoManager, UpdatesByHostNameRemovesByServiceNameAndNotifiesOnChange) {
    struct Step {
        const char* what;
        bool remove;
        MeshServerEntity server;
        const char* listing;
        bool notified;
    };
    const Step steps[] = {
        {"new host", false, Server("svcA", "hostA", "192.168.10.1", 6), "hostA:6:192.168.10.1:svcA ", true},
        {"same again", false, Server("svcA", "hostA", "192.168.10.1", 6), "hostA:6:192.168.10.1:svcA ", false},
        {"new channel, new address", false, Server("svcA", "hostA", "10.0.0.9", 11),
         "hostA:11:192.168.10.1:svcA ", true},
        {"same host, other service", false, Server("svcB", "hostA", "10.0.0.8", 3), "hostA:3:192.168.10.1:svcA ",
         true},
        {"removal of the second service", true, Server("svcB", "", "", 0), "hostA:3:192.168.10.1:svcA ", false},
        {"another host", false, Server("svcC", "hostC", "192.168.10.3", 1),
         "hostA:3:192.168.10.1:svcA hostC:1:192.168.10.3:svcC ", true},
        {"removal of the first service", true, Server("svcA", "", "", 0), "hostC:1:192.168.10.3:svcC ", true},
        {"removal of an unknown service", true, Server("nobody", "", "", 0), "hostC:1:192.168.10.3:svcC ", false},
    };
    MeshInfoManager model;
    CountingObserver observer;
    model.SetMeshUseOthersInternetDlg(&observer);
    for (const Step& step : steps) {
        const int before = observer.notices;
        if (step.remove)
            model.RemoveMeshServer(step.server.GetName());
        else
            model.ModifyMeshServer(step.server);
        EXPECT_EQ(Listing(model), step.listing) << step.what;
        EXPECT_EQ(observer.notices - before, step.notified ? 1 : 0) << step.what;
    }

    model.ClearMeshUseOthersInternetDlg();
    const int before = observer.notices;
    model.ModifyMeshServer(Server("svcD", "hostD", "192.168.10.4", 2));
    EXPECT_EQ(observer.notices, before) << "without an observer nothing is refreshed";
}

TEST(MeshInfoManager, OwnRecordIsHiddenWhileNotAMeshServer) {
    MeshInfoManager model;
    MeshServerEntity own = Server("ignored", "laptop-07", "10.20.0.7", 6);
    own.SetDNS_back("8.8.8.8");
    model.SetLocalMeshServer(own);
    MeshServerEntity out = Server("keep", "keep", "keep", 99);
    EXPECT_FALSE(model.GetLocalMeshServer(out));
    EXPECT_EQ(out.GetHostName(), "keep");
    model.SetIsMeshServer(true);
    ASSERT_TRUE(model.GetLocalMeshServer(out));
    EXPECT_EQ(out.GetHostName(), "laptop-07");
    EXPECT_EQ(out.GetIPAddress(), "10.20.0.7");
    EXPECT_EQ(out.GetDNS_back(), "8.8.8.8");
    EXPECT_EQ(out.GetChannel(), 6);
    EXPECT_EQ(out.GetName(), "keep") << "the service name is not part of the own record";
}

TEST(MeshInfoManager, ListStopsGrowingAtItsLimit) {
    MeshInfoManager model;
    for (size_t i = 0; i <= MeshInfoManager::kMaxServers; ++i)
        model.ModifyMeshServer(Server("svc", wxString::Format("host%zu", i).c_str(), "10.0.0.1", 1));
    EXPECT_EQ(model.GetMeshServerInfoList().size(), MeshInfoManager::kMaxServers);
    model.ModifyMeshServer(Server("svc", "host0", "10.0.0.1", 5));
    EXPECT_EQ(model.GetMeshServerInfoList()[0].GetChannel(), 5) << "listed servers are still updated";
}

TEST(MeshInfoManager, BrowseThreadWritesWhileReadersCopy) {
    MeshInfoManager model;
    CountingObserver observer;
    model.SetMeshUseOthersInternetDlg(&observer);
    std::atomic<bool> done{false};
    std::thread browse([&] {
        for (int i = 0; i < 3000; ++i) {
            const wxString host = wxString::Format("host%d", i % 40);
            if (i % 3 == 2)
                model.RemoveMeshServer("svc" + host);
            else
                model.ModifyMeshServer(Server(("svc" + host).c_str(), host.c_str(), "10.0.0.1", i % 14));
        }
        done = true;
    });
    std::thread publish([&] {
        while (!done) {
            MeshServerEntity own;
            model.GetLocalMeshServer(own);
        }
    });
    size_t copies = 0;
    while (!done) {
        for (const MeshServerEntity& s : model.GetMeshServerInfoList())
            EXPECT_TRUE(s.GetHostName().StartsWith("host"));
        model.SetLocalMeshServer(Server("", "me", "10.0.0.2", 1));
        model.SetIsMeshServer(copies++ % 2 == 0);
    }
    browse.join();
    publish.join();
    EXPECT_LE(model.GetMeshServerInfoList().size(), 40u);
    EXPECT_GT(observer.notices, 0);
}

// An observer that goes away unregisters first; a notice already under way
// on the browse thread has ended when unregistering returns.
TEST(MeshInfoManager, UnregisteringWaitsForANoticeUnderWay) {
    struct SlowObserver : MeshServerObserver {
        std::atomic<bool> entered{false}, left{false};
        void OnMeshServersChanged() override {
            entered = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            left = true;
        }
    } observer;
    MeshInfoManager model;
    model.SetMeshUseOthersInternetDlg(&observer);
    std::thread browse([&] { model.ModifyMeshServer(Server("svcA", "hostA", "10.0.0.1", 1)); });
    while (!observer.entered)
        std::this_thread::yield();
    model.ClearMeshUseOthersInternetDlg();
    EXPECT_TRUE(observer.left);
    browse.join();
}

namespace {

std::string States(InterfaceTable& query) {
    std::vector<InternetStateEntity> list;
    MeshInfoManager::GetInternetStateList(list, query);
    std::string out;
    for (const InternetStateEntity& e : list)
        out += (e.GetName() + "/" + e.GetIPAddress() + "/" + e.GetState() + " ").utf8_string();
    return out;
}

}  // namespace

TEST(MeshInfoManager, OffersEthernetAndRaInterfacesWithTheirState) {
    struct Case {
        const char* what;
        std::vector<InterfaceTable::Interface> interfaces;
        bool socketOpens;
        const char* listed;
    };
    const Case cases[] = {
        {"only eth and ra names",
         {{"lo", "127.0.0.1", true, true},
          {"eth0", "192.168.10.57", true, true},
          {"wlan0", "10.20.1.57", true, true},
          {"ra0", "", true, true}},
         true,
         "eth0/192.168.10.57/Enabled ra0//Enabled "},
        {"a name holding eth or ra anywhere", {{"veth1", "", true, true}, {"extra", "", true, true}}, true,
         "veth1//Enabled extra//Enabled "},
        {"an interface that is down", {{"eth0", "", false, true}}, true, "eth0//Disabled "},
        {"flags that cannot be read", {{"eth0", "", true, false}, {"ra0", "", true, true}}, true, "ra0//Enabled "},
        {"no socket", {{"eth0", "192.168.10.57", true, true}, {"ra0", "", true, true}}, false,
         "eth0/192.168.10.57/Disabled ra0//Disabled "},
    };
    for (const Case& c : cases) {
        InterfaceTable query;
        query.interfaces = c.interfaces;
        query.socketOpens = c.socketOpens;
        EXPECT_EQ(States(query), c.listed) << c.what;
        EXPECT_EQ(query.openSockets, 0) << c.what << ": every socket opened is closed";
    }
}
