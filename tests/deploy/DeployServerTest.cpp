// The deploy server over loopback: what is stored, confirmed and handed
// over, what is refused, and what a peer's stall or departure leaves.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DeployServerFixture.h"
#include "SystemPaths.h"

namespace {

using namespace std::chrono_literals;

TEST_F(DeployServerTest, FirstDeliveryIsTheCertificateThenArchives) {
    EXPECT_EQ(DeployClient::Push(m_port, Ca()), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), Ca());
    EXPECT_EQ(m_observer.calls.load(), 1);
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));

    const std::string archive(70000, 'A');
    EXPECT_EQ(DeployClient::Push(m_port, archive), "KK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), archive);
    EXPECT_EQ(TestTree::ReadFile(CaFile()), Ca());
    EXPECT_EQ(m_observer.calls.load(), 2);
    // No temporary file is left beside either target, and nothing is
    // written to the shared temporary folder.
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});
    EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_EQ(Listing(SystemPaths::Fixed("/tmp")), std::set<std::string>{});
}

TEST_F(DeployServerTest, OnlyOnePemCertificateBecomesTheCA) {
    // Garbage, or a certificate with more in the file, is refused after the
    // payload: no confirmation, and the slot stays free.
    const std::string garbage(1200, 'C');
    const std::string twoCertificates = Ca() + TestTree::ReadFile(m_certs->serverCert);
    for (const std::string& payload : {garbage, twoCertificates}) {
        EXPECT_EQ(DeployClient::Push(m_port, payload), "K");
        EXPECT_FALSE(TestTree::Exists(CaFile()));
    }
    EXPECT_EQ(m_observer.calls.load(), 0);
    // Up to 50000 bytes, text around it included.
    std::string padded;
    while (padded.size() + Ca().size() < 50000 - 64)
        padded += std::string(63, '#') + "\n";
    padded += std::string(50000 - padded.size() - Ca().size() - 1, '#') + "\n" + Ca();
    ASSERT_EQ(padded.size(), 50000u);
    EXPECT_EQ(DeployClient::Push(m_port, padded + "\n"), "K") << "one byte over is not even read";
    EXPECT_EQ(DeployClient::Push(m_port, padded), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), padded);
    // Once the CA is there, the same garbage is a settings archive.
    EXPECT_EQ(DeployClient::Push(m_port, garbage), "KK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), garbage);
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
    client.Send(DeployClient::Length(static_cast<int32_t>(Ca().size())) + Ca());
    EXPECT_EQ(client.ReadUntilClosed(), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), Ca());
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
    TrustCa();
    {
        DeployClient client(m_port);
        client.Send(DeployClient::Length(1000) + std::string(999, 'p'));
        std::this_thread::sleep_for(100ms);
    }
    probe();
    EXPECT_FALSE(TestTree::Exists(ArchiveFile())) << "no partial archive";
    EXPECT_EQ(DeployClient::Push(m_port, "next"), "KK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "next");
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});
    EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, SilentPeersAreDroppedAtTheStepDeadline) {
    TrustCa();
    // One that never sends a byte, one that goes quiet after its length,
    // one after half a length word, one within its payload.
    const std::string stalls[] = {"", DeployClient::Length(100), std::string("\x05\x00", 2),
                                  DeployClient::Length(100) + "abc"};
    const std::string answers[] = {"", "K", "", "K"};
    std::vector<std::unique_ptr<DeployClient>> peers;
    for (const std::string& stall : stalls) {
        peers.push_back(std::make_unique<DeployClient>(m_port));
        peers.back()->Send(stall);
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeployClient::Push(m_port, "honest", "127.0.0.2"), "KK") << "nobody waits for them";
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    for (size_t i = 0; i < peers.size(); ++i) {
        EXPECT_EQ(peers[i]->ReadUntilClosed(8000), answers[i]) << i;
        EXPECT_TRUE(peers[i]->ClosedByServer()) << i;
    }
    EXPECT_GT(std::chrono::steady_clock::now() - start, 800ms) << "dropped before the deadline";
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "honest") << "the payload left unfinished was not stored";
    EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_EQ(DeployClient::Push(m_port, "again"), "KK") << "the server goes on serving";
}

TEST_F(DeployServerTest, ASlowSenderLandsATricklerDoesNot) {
    // The step time is 1 s of silence; the whole exchange 1 s plus what was
    // received at 32 KiB/s.
    TrustCa();
    const std::string payload(300 * 1024, 's');
    std::string slowAnswer;
    std::chrono::steady_clock::duration slowTook{};
    std::thread slow([&] {
        const auto start = std::chrono::steady_clock::now();
        DeployClient client(m_port);
        client.Send(DeployClient::Length(static_cast<int32_t>(payload.size())));
        for (size_t sent = 0; sent < payload.size(); sent += 15 * 1024) {   // 150 KiB/s, 2 s
            std::this_thread::sleep_for(100ms);
            client.Send(payload.substr(sent, 15 * 1024));
        }
        slowAnswer = client.ReadUntilClosed();
        slowTook = std::chrono::steady_clock::now() - start;
    });
    // A byte now and then buys next to nothing, whatever length was
    // announced.
    const auto start = std::chrono::steady_clock::now();
    DeployClient trickler(m_port);
    trickler.Send(DeployClient::Length(64 * 1024 * 1024));
    std::string trickled;
    while (std::chrono::steady_clock::now() - start < 5s && !trickler.ClosedByServer()) {
        trickled += trickler.ReadUntilClosed(300);
        trickler.Send("t");
    }
    const auto tricklerHeld = std::chrono::steady_clock::now() - start;
    slow.join();
    EXPECT_EQ(slowAnswer, "KK");
    EXPECT_GT(slowTook, 1900ms);
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), payload);
    EXPECT_EQ(trickled, "K");
    EXPECT_TRUE(trickler.ClosedByServer());
    EXPECT_GT(tricklerHeld, 900ms);
    EXPECT_LT(tricklerHeld, 2500ms);
}

TEST_F(DeployServerTest, AFullDescriptorTableDropsConnectionsWithoutSpinning) {
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers' own checks open descriptors and break without them.
    GTEST_SKIP() << "runs in the build without sanitizers";
#endif
    TrustCa();
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
    TrustCa();
    m_observer.delayMs = 400;
    DeployClient client(m_port);
    client.Send(DeployClient::Length(3) + "abc");
    const std::string answer = client.ReadUntilClosed();
    EXPECT_EQ(answer, "KK");
    EXPECT_TRUE(client.ClosedByServer());
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, PlantedLinksBlockNothing) {
    // Another user's dangling link at the old shared name, and leftovers of
    // an earlier run in a receive folder that others could read.
    m_server.reset();
    const std::string shared = SystemPaths::Fixed("/tmp/SchoolSettings.tar");
    ASSERT_EQ(symlink((m_tree / "nowhere").c_str(), shared.c_str()), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(lchown(shared.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(chmod(ReceiveFolder::Path().c_str(), 0755), 0);
    TestTree::WriteFile(ReceiveFolder::Path() + "/.SchoolSettings.tar.Ab12Cd", "partial");
    TestTree::WriteFile(ArchiveFile(), "an old archive");
    StartServer(Limits(1s));
    struct stat st;
    ASSERT_EQ(lstat(ReceiveFolder::Path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{});

    TrustCa();
    EXPECT_EQ(DeployClient::Push(m_port, "first"), "KK");
    EXPECT_EQ(m_observer.Archives(), std::vector<std::string>{"first"});
    // A link at the archive's own name is replaced, never followed.
    TestTree::WriteFile(m_tree / "elsewhere", "keep");
    ASSERT_EQ(::unlink(ArchiveFile().c_str()), 0);
    ASSERT_EQ(symlink((m_tree / "elsewhere").c_str(), ArchiveFile().c_str()), 0);
    EXPECT_EQ(DeployClient::Push(m_port, "second"), "KK");
    EXPECT_EQ(m_observer.Archives(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(TestTree::ReadFile(m_tree / "elsewhere"), "keep");
    EXPECT_FALSE(TestTree::Exists(m_tree / "nowhere"));
    ASSERT_EQ(lstat(shared.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the shared temporary folder is not used";
}

TEST_F(DeployServerTest, ABurstWhileTheImportRunsHoldsFewDescriptors) {
    TrustCa();
    const int idle = OpenDescriptors();
    m_observer.Hold(true);
    DeployClient first(m_port);
    first.Send(DeployClient::Length(5) + "first");
    EXPECT_EQ(first.ReadUntilClosed(1000), "KK") << "in the hand-over, held there";
    // 700 pushes, four from each address, each sent whole at once; the next
    // one follows the answer to its length, so that the listen queue never
    // overflows.
    std::vector<std::unique_ptr<DeployClient>> pushes;
    std::vector<std::string> answers;
    int peak = 0;
    const auto serverSide = [&] { return OpenDescriptors() - static_cast<int>(pushes.size()) - 1; };
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 700; ++i) {
        pushes.push_back(std::make_unique<DeployClient>(m_port, "127.0.2." + std::to_string(1 + i / 4 % 200)));
        pushes.back()->Send(DeployClient::Length(8) + "push " + std::to_string(100 + i));
        answers.push_back(pushes.back()->ReadSome(1000));
        if (i % 50 == 49)
            peak = std::max(peak, serverSide());
    }
    const auto burst = std::chrono::steady_clock::now() - start;
    peak = std::max(peak, serverSide());
    // A place holds its connection, and its file while the payload comes in.
    EXPECT_LE(peak, idle + 2 * 64 + 2) << "descriptors beyond the server's places";
    m_observer.Hold(false);
    EXPECT_EQ(first.ReadUntilClosed(), "");
    std::map<std::string, int> seen;
    for (size_t i = 0; i < pushes.size(); ++i)
        ++seen[answers[i] + pushes[i]->ReadUntilClosed()];
    pushes.clear();
    first.Close();
    EXPECT_LT(burst, 3s);
    EXPECT_GE(seen["KK"], 1) << "the newest waiting archive is imported";
    EXPECT_EQ(seen["KK"] + seen["K"] + seen[""], 700);
    for (int i = 0; i < 100 && OpenDescriptors() > idle; ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(OpenDescriptors(), idle);
    EXPECT_EQ(DeployClient::Push(m_port, "honest"), "KK");
}

TEST_F(DeployServerTest, EachHandOverFindsItsOwnArchive) {
    TrustCa();
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
    EXPECT_EQ(DeployClient::Push(m_port, Ca()), "KK");
    later.Send("ond");
    EXPECT_EQ(later.ReadUntilClosed(), "KK");
    EXPECT_EQ(TestTree::ReadFile(CaFile()), Ca());
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
    TrustCa();
    const off_t part = 1 << 20;
    const std::string sent = DeployClient::Length(64 * 1024 * 1024) + std::string(part, 'p');
    const std::string folder = ReceiveFolder::Path();
    const auto received = [&] {
        std::set<std::string> names = Listing(folder);
        struct stat st;
        return names.size() == 1 && ::stat((folder + "/" + *names.begin()).c_str(), &st) == 0 && st.st_size == part;
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
    for (int i = 0; i < 100 && !Listing(folder).empty(); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Listing(folder), std::set<std::string>{}) << "nothing is left when the peer goes";
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
