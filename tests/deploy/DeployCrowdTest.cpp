// The deploy server's places under a crowd: pushes from a teacher's machine
// get in while other peers hold, stall, churn or trickle.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include <poll.h>
#include <sys/socket.h>

#include <ace/Log_Msg.h>
#include <ace/Log_Msg_Backend.h>
#include <ace/Log_Record.h>

#include "DeployServerFixture.h"
#include "Tricklers.h"

namespace {

using namespace std::chrono_literals;

// Holds the first thread that logs a line with text in it, from then until
// Release, as a server thread held up by a slow disk or a busy machine.
class HeldLog : public ACE_Log_Msg_Backend {
public:
    explicit HeldLog(std::string text) : m_text(std::move(text)), m_previous(ACE_Log_Msg::msg_backend(this)) {
        ACE_LOG_MSG->set_flags(ACE_Log_Msg::CUSTOM);
    }
    ~HeldLog() override {
        Release();
        ACE_LOG_MSG->clr_flags(ACE_Log_Msg::CUSTOM);
        ACE_Log_Msg::msg_backend(m_previous);
    }
    int open(const ACE_TCHAR*) override { return 0; }
    int reset() override { return 0; }
    int close() override { return 0; }
    ssize_t log(ACE_Log_Record& record) override {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_state == kArmed && std::string(record.msg_data()).find(m_text) != std::string::npos) {
            m_state = kHolding;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_state == kReleased; });
        }
        return 0;
    }
    // Whether a thread came to be held (within 5 s).
    bool AwaitHeld() {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, 5s, [this] { return m_state == kHolding; });
    }
    void Release() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = kReleased;
        m_changed.notify_all();
    }

private:
    enum State { kArmed, kHolding, kReleased };
    const std::string m_text;
    ACE_Log_Msg_Backend* const m_previous;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = kArmed;
};

// A teacher's machine just over the floor rate, for longer than the keep-up
// span, from an address of its own: its length with 64 KiB (a write ahead
// through its first span), then 32 KiB every 950 ms, 16 times; its
// answers.  Past its first span any 10 s of it hold ten of those writes,
// the floor's amount exactly, even when one comes up to half a second
// later than the one ten before it.
std::string PushJustOverTheFloorRate(unsigned short port) {
    const std::string piece(32 * 1024, 'f');
    DeployClient teacher(port, "127.0.0.9");
    const auto start = std::chrono::steady_clock::now();
    teacher.Send(DeployClient::Length(18 * static_cast<int32_t>(piece.size())) + piece + piece);
    for (int i = 1; i <= 16; ++i) {
        std::this_thread::sleep_until(start + i * 950ms);
        teacher.Send(piece);
    }
    return teacher.ReadUntilClosed();
}

TEST_F(DeployServerTest, ATeacherJustOverTheFloorRateLandsPastTheKeepUpSpanDuringAChurn) {
    DuringAChurn(1000, [this] { EXPECT_EQ(PushJustOverTheFloorRate(m_port), "KK"); });
    const std::string pushed(18 * 32 * 1024, 'f');
    EXPECT_TRUE(TestTree::Exists(ArchiveFile()) && TestTree::ReadFile(ArchiveFile()) == pushed);
}

TEST_F(DeployServerTest, ATeacherJustOverTheFloorRateLandsPastTheKeepUpSpanBesideACrowd) {
    StartServer(DeployLimits());
    TrustCa();
    Tricklers crowd(m_port, 4 * 1024, 250ms);
    ASSERT_TRUE(Await([&] { return crowd.Answered() >= 64; })) << "the crowd holds every place";
    EXPECT_EQ(PushJustOverTheFloorRate(m_port), "KK");
    crowd.Stop();
    EXPECT_GE(crowd.Cut(), 16) << "the crowd kept coming for places";
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

// Nine of ten pushes confirmed.  The pushes come 1.3 s apart (a teacher's
// 2 s, shortened), a spacing that does not fall into step with the churn's
// own rhythm.
TEST_F(DeployServerTest, HonestPushesGetInDuringAChurnOfTwoHundredSilentConnectionsASecond) {
    DuringAChurn(200, [this] { EXPECT_GE(HonestPushes(10, 1300ms), 9); });
}

TEST_F(DeployServerTest, HonestPushesGetInDuringAChurnOfAThousandSilentConnectionsASecond) {
    DuringAChurn(1000, [this] { EXPECT_GE(HonestPushes(10, 1300ms), 9); });
}

// A teacher that sends four times the floor rate, but pauses between its
// writes longer than the churn's connections live: each push lands.
TEST_F(DeployServerTest, APacedTeacherLandsDuringAChurnOfTwoHundredSilentConnectionsASecond) {
    DuringAChurn(200, [this] { EXPECT_EQ(PacedPushes(3, 8, 500ms), 3) << "64 KiB every 500 ms"; });
}

TEST_F(DeployServerTest, APacedTeacherLandsDuringAChurnOfAThousandSilentConnectionsASecond) {
    DuringAChurn(1000, [this] { EXPECT_EQ(PacedPushes(3, 40, 100ms), 3) << "12.8 KiB every 100 ms"; });
}

// Every place held by peers that send, at half the floor rate, and come
// back when closed: they do not keep the paced teacher out.
TEST_F(DeployServerTest, APacedTeacherLandsWhileEveryPlaceSendsAtHalfTheFloorRate) {
    StartServer(DeployLimits());
    TrustCa();
    Tricklers crowd(m_port, 4 * 1024, 250ms);
    ASSERT_TRUE(Await([&] { return crowd.Answered() >= 64; })) << "the crowd holds every place";
    EXPECT_GE(PacedPushes(5, 8, 500ms), 4);
    crowd.Stop();
    EXPECT_GE(crowd.Cut(), 4) << "the teacher took places of the crowd";
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

// The server reads a connection's bytes a moment after they arrive; until
// then the connection looks silent.  Here that moment is stretched: the
// server is held while it notes that it closed one connection for a
// newcomer, and meanwhile a peer sends the rest of its payload and another
// newcomer comes.  The peer, silent longest by what the server has read,
// is sending all the same and keeps its place.
TEST_F(DeployServerTest, APeerWhoseBytesWaitUnreadKeepsItsPlace) {
    HeldLog held("silent for longest to let new ones in");
    DeployLimits limits = Limits(20s);
    limits.maxConnections = 2;
    StartServer(limits);
    TrustCa();
    DeployClient silent(m_port, "127.0.0.5");
    DeployClient sender(m_port, "127.0.0.2");
    sender.Send(DeployClient::Length(4));
    ASSERT_EQ(sender.ReadSome(2000), "K");
    std::this_thread::sleep_for(100ms);  // 4 bytes no longer keep up
    DeployClient first(m_port, "127.0.0.3");
    ASSERT_TRUE(held.AwaitHeld()) << "the server noted no closing";
    sender.Send("data");
    DeployClient second(m_port, "127.0.0.4");
    held.Release();
    EXPECT_EQ(sender.ReadUntilClosed(), "K") << "closed with its bytes waiting";
    EXPECT_EQ(silent.ReadUntilClosed(2000), "");
    EXPECT_TRUE(silent.ClosedByServer()) << "the silent one made room for the first";
    EXPECT_EQ(first.ReadUntilClosed(2000), "");
    EXPECT_TRUE(first.ClosedByServer()) << "the first, silent, made room for the second";
    second.Send(DeployClient::Length(4) + "next");
    EXPECT_EQ(second.ReadUntilClosed(), "KK");
    m_server.reset();  // before the log is let go
}

}  // namespace
