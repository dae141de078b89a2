#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <cstdlib>
#include <cstdio>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "DeployServer.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "SystemPaths.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

using namespace std::chrono_literals;

// Counts hand-overs; can take its time like a real import, or wait until
// the test lets it end.
class CountingObserver : public KXClientObserver {
public:
    void Republish() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const std::string archive = SystemPaths::Fixed("/tmp/SchoolSettings.tar");
        std::unique_lock<std::mutex> lock(m_mutex);
        m_released.wait(lock, [this] { return !m_held; });
        if (TestTree::Exists(archive))
            m_archives.push_back(TestTree::ReadFile(archive));
        ++calls;
    }
    // The archive each hand-over found in place.
    std::vector<std::string> Archives() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_archives;
    }
    void Hold(bool held) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_held = held;
        }
        m_released.notify_all();
    }
    std::atomic<int> calls{0};
    std::atomic<int> delayMs{0};

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_held = false;
    std::vector<std::string> m_archives;
};

class DeployServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        m_program = m_tree / "program";
        TestTree::MakeDirs(m_program);
        ProgramFolder::Set(m_program);
        KXClientSubject::GetInstance()->SetObserver(&m_observer);
        StartServer(ACE_Time_Value(1));
    }
    void StartServer(const ACE_Time_Value& stepDeadline) {
        m_server.reset();
        m_server = std::make_unique<DeployServer>(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"),
                                                  stepDeadline);
        ASSERT_EQ(m_server->Open(), 0);
        ASSERT_EQ(m_server->Start(), 0);
        m_port = m_server->Port();
        ASSERT_NE(m_port, 0);
    }
    void TearDown() override {
        m_server.reset();
        KXClientSubject::GetInstance()->SetObserver(nullptr);
    }

    std::string CaFile() const { return m_program + "/cacert.pem"; }
    std::string ArchiveFile() const { return SystemPaths::Fixed("/tmp/SchoolSettings.tar"); }
    static std::set<std::string> Listing(const std::string& folder) {
        std::set<std::string> names;
        if (DIR* d = opendir(folder.c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.' || (std::string(e->d_name) != "." && std::string(e->d_name) != ".."))
                    names.insert(e->d_name);
            closedir(d);
        }
        names.erase(".");
        names.erase("..");
        return names;
    }

    TestTree m_tree;
    std::string m_program;
    CountingObserver m_observer;
    std::unique_ptr<DeployServer> m_server;
    unsigned short m_port = 0;
};

TEST_F(DeployServerTest, FirstDeliveryIsTheCertificateThenArchives) {
    const std::string cert(1200, 'C');
    EXPECT_EQ(DeployClient::Push(m_port, cert), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), cert);
    EXPECT_EQ(m_observer.calls.load(), 1);
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));

    const std::string archive(70000, 'A');
    EXPECT_EQ(DeployClient::Push(m_port, archive), "KK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), archive);
    EXPECT_EQ(TestTree::ReadFile(CaFile()), cert);
    EXPECT_EQ(m_observer.calls.load(), 2);
    // No temporary file is left beside either target.
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});
    EXPECT_EQ(Listing(SystemPaths::Fixed("/tmp")), std::set<std::string>{"SchoolSettings.tar"});
}

TEST_F(DeployServerTest, CertificateSizeBound) {
    EXPECT_EQ(DeployClient::Push(m_port, std::string(50001, 'x')), "K");
    EXPECT_FALSE(TestTree::Exists(CaFile()));
    EXPECT_EQ(m_observer.calls.load(), 0);
    EXPECT_EQ(DeployClient::Push(m_port, std::string(50000, 'y')), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()).size(), 50000u);
}

TEST_F(DeployServerTest, RefusedLengths) {
    for (int32_t length : {0, -1, 64 * 1024 * 1024 + 1, INT32_MIN}) {
        DeployClient client(m_port);
        client.Send(DeployClient::Length(length) + "payload");
        EXPECT_EQ(client.ReadUntilClosed(), std::string(1, '\0')) << length;
        EXPECT_TRUE(client.ClosedByServer()) << length;
    }
    EXPECT_EQ(Listing(m_program), std::set<std::string>{});
    EXPECT_EQ(m_observer.calls.load(), 0);
}

TEST_F(DeployServerTest, LengthAndPayloadInOneSegment) {
    DeployClient client(m_port);
    client.Send(DeployClient::Length(5) + "hello");
    EXPECT_EQ(client.ReadUntilClosed(), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), "hello");
}

TEST_F(DeployServerTest, PeerClosingMidPayloadLeavesNothing) {
    // Connections are served in turn: once a refused probe is answered, the
    // connection before it has ended.
    const auto probe = [this] {
        DeployClient client(m_port);
        client.Send(DeployClient::Length(0));
        EXPECT_EQ(client.ReadUntilClosed(5000), std::string(1, '\0'));
    };
    {
        DeployClient client(m_port);
        client.Send(DeployClient::Length(1000) + std::string(500, 'p'));
        std::this_thread::sleep_for(100ms);
    }
    probe();
    EXPECT_FALSE(TestTree::Exists(CaFile())) << "no partial certificate";
    TestTree::WriteFile(CaFile(), "trusted");
    {
        DeployClient client(m_port);
        client.Send(DeployClient::Length(1000) + std::string(999, 'p'));
        std::this_thread::sleep_for(100ms);
    }
    probe();
    EXPECT_FALSE(TestTree::Exists(ArchiveFile())) << "no partial archive";
    EXPECT_EQ(DeployClient::Push(m_port, "next"), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), "trusted");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "next");
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});
    EXPECT_EQ(Listing(SystemPaths::Fixed("/tmp")), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, StalledPeerIsDroppedAndTheNextServed) {
    DeployClient stalled(m_port);
    stalled.Send(std::string("\x05\x00", 2));     // half a length, then silence
    std::this_thread::sleep_for(100ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeployClient::Push(m_port, "honest"), "KK");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(stalled.ReadUntilClosed(2000), "");
    EXPECT_TRUE(stalled.ClosedByServer());
    EXPECT_EQ(TestTree::ReadFile(CaFile()), "honest");

    // A peer stalling in the payload is dropped as well, with nothing stored.
    DeployClient slow(m_port);
    slow.Send(DeployClient::Length(100) + "abc");
    EXPECT_EQ(slow.ReadUntilClosed(5000), "K");
    EXPECT_TRUE(slow.ClosedByServer());
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));
}

TEST_F(DeployServerTest, SilentPeersAreDroppedAtTheStepDeadline) {
    // One that never sends a byte, one that goes quiet after its length.
    DeployClient mute(m_port);
    DeployClient quiet(m_port);
    quiet.Send(DeployClient::Length(100));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(mute.ReadUntilClosed(8000), "");
    EXPECT_TRUE(mute.ClosedByServer());
    EXPECT_EQ(quiet.ReadUntilClosed(8000), "K");
    EXPECT_TRUE(quiet.ClosedByServer());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 6s);
    EXPECT_EQ(DeployClient::Push(m_port, "honest"), "KK") << "the server goes on serving";
}

TEST_F(DeployServerTest, AFullDescriptorTableDropsConnectionsWithoutSpinning) {
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers' own checks open descriptors and break without them.
    GTEST_SKIP() << "runs in the build without sanitizers";
#endif
    // Leave the process no descriptor for an accepted connection.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    int highest = 0;
    if (DIR* d = opendir("/proc/self/fd")) {
        while (dirent* e = readdir(d))
            highest = std::max(highest, std::atoi(e->d_name));
        closedir(d);
    }
    std::vector<int> filler;
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(highest + 16);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;)
        filler.push_back(fd);
    ASSERT_FALSE(filler.empty());
    ::close(filler.back());  // one for the client's socket
    filler.pop_back();
    DeployClient client(m_port);
    ASSERT_TRUE(client.Connected());

    rusage before, after;
    getrusage(RUSAGE_SELF, &before);
    EXPECT_EQ(client.ReadUntilClosed(3000), "") << "dropped, not left waiting";
    EXPECT_TRUE(client.ClosedByServer());
    std::this_thread::sleep_for(500ms);
    getrusage(RUSAGE_SELF, &after);
    const auto cpuMs = [](const rusage& r) {
        return r.ru_utime.tv_sec * 1000L + r.ru_utime.tv_usec / 1000 + r.ru_stime.tv_sec * 1000L +
               r.ru_stime.tv_usec / 1000;
    };
    for (int fd : filler)
        ::close(fd);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_LT(cpuMs(after) - cpuMs(before), 400) << "the reactor spun on the waiting connection";
    EXPECT_EQ(DeployClient::Push(m_port, "honest"), "KK") << "served again once descriptors are free";
}

TEST_F(DeployServerTest, ConnectionClosesOnlyAfterTheHandOver) {
    m_observer.delayMs = 400;
    DeployClient client(m_port);
    client.Send(DeployClient::Length(3) + "abc");
    const std::string answer = client.ReadUntilClosed();
    EXPECT_EQ(answer, "KK");
    EXPECT_TRUE(client.ClosedByServer());
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, TargetOfAnotherUserOrALinkIsNotFollowed) {
    TestTree::WriteFile(CaFile(), "trusted");
    TestTree::WriteFile(m_tree / "elsewhere", "keep");
    ASSERT_EQ(symlink((m_tree / "elsewhere").c_str(), ArchiveFile().c_str()), 0);
    EXPECT_EQ(DeployClient::Push(m_port, "archive"), "KK");
    EXPECT_EQ(TestTree::ReadFile(m_tree / "elsewhere"), "keep");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "archive");
}

TEST_F(DeployServerTest, StalledPeersInEveryStepHoldUpNobody) {
    const auto deadline = 3s;
    StartServer(ACE_Time_Value(3));
    // Half a length word, a length and nothing more, part of a payload,
    // nothing at all.
    const std::string stalls[] = {std::string("\x05\x00", 2), DeployClient::Length(1000),
                                  DeployClient::Length(1000) + std::string(500, 'p'), ""};
    const std::string answers[] = {"", "K", "K", ""};
    std::vector<std::unique_ptr<DeployClient>> stalled;
    const auto first = std::chrono::steady_clock::now();
    for (int i = 0; i < 50; ++i) {
        stalled.push_back(std::make_unique<DeployClient>(m_port));
        stalled.back()->Send(stalls[i % 4]);
        std::this_thread::sleep_for(2ms);  // within the listen backlog
    }
    const auto last = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(200ms);

    const std::string honest(4096, 'h');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeployClient::Push(m_port, honest), "KK");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_EQ(TestTree::ReadFile(CaFile()), honest);

    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(stalled[i]->ReadUntilClosed(8000), answers[i % 4]) << i;
        EXPECT_TRUE(stalled[i]->ClosedByServer()) << i;
        if (i == 0) {
            EXPECT_GT(std::chrono::steady_clock::now() - first, deadline - 500ms) << "dropped before the deadline";
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - last, deadline + 2s) << "not dropped at the deadline";
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"}) << "partial payloads are removed";
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, ConnectionsBeyondTheCapAreClosedAtOnce) {
    StartServer(ACE_Time_Value(20));
    // A finished transfer whose import still runs does not count.
    m_observer.Hold(true);
    DeployClient importing(m_port);
    importing.Send(DeployClient::Length(3) + "abc");
    EXPECT_EQ(importing.ReadUntilClosed(1000), "KK");
    EXPECT_FALSE(importing.ClosedByServer());

    std::vector<std::unique_ptr<DeployClient>> held;
    for (int i = 0; i < 64; ++i) {
        held.push_back(std::make_unique<DeployClient>(m_port));
        std::this_thread::sleep_for(2ms);  // within the listen backlog
    }
    std::this_thread::sleep_for(300ms);
    DeployClient beyond(m_port);
    ASSERT_TRUE(beyond.Connected());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(beyond.ReadUntilClosed(5000), "");
    EXPECT_TRUE(beyond.ClosedByServer());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);

    m_observer.Hold(false);
    EXPECT_EQ(importing.ReadUntilClosed(), "");
    EXPECT_TRUE(importing.ClosedByServer());
    for (auto& client : held)
        client->Send(DeployClient::Length(4) + "data");
    for (size_t i = 0; i < held.size(); ++i)
        EXPECT_EQ(held[i]->ReadUntilClosed(), "KK") << i;
    EXPECT_EQ(m_observer.calls.load(), 65);
    EXPECT_EQ(DeployClient::Push(m_port, "again"), "KK") << "finished connections free their places";
}

TEST_F(DeployServerTest, EachHandOverFindsItsOwnArchive) {
    TestTree::WriteFile(CaFile(), "trusted");
    m_observer.Hold(true);
    DeployClient first(m_port);
    first.Send(DeployClient::Length(5) + "first");
    EXPECT_EQ(first.ReadUntilClosed(500), "KK");
    // Received while the first import runs; stored only after it.
    DeployClient second(m_port);
    second.Send(DeployClient::Length(6) + "second");
    EXPECT_EQ(second.ReadUntilClosed(500), "K");
    m_observer.Hold(false);
    EXPECT_EQ(first.ReadUntilClosed(), "");
    EXPECT_EQ(second.ReadUntilClosed(), "K");
    EXPECT_EQ(m_observer.Archives(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(DeployServerTest, ACertificateStoredMeanwhileMakesTheOtherPayloadTheArchive) {
    DeployClient later(m_port);
    later.Send(DeployClient::Length(6) + "sec");  // begun while no certificate is there
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(DeployClient::Push(m_port, "first"), "KK");
    later.Send("ond");
    EXPECT_EQ(later.ReadUntilClosed(), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), "first");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "second");
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});
}

TEST_F(DeployServerTest, AHugeAnnouncedPayloadIsNotHeldInMemory) {
    const auto status = [](const std::string& key) {
        std::ifstream in("/proc/self/status");
        for (std::string line; std::getline(in, line);)
            if (line.compare(0, key.size() + 1, key + ":") == 0)
                return std::atol(line.c_str() + key.size() + 1) / 1024;  // MiB
        return -1L;
    };
    TestTree::WriteFile(CaFile(), "trusted");
    const off_t part = 1 << 20;
    const std::string sent = DeployClient::Length(64 * 1024 * 1024) + std::string(part, 'p');
    const std::string tmp = SystemPaths::Fixed("/tmp");
    const auto received = [&] {
        std::set<std::string> names = Listing(tmp);
        struct stat st;
        return names.size() == 1 && ::stat((tmp + "/" + *names.begin()).c_str(), &st) == 0 && st.st_size == part;
    };
    const long rssBefore = status("VmRSS"), dataBefore = status("VmData");
    {
        DeployClient peer(m_port);
        peer.Send(sent);
        for (int i = 0; i < 100 && !received(); ++i)
            std::this_thread::sleep_for(20ms);
        ASSERT_TRUE(received()) << "the part sent is on disk";
        EXPECT_LT(status("VmRSS") - rssBefore, 4);
        EXPECT_LT(status("VmData") - dataBefore, 16) << "room for the whole announced length was taken";
    }
    for (int i = 0; i < 100 && !Listing(tmp).empty(); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Listing(tmp), std::set<std::string>{}) << "nothing is left when the peer goes";
    EXPECT_EQ(m_observer.calls.load(), 0);
}

TEST(DeployServerSetupTest, PortInUseFailsToOpen) {
    DeployServer first(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"));
    ASSERT_EQ(first.Open(), 0);
    DeployServer second(ACE_INET_Addr(first.Port(), "127.0.0.1"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(second.Open(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Port " + std::to_string(first.Port()) +
                  " is in use: school settings cannot be received until Tidewave is restarted.\n");
    EXPECT_EQ(second.Start(), -1);
}

}  // namespace
