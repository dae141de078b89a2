// The deploy server's rules without a server: when a connection is given
// up, who gets a place, and what waits for the hand-over.
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Delivery.h"
#include "DeployAdmission.h"
#include "HandOverWorker.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "TransferDeadline.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(TransferDeadlineTest, SilenceAndWhatWasReceived) {
    const Clock::time_point t0{};
    const auto at = [t0](double seconds) {
        return t0 + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };
    // 30 s of silence at most; the whole exchange 30 s plus what was
    // received at 32 KiB/s.
    struct Case {
        const char* what;
        int64_t burst;           // bytes received at 1 s
        int64_t bytes;           // then bytes every so many seconds, until
        double every, until;
        double alive, dead;      // still served at `alive`, given up by `dead`
    };
    const Case cases[] = {
        {"silent from the start", 0, 0, 0, 0, 29.9, 30},
        {"silent after a burst", 1 << 20, 0, 0, 0, 30.9, 31},
        // Whatever length it announced: 64 MiB allowed 35 minutes before.
        {"a byte every 0.5 s", 0, 1, 0.5, 1000, 29.9, 30.01},
        {"4 MiB at 100 kB/s", 0, 1000, 0.01, 42, 42, 72},
        {"exactly the floor rate", 0, 32 * 1024, 1, 100, 129.9, 130},
        {"a burst buys time for a trickle after it", 1 << 20, 1, 20, 1000, 61.9, 62.01},
    };
    for (const Case& c : cases) {
        TransferDeadline deadline(30s, 32 * 1024, t0);
        bool cutEarly = false;
        const auto receive = [&](int64_t bytes, double t) {
            cutEarly = cutEarly || deadline.Expired(at(t));
            deadline.OnReceived(bytes, at(t));
        };
        if (c.burst > 0)
            receive(c.burst, 1);
        for (double t = c.every; c.every > 0 && t <= std::min(c.until, c.alive); t += c.every)
            receive(c.bytes, t);
        EXPECT_FALSE(cutEarly) << c.what;
        EXPECT_FALSE(deadline.Expired(at(c.alive))) << c.what;
        EXPECT_TRUE(deadline.Expired(at(c.dead))) << c.what;
    }
}

TEST(DeployAdmissionTest, TheSilentLongestMakesRoomUnlessItKeepsUpWithTheFloorRate) {
    // A cap of 4 places, 2 per source, the floor rate 32 KiB/s.
    const Clock::time_point t0{};
    const int64_t kKiB = 1024;
    const int64_t kMiB = 1024 * kKiB;
    struct Peer {
        uint32_t source;
        int silentMs;
        bool sending;          // bytes wait to be read
        int64_t received = 0;  // silentMs ago, since it came in
        int lifeMs = 0;        // lifeMs ago (when longer than its silence)
        int64_t burst = 0;     // before, 1 s after it came in,
        int trickleMs = 0;     // then a byte every trickleMs until received
    };
    const int kAdmitted = -1, kRefused = -2;
    struct Case {
        const char* what;
        std::vector<Peer> peers;
        int held;        // deliveries handed over
        uint32_t from;   // the newcomer's source
        int outcome;     // the peer closed for it, or kAdmitted, kRefused
    };
    const Case cases[] = {
        {"room below the cap and the quota", {{1, 5, false}, {2, 0, false}}, 1, 1, kAdmitted},
        {"at the cap", {{1, 2, false}, {2, 3, false}, {3, 1, false}, {4, 0, false}}, 0, 5, 1},
        {"at the cap, none silent at all", {{1, 0, false}, {2, 0, false}, {3, 0, false}, {4, 0, false}}, 0, 5, 0},
        {"a peer with bytes waiting stays", {{1, 9, true}, {2, 3, false}, {3, 1, false}, {4, 0, false}}, 0, 5, 1},
        {"deliveries take places and stay", {{1, 5, false}, {2, 6, false}}, 2, 3, 1},
        {"only deliveries", {}, 4, 3, kRefused},
        {"every peer sending", {{1, 5, true}, {2, 4, true}, {3, 3, true}, {4, 2, true}}, 0, 5, kRefused},
        {"at the quota, below the cap", {{1, 1, false}, {2, 9, false}, {1, 2, false}}, 0, 1, 2},
        {"at the quota, its own sending", {{1, 1, true}, {2, 9, false}, {1, 2, true}}, 0, 1, kRefused},
        {"at the quota and the cap", {{2, 9, false}, {1, 1, false}, {1, 0, true}, {3, 8, false}}, 0, 1, 1},
        // 64 KiB in 1.9 s keeps up, however long its pause; 16 KiB in 1 s
        // does not, nor does nothing at all in no time.
        {"one keeping up stays though silent longest",
         {{1, 490, false, 64 * kKiB, 1900}, {2, 5, false}, {3, 1, false}, {4, 0, false}}, 0, 5, 1},
        {"half the floor rate does not keep up",
         {{1, 490, false, 16 * kKiB, 1000}, {2, 5, false}, {3, 1, false}, {4, 0, false}}, 0, 5, 0},
        {"just come in, nothing received",
         {{1, 9, false, 64 * kKiB, 1900}, {2, 5, false, 4 * kKiB, 100}, {3, 0, false, 1, 0}, {4, 0, false}}, 0, 5, 3},
        {"every place keeping up",
         {{1, 90, false, 64 * kKiB, 1900}, {2, 5, false, 4 * kKiB, 100}, {3, 0, false, 1, 0}, {4, 0, true}}, 0, 5,
         kRefused},
        {"at the quota, its own keeping up", {{1, 400, false, 32 * kKiB, 900}, {2, 9, false}, {1, 2, true}}, 0, 1,
         kRefused},
        // Keeping up is judged over the last 10 s: a burst shields its
        // holder for that span and no longer, however large.
        {"a burst 9 s ago shields its holder", {{1, 1000, false, 1, 10000, 64 * kMiB}, {2, 5, true}, {3, 1, true}}, 2,
         5, kRefused},
        {"a burst 10 s ago no longer does", {{1, 1000, false, 1, 11000, 64 * kMiB}, {2, 5, true}, {3, 1, true}}, 2, 5,
         0},
        {"a burst 34 min ago, a byte every 29 s since",
         {{1, 9000, false, 1, 2040000, 64 * kMiB, 29000}, {2, 5, false}, {3, 1, false}, {4, 0, true}}, 0, 5, 0},
        {"320 KiB over the last 10 s, after a pause", {{1, 1500, false, 320 * kKiB, 30000, 1}, {2, 5, false}}, 2, 5,
         1},
    };
    for (const Case& c : cases) {
        DeployAdmission admission({4, 2, 32 * kKiB, 10s});
        for (const Peer& p : c.peers) {
            const Clock::time_point admitted = t0 - std::chrono::milliseconds(std::max(p.silentMs, p.lifeMs));
            const Clock::time_point last = t0 - std::chrono::milliseconds(p.silentMs);
            admission.Add(&p, p.source, admitted);
            if (p.burst > 0)
                admission.Progress(&p, p.burst, admitted + 1s);
            for (auto t = admitted + 1s + std::chrono::milliseconds(p.trickleMs); p.trickleMs > 0 && t < last;
                 t += std::chrono::milliseconds(p.trickleMs))
                admission.Progress(&p, 1, t);
            admission.Progress(&p, p.received, last);
        }
        // Each connection is to be asked once at most; a search that goes
        // round again is let out after a while, and fails below.
        std::map<DeployAdmission::Key, int> asked;
        int asks = 0;
        const DeployAdmission::SendingTest sending = [&](DeployAdmission::Key key) {
            ++asked[key];
            return ++asks < 100 && static_cast<const Peer*>(key)->sending;
        };
        const DeployAdmission::Decision decision = admission.Admit(c.from, c.held, t0, sending);
        EXPECT_EQ(decision.admit, c.outcome != kRefused) << c.what;
        EXPECT_EQ(decision.evict, c.outcome >= 0 ? &c.peers[static_cast<size_t>(c.outcome)] : nullptr) << c.what;
        for (const auto& [key, times] : asked)
            EXPECT_EQ(times, 1) << c.what;
    }
    // Progress renews a place.
    const Peer peers[] = {{1, 0, false}, {2, 0, false}};
    DeployAdmission admission({2, 2, 32 * kKiB, 10s});
    admission.Add(&peers[0], 1, t0);
    admission.Add(&peers[1], 2, t0 + 1ms);
    admission.Progress(&peers[0], 1, t0 + 2ms);
    EXPECT_EQ(admission.Admit(3, 0, t0 + 1s, nullptr).evict, &peers[1]);
    admission.Remove(&peers[1]);
    EXPECT_EQ(admission.Admit(3, 0, t0 + 1s, nullptr).evict, nullptr);
}

// Keeping up is judged over the whole of the last 10 s: every write in it
// counts, and sending exactly the floor's amount for it is enough.
TEST(DeployAdmissionTest, WhatArrivedOverTheWholeLastSpanPaysForIt) {
    const Clock::time_point t0{};
    const auto at = [t0](int ms) { return t0 + std::chrono::milliseconds(ms); };
    const int64_t kKiB = 1024;
    // 32 KiB at every whole second plus 999 ms; at 19.5 s a newcomer
    // finds both places taken, the other by a peer that sent one byte at
    // 19.4 s.  The last 10 s hold ten of the teacher's writes.
    const int teacher = 0, peer = 0;
    DeployAdmission admission({2, 2, 32 * kKiB, 10s});
    admission.Add(&teacher, 1, t0);
    admission.Progress(&teacher, 4, t0);
    for (int s = 0; s < 19; ++s)
        admission.Progress(&teacher, 32 * kKiB, at(s * 1000 + 999));
    admission.Add(&peer, 2, at(19000));
    admission.Progress(&peer, 1, at(19400));
    EXPECT_EQ(admission.Admit(3, 0, at(19500), nullptr).evict, &peer) << "the teacher was closed";

    // Alone in the only place, a connection that keeps writing is probed
    // every millisecond from its first span's end to 30 s.
    struct Case {
        const char* what;
        int64_t bytes;
        int everyMs, firstMs;  // from the first write on
        bool shieldedThroughout;
    };
    const Case cases[] = {
        {"32 KiB each second, 999 ms into it", 32 * kKiB, 1000, 999, true},
        {"32 KiB each second, as it begins", 32 * kKiB, 1000, 0, true},
        {"4 KiB every 125 ms", 4 * kKiB, 125, 60, true},
        {"64 KiB every 2 s, 1.5 s into them", 64 * kKiB, 2000, 1500, true},
        {"320 KiB every 10 s", 320 * kKiB, 10000, 7300, true},
        {"31 KiB each second", 31 * kKiB, 1000, 999, false},
    };
    for (const Case& c : cases) {
        DeployAdmission alone({1, 1, 32 * kKiB, 10s});
        const int writer = 0;
        alone.Add(&writer, 1, t0);
        int next = c.firstMs;
        int unshielded = 0;
        for (int ms = 0; ms <= 30000; ++ms) {
            for (; next <= ms; next += c.everyMs)
                alone.Progress(&writer, c.bytes, at(next));
            if (ms >= 10000 && alone.Admit(2, 0, at(ms), nullptr).evict == &writer)
                ++unshielded;
        }
        EXPECT_EQ(unshielded == 0, c.shieldedThroughout) << c.what << ": unshielded for " << unshielded << " ms";
    }
}

TEST(DeployAdmissionTest, ALengthFitsInTheRoomLeftOrTheSilentLongestMakeIt) {
    // Peers that came in 30 s ago and announced a length then; what they
    // wrote of it arrived silentMs ago.  Sizes in MiB.
    const Clock::time_point t0{};
    const int64_t kMiB = 1 << 20;
    struct Peer {
        int silentMs;
        bool sending;
        int64_t announced;  // 0: none set aside yet
        int64_t written;
    };
    const int kRefused = -1;
    struct Case {
        const char* what;
        std::vector<Peer> peers;
        int64_t length, room;  // the newcomer's, and the room found on disk
        std::vector<int> evict;  // or {kRefused}
    };
    const Case cases[] = {
        {"fits exactly beside what is still to come", {{15000, false, 64, 48}}, 64, 80, {}},
        {"short of room: the silent one makes it", {{15000, false, 64, 48}}, 64, 79, {0}},
        {"one keeping up stays", {{1000, false, 64, 48}}, 64, 79, {kRefused}},
        {"one sending stays", {{15000, true, 64, 48}}, 64, 79, {kRefused}},
        {"as many as it takes, silent longest first, of those with room",
         {{20000, false, 8, 8}, {25000, false, 0, 0}, {15000, false, 16, 0}, {18000, false, 64, 0}}, 64, 100, {0, 3}},
        {"all of them not enough", {{20000, false, 8, 8}, {15000, false, 16, 0}, {18000, false, 64, 0}}, 64, 20,
         {kRefused}},
    };
    for (const Case& c : cases) {
        DeployAdmission admission({64, 64, 32 * 1024, 10s});
        for (const Peer& p : c.peers) {
            admission.Add(&p, 1, t0 - 30s);
            admission.Progress(&p, 4, t0 - 30s);
            if (p.announced > 0) {
                ASSERT_TRUE(admission.Reserve(&p, p.announced * kMiB, 1 << 30, t0 - 30s, nullptr).fits) << c.what;
            }
            admission.Progress(&p, p.written * kMiB, t0 - std::chrono::milliseconds(p.silentMs));
        }
        const int newcomer = 0;
        admission.Add(&newcomer, 2, t0);
        admission.Progress(&newcomer, 4, t0);
        std::map<DeployAdmission::Key, int> asked;
        const DeployAdmission::SendingTest sending = [&asked](DeployAdmission::Key key) {
            return ++asked[key] == 1 && static_cast<const Peer*>(key)->sending;
        };
        const DeployAdmission::RoomDecision decision =
            admission.Reserve(&newcomer, c.length * kMiB, c.room * kMiB, t0, sending);
        const bool refused = c.evict == std::vector<int>{kRefused};
        EXPECT_EQ(decision.fits, !refused) << c.what;
        std::vector<DeployAdmission::Key> evict;
        for (int i : c.evict) {
            if (!refused)
                evict.push_back(&c.peers[static_cast<size_t>(i)]);
        }
        EXPECT_EQ(decision.evict, evict) << c.what;
        for (const auto& [key, times] : asked)
            EXPECT_EQ(times, 1) << c.what;
    }
}

// Records each hand-over; can hold the one in progress until released.
class HeldObserver : public KXClientObserver {
public:
    void Republish() override {
        std::unique_lock<std::mutex> lock(m_mutex);
        archives.push_back(TestTree::Exists(ReceiveFolder::ArchivePath())
                               ? TestTree::ReadFile(ReceiveFolder::ArchivePath())
                               : std::string());
        m_entered = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_held; });
    }
    void Hold(bool held) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_held = held;
        m_changed.notify_all();
    }
    void WaitEntered() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_entered; });
    }
    std::vector<std::string> archives;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_entered = false;
};

class HandOverQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        ASSERT_TRUE(ReceiveFolder::Prepare());
        ProgramFolder::Set(m_program.Path());
        KXClientSubject::GetInstance()->SetObserver(&m_observer);
    }
    void TearDown() override {
        m_observer.Hold(false);
        KXClientSubject::GetInstance()->SetObserver(nullptr);
        for (int fd : m_peers)
            ::close(fd);
    }

    // A delivery of content as received on a connection; returns the
    // teacher's end of that connection.
    int Push(HandOverWorker& worker, const std::string& content, bool certificate = false) {
        int pair[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
        auto file = std::make_unique<DownloadFile>();
        EXPECT_TRUE(file->Open(certificate ? m_program / "cacert.pem" : ReceiveFolder::ArchivePath()));
        EXPECT_TRUE(file->Write(content.data(), content.size()));
        worker.Push(std::make_unique<Delivery>(pair[0], std::move(file), certificate));
        m_peers.push_back(pair[1]);
        return pair[1];
    }
    // What the teacher's end got until the server closed it.
    static std::string Answer(int peer) {
        std::string got;
        for (;;) {
            pollfd p{peer, POLLIN, 0};
            char c;
            if (::poll(&p, 1, 5000) != 1 || ::recv(peer, &c, 1, 0) != 1)
                return got;
            got += c;
        }
    }
    // Whether the connection is closed already, without waiting.
    static bool ClosedNow(int peer) {
        pollfd p{peer, POLLIN, 0};
        char c;
        return ::poll(&p, 1, 0) == 1 && ::recv(peer, &c, 1, MSG_PEEK) == 0;
    }
    // Descriptors of this process open on a file in folder.
    static int OpenIn(const std::string& folder) {
        int n = 0;
        DIR* d = opendir("/proc/self/fd");
        while (dirent* e = readdir(d)) {
            char target[4096];
            const ssize_t len = readlink((std::string("/proc/self/fd/") + e->d_name).c_str(), target, sizeof target);
            if (len > 0 && std::string(target, static_cast<size_t>(len)).rfind(folder + "/", 0) == 0)
                ++n;
        }
        closedir(d);
        return n;
    }

    TestTree m_program;
    HeldObserver m_observer;
    std::vector<int> m_peers;
};

TEST_F(HandOverQueueTest, ANewerArchiveSupersedesTheWaitingOne) {
    HandOverWorker worker(4);
    ASSERT_TRUE(worker.Start());
    m_observer.Hold(true);
    const int first = Push(worker, "first");
    m_observer.WaitEntered();
    const int second = Push(worker, "second");
    EXPECT_FALSE(ClosedNow(second));
    const int third = Push(worker, "third");
    // Superseded at once: closed without the confirmation, its file gone.
    EXPECT_EQ(Answer(second), "");
    EXPECT_EQ(worker.Held(), 2);
    EXPECT_EQ(OpenIn(ReceiveFolder::Path()), 0) << "a waiting delivery holds its file's descriptor";
    m_observer.Hold(false);
    EXPECT_EQ(Answer(first), "K");
    EXPECT_EQ(Answer(third), "K");
    worker.Stop();
    EXPECT_EQ(m_observer.archives, (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(worker.Held(), 0);
    // Nothing is left beside the archive.
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(ReceiveFolder::Path()))
        entries.push_back(entry.path().filename());
    EXPECT_EQ(entries, std::vector<std::string>{"SchoolSettings.tar"});
}

TEST_F(HandOverQueueTest, CertificatesWaitInTurnUpToTheLimit) {
    TestTree certs;
    const TestCertificates made(certs.Path());
    HandOverWorker worker(2);
    ASSERT_TRUE(worker.Start());
    m_observer.Hold(true);
    const int archive = Push(worker, "archive");
    m_observer.WaitEntered();
    const int garbage = Push(worker, "not a certificate", true);
    const int ca = Push(worker, TestTree::ReadFile(made.caFile), true);
    const int beyond = Push(worker, TestTree::ReadFile(made.caFile), true);
    EXPECT_EQ(Answer(beyond), "") << "more than the waiting limit";
    m_observer.Hold(false);
    EXPECT_EQ(Answer(archive), "K");
    EXPECT_EQ(Answer(garbage), "") << "garbage is refused, the CA slot stays free";
    EXPECT_EQ(Answer(ca), "K");
    worker.Stop();
    EXPECT_EQ(TestTree::ReadFile(m_program / "cacert.pem"), TestTree::ReadFile(made.caFile));
    EXPECT_EQ(m_observer.archives.size(), 2u);
}

}  // namespace
