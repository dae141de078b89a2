#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <cstdlib>
#include <cstdio>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <poll.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "DeployServer.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "SilentChurn.h"
#include "SystemPaths.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "Tricklers.h"

namespace {

using namespace std::chrono_literals;

// Counts hand-overs; can take its time like a real import, or wait until
// the test lets it end.
class CountingObserver : public KXClientObserver {
public:
    void Republish() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const std::string archive = ReceiveFolder::ArchivePath();
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
        m_certs = std::make_unique<TestCertificates>(m_tree.Path());
        KXClientSubject::GetInstance()->SetObserver(&m_observer);
        StartServer(Limits(1s));
    }
    static DeployLimits Limits(std::chrono::milliseconds step) {
        DeployLimits limits;
        limits.step = step;
        return limits;
    }
    void StartServer(const DeployLimits& limits) {
        m_server.reset();
        m_server = std::make_unique<DeployServer>(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"), limits);
        ASSERT_EQ(m_server->Open(), 0);
        ASSERT_EQ(m_server->Start(), 0);
        m_port = m_server->Port();
        ASSERT_NE(m_port, 0);
    }
    void TearDown() override {
        m_observer.Hold(false);
        m_server.reset();
        KXClientSubject::GetInstance()->SetObserver(nullptr);
    }

    std::string CaFile() const { return m_program + "/cacert.pem"; }
    std::string Ca() const { return TestTree::ReadFile(m_certs->caFile); }
    // With a CA in place every delivery is a settings archive.
    void TrustCa() { TestTree::WriteFile(CaFile(), Ca()); }
    static std::string ArchiveFile() { return ReceiveFolder::ArchivePath(); }
    static std::set<std::string> Listing(const std::string& folder) {
        std::set<std::string> names;
        if (DIR* d = opendir(folder.c_str())) {
            while (dirent* e = readdir(d))
                names.insert(e->d_name);
            closedir(d);
        }
        names.erase(".");
        names.erase("..");
        return names;
    }
    static int OpenDescriptors() { return static_cast<int>(Listing("/proc/self/fd").size()); }
    // The teacher's machine pushes a settings archive count times, spacing
    // apart, from an address of its own; how many pushes were confirmed.
    int HonestPushes(int count, std::chrono::milliseconds spacing) {
        int confirmed = 0;
        for (int i = 0; i < count; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const std::string archive(64 * 1024, static_cast<char>('a' + i));
            confirmed += DeployClient::Push(m_port, archive, "127.0.0.9") == "KK";
            std::this_thread::sleep_until(start + spacing);
        }
        return confirmed;
    }
    // Nine of ten pushes confirmed while silent connections churn at
    // perSecond, from before the first push until after the last.  The
    // pushes come 1.3 s apart (a teacher's 2 s, shortened), a spacing that
    // does not fall into step with the churn's own rhythm.
    void PushTenTimesDuringAChurn(int perSecond) {
        StartServer(DeployLimits());
        TrustCa();
        SilentChurn churn(m_port, perSecond);
        ASSERT_TRUE(Await([&] { return churn.Closed() > 0; })) << "the churn fills every place";
        const auto start = std::chrono::steady_clock::now();
        EXPECT_GE(HonestPushes(10, 1300ms), 9);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        churn.Stop();
        EXPECT_GE(churn.Opened(), perSecond * seconds / 2) << "the churn kept up its pace";
    }
    // Waits (up to 10 s) until ready() holds.
    template <typename Ready>
    static bool Await(Ready ready) {
        for (int i = 0; i < 1000 && !ready(); ++i)
            std::this_thread::sleep_for(10ms);
        return ready();
    }

    TestTree m_tree;
    std::string m_program;
    std::unique_ptr<TestCertificates> m_certs;
    CountingObserver m_observer;
    std::unique_ptr<DeployServer> m_server;
    unsigned short m_port = 0;
};

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

TEST_F(DeployServerTest, OneHostHoldingSixtyFourLeavesRoomForHonestPushes) {
    // A host keeps 64 connections open and reopens each one dropped, while
    // another pushes 20 times.
    StartServer(Limits(500ms));
    TrustCa();
    std::atomic<bool> stop{false};
    std::atomic<int> reopened{0};
    // A connection a millisecond, so that the listen queue takes them all.
    const auto open = [this] {
        std::this_thread::sleep_for(1ms);
        return std::make_unique<DeployClient>(m_port, "127.0.0.2");
    };
    std::thread hostile([&] {
        std::vector<std::unique_ptr<DeployClient>> held;
        for (int i = 0; i < 64; ++i)
            held.push_back(open());
        while (!stop) {
            std::vector<pollfd> fds;
            for (auto& c : held)
                fds.push_back(pollfd{c->Fd(), POLLIN, 0});
            ::poll(fds.data(), fds.size(), 10);
            for (size_t i = 0; i < held.size(); ++i) {
                char c;
                if (fds[i].fd < 0 || (fds[i].revents != 0 && ::recv(fds[i].fd, &c, 1, MSG_DONTWAIT) <= 0)) {
                    held[i] = open();
                    ++reopened;
                }
            }
        }
    });
    std::this_thread::sleep_for(200ms);
    int confirmed = 0;
    for (int i = 0; i < 20; ++i) {
        confirmed += DeployClient::Push(m_port, "push " + std::to_string(i), "127.0.0.3") == "KK";
        std::this_thread::sleep_for(100ms);
    }
    stop = true;
    hostile.join();
    EXPECT_GE(confirmed, 19);
    EXPECT_GT(reopened.load(), 64) << "the host did keep reopening";
}

TEST_F(DeployServerTest, AnHonestPushGetsInAtOnceBehindThreeHundredStalledPeers) {
    StartServer(DeployLimits());
    TrustCa();
    // Half a length word, a length and nothing more, part of a payload,
    // nothing at all; from 240 addresses.
    const std::string stalls[] = {std::string("\x05\x00", 2), DeployClient::Length(1000),
                                  DeployClient::Length(1000) + std::string(500, 'p'), ""};
    std::vector<std::unique_ptr<DeployClient>> stalled;
    for (int i = 0; i < 300; ++i) {
        stalled.push_back(std::make_unique<DeployClient>(m_port, "127.0.1." + std::to_string(1 + i % 240)));
        stalled.back()->Send(stalls[i % 4]);
        std::this_thread::sleep_for(1ms);  // within the listen backlog
    }

    const std::string honest(4096, 'h');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeployClient::Push(m_port, honest, "127.0.0.9"), "KK");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), honest);
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DeployServerTest, HonestPushesGetInDuringAChurnOfTwoHundredSilentConnectionsASecond) {
    PushTenTimesDuringAChurn(200);
}

TEST_F(DeployServerTest, HonestPushesGetInDuringAChurnOfAThousandSilentConnectionsASecond) {
    PushTenTimesDuringAChurn(1000);
}

TEST_F(DeployServerTest, HonestPushesGetInWhileEveryPlaceTrickles) {
    // A step of 3 s for the real 30 s: a trickler, which announces 64 MiB,
    // is cut within 4 s as it is within 40 s with the real step.
    StartServer(Limits(3s));
    TrustCa();
    Tricklers tricklers(m_port);
    ASSERT_TRUE(Await([&] { return tricklers.Answered() >= 64; })) << "the tricklers hold every place";
    EXPECT_GE(HonestPushes(5, 2s), 4);
    const std::vector<Tricklers::Clock::duration> lives = tricklers.Stop();
    EXPECT_GE(tricklers.Cut(), 64);
    EXPECT_LT(*std::max_element(lives.begin(), lives.end()), 4s) << "a trickler held its place too long";
}

TEST_F(DeployServerTest, AtTheCapTheSilentLongestMakesRoomNotSendersOrDeliveries) {
    DeployLimits limits = Limits(20s);
    limits.maxConnections = 3;
    StartServer(limits);
    TrustCa();
    // Place 1: a delivery whose import runs.
    m_observer.Hold(true);
    DeployClient importing(m_port, "127.0.0.2");
    importing.Send(DeployClient::Length(3) + "abc");
    EXPECT_EQ(importing.ReadUntilClosed(1000), "KK");
    EXPECT_FALSE(importing.ClosedByServer());
    // Place 2: a silent peer; place 3: one that keeps sending.
    DeployClient silent(m_port, "127.0.0.4");
    std::atomic<bool> stop{false};
    DeployClient sender(m_port, "127.0.0.3");
    sender.Send(DeployClient::Length(1000));
    std::thread sending([&] {
        for (int i = 0; i < 999 && !stop; ++i) {
            sender.Send("s");
            std::this_thread::sleep_for(10ms);
        }
    });
    std::this_thread::sleep_for(500ms);

    DeployClient newcomer(m_port, "127.0.0.5");
    EXPECT_EQ(silent.ReadUntilClosed(2000), "") << "the silent one makes room";
    EXPECT_TRUE(silent.ClosedByServer());
    // Silent since it came in, the newcomer is the next to make room.
    std::this_thread::sleep_for(500ms);
    DeployClient next(m_port, "127.0.0.6");
    EXPECT_EQ(newcomer.ReadUntilClosed(2000), "");
    EXPECT_TRUE(newcomer.ClosedByServer());
    stop = true;
    sending.join();
    EXPECT_EQ(sender.ReadUntilClosed(300), "K") << "the sender kept its place";
    EXPECT_FALSE(sender.ClosedByServer());
    m_observer.Hold(false);
    EXPECT_EQ(importing.ReadUntilClosed(), "");
    EXPECT_TRUE(importing.ClosedByServer());
    next.Send(DeployClient::Length(4) + "data");
    EXPECT_EQ(next.ReadUntilClosed(), "KK");
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
