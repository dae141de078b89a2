// The deploy server's rules without a server: when a connection is given
// up, who gets a place, and what waits for the hand-over.
#include <condition_variable>
#include <filesystem>
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

TEST(TransferDeadlineTest, SilenceAndTheWholeExchange) {
    const Clock::time_point t0{};
    const auto at = [t0](double seconds) {
        return t0 + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };
    // 30 s of silence at most; the whole exchange 30 s plus the length at
    // 32 KiB/s.
    struct Case {
        const char* what;
        int64_t length;          // announced; -1 while the length is not in
        double bytesEvery;       // seconds between received bytes; 0 for none
        double until;            // the peer stops sending then
        double alive, dead;      // still served at `alive`, given up by `dead`
    };
    const Case cases[] = {
        {"silent from the start", -1, 0, 0, 29.9, 30},
        {"a length trickled in", -1, 10, 1000, 29.9, 30},
        {"silent after its last byte", 1 << 20, 1, 10, 39.9, 40},
        // 4 MiB at 100 kB/s takes 42 s; the old whole-step limit was 30 s.
        {"slow but steady", 4 << 20, 0.01, 42, 42, 200},
        // 1 MiB allows 30 + 32 s, whatever comes in between.
        {"a byte every 29 s", 1 << 20, 29, 1000, 61.9, 62},
    };
    for (const Case& c : cases) {
        TransferDeadline deadline(30s, 32 * 1024, t0);
        if (c.length >= 0)
            deadline.OnLength(c.length);
        double t = 0;
        bool cutEarly = false;
        for (; c.bytesEvery > 0 && t + c.bytesEvery <= std::min(c.until, c.alive); t += c.bytesEvery) {
            cutEarly = cutEarly || deadline.Expired(at(t + c.bytesEvery));
            deadline.OnProgress(at(t + c.bytesEvery));
        }
        EXPECT_FALSE(cutEarly) << c.what;
        EXPECT_FALSE(deadline.Expired(at(c.alive))) << c.what;
        EXPECT_TRUE(deadline.Expired(at(c.dead))) << c.what;
    }
}

TEST(DeployAdmissionTest, QuotaCapAndEarlyDrop) {
    const Clock::time_point t0{};
    int a = 0, b = 0, c = 0, d = 0;   // keys
    const uint32_t one = 1, two = 2, three = 3;
    const DeployAdmission::SendingTest nobodySends = [](DeployAdmission::Key) { return false; };

    DeployAdmission admission({4, 2, 1s});
    EXPECT_TRUE(admission.Admit(one, 0, t0, nobodySends).admit);
    admission.Add(&a, one, t0);
    admission.Add(&b, one, t0 + 100ms);
    // A source at its quota gets in only by closing one of its own that
    // fell silent, whatever the others do.
    admission.Add(&c, two, t0 - 10s);
    DeployAdmission::Decision decision = admission.Admit(one, 0, t0 + 500ms, nobodySends);
    EXPECT_FALSE(decision.admit);
    decision = admission.Admit(one, 0, t0 + 1s, nobodySends);
    EXPECT_TRUE(decision.admit);
    EXPECT_EQ(decision.evict, &a);
    EXPECT_EQ(admission.Admit(two, 0, t0 + 1s, nobodySends).evict, nullptr) << "below the cap, nobody goes";

    // At the cap (deliveries handed over count too) the one silent longest
    // makes room, once silent long enough.
    admission.Add(&d, three, t0 + 900ms);
    EXPECT_EQ(admission.Count(), 4);
    decision = admission.Admit(three, 0, t0 + 1s, nobodySends);
    EXPECT_EQ(decision.evict, &c);
    admission.Remove(&c);
    decision = admission.Admit(three, 1, t0 + 1500ms, nobodySends);
    EXPECT_TRUE(decision.admit);
    EXPECT_EQ(decision.evict, &a);
    // Progress renews a place; so does a connection found sending.
    admission.Progress(&a, t0 + 1500ms);
    decision = admission.Admit(three, 1, t0 + 1900ms, nobodySends);
    EXPECT_EQ(decision.evict, &b) << "a progressed; b is silent longest";
    const DeployAdmission::SendingTest bSends = [&b](DeployAdmission::Key k) { return k == &b; };
    decision = admission.Admit(three, 1, t0 + 2s, bSends);
    EXPECT_EQ(decision.evict, &d);
    decision = admission.Admit(three, 1, t0 + 2050ms, nobodySends);
    EXPECT_EQ(decision.evict, &d) << "b, found sending, was renewed";
    admission.Remove(&d);
    // Only peers that progressed within the eviction time, and deliveries:
    // the newcomer is turned away.
    decision = admission.Admit(three, 2, t0 + 2100ms, nobodySends);
    EXPECT_FALSE(decision.admit);
    EXPECT_EQ(decision.evict, nullptr);
    admission.Remove(&a);
    admission.Remove(&b);
    EXPECT_FALSE(admission.Admit(three, 4, t0 + 60s, nobodySends).admit) << "deliveries are never closed for it";
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
