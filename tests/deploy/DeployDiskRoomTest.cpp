// The deploy server's room on disk: what peers announce never fills the
// file system of the receive folder.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <sys/stat.h>

#include "DeployConstants.h"
#include "DeployServerFixture.h"
#include "SmallFileSystem.h"

namespace {

using namespace std::chrono_literals;

const int64_t kMiB = 1 << 20;

// The least free space of a file system from now until Stop.
class LeastFree {
public:
    explicit LeastFree(const SmallFileSystem& disk)
        : m_least(disk.Free()), m_thread([this, &disk] {
              for (; !m_stop; std::this_thread::sleep_for(std::chrono::milliseconds(1)))
                  m_least = std::min<int64_t>(m_least, disk.Free());
          }) {}
    ~LeastFree() { Stop(); }
    int64_t Stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_least;
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<int64_t> m_least;
    std::thread m_thread;
};

TEST_F(DeployServerTest, PeersAnnouncingTheLargestLengthLeaveTheReserveOfASmallDiskFree) {
    SmallFileSystem disk(TestEnvironment::Home(), 1024 * kMiB);
    if (!disk.Mounted())
        GTEST_SKIP() << "the home folder on a small file system needs the right to mount: " << disk.Failure();
    const int64_t reserve = disk.Size() / 10;
    const std::string folder = ReceiveFolder::Path();
    // Each peer's file once the server has written all it read (a peer
    // closed to make room takes its file along).
    const auto filesWritten = [&folder] { return FilesOf(folder, 48 * kMiB); };
    // Keeping up judged over 1 s, for the real 10 s.
    DeployLimits limits = Limits(20s);
    limits.keepUpSpan = 1s;
    StartServer(limits);
    TrustCa();
    const int64_t room = disk.Free() - reserve;
    LeastFree leastFree(disk);

    // 64 peers from 16 addresses each announce 64 MiB and send 48 MiB at once.
    std::vector<std::unique_ptr<DeployClient>> peers;
    for (int i = 0; i < 64; ++i) {
        peers.push_back(std::make_unique<DeployClient>(m_port, "127.0.4." + std::to_string(1 + i % 16)));
        std::this_thread::sleep_for(1ms);  // within the listen backlog
    }
    const std::string sent = DeployClient::Length(64 * kMiB) + std::string(48 * kMiB, 'x');
    std::vector<std::string> answers(peers.size());
    std::vector<std::thread> senders;
    for (size_t i = 0; i < peers.size(); ++i) {
        senders.emplace_back([&, i] {
            peers[i]->Send(sent);
            answers[i] = peers[i]->ReadSome(5000);
        });
    }
    for (std::thread& t : senders)
        t.join();
    // A peer let in may yet be closed for a later one once it went silent
    // for the span: a slow machine lets more in, but never more at once
    // than the room holds.
    const int64_t let = std::count(answers.begin(), answers.end(), "K");
    EXPECT_GE(let, room / (64 * kMiB)) << "refused though there was room";
    EXPECT_TRUE(Await([&] { return filesWritten() > 0; }, 60s)) << "what was let in is written";
    EXPECT_LE(static_cast<int64_t>(filesWritten()), room / (64 * kMiB)) << "more held than the room";

    // Past the span they no longer keep up: a push too large for the room
    // left closes the one silent longest.
    std::this_thread::sleep_for(1200ms);
    const std::string honest(64 * kMiB, 'h');
    EXPECT_EQ(DeployClient::Push(m_port, honest, "127.0.0.9"), "KK");
    EXPECT_TRUE(TestTree::Exists(ArchiveFile()) && TestTree::ReadFile(ArchiveFile()) == honest);
    peers.clear();
    EXPECT_TRUE(Await([&] { return Listing(folder) == std::set<std::string>{"SchoolSettings.tar"}; }))
        << "files of the peers stayed";
    EXPECT_TRUE(Await([&] { return disk.Free() >= disk.Size() - 65 * kMiB; })) << "room of the peers stayed taken";
    EXPECT_GE(leastFree.Stop(), reserve) << "the disk was filled past its reserve";
    m_server.reset();
}

// A tight room on a disk of 1 MiB, with lengths that are not a whole
// number of its blocks: a file takes its last block whole.
TEST_F(DeployServerTest, ALengthIsLetInOnlyWhenItsLastBlockFitsWhole) {
    SmallFileSystem disk(TestEnvironment::Home(), kMiB);
    if (!disk.Mounted())
        GTEST_SKIP() << "the home folder on a small file system needs the right to mount: " << disk.Failure();
    StartServer(Limits(30s));
    TrustCa();
    const int64_t reserve = (disk.Size() + 9) / 10;
    const int64_t room = disk.Free() - reserve;
    const int64_t whole = room / disk.Block() * disk.Block();
    ASSERT_LT(whole, room) << "the room is a whole number of blocks";

    DeployClient over(m_port, "127.0.0.2");
    over.Send(DeployClient::Length(static_cast<int32_t>(whole + 1)));
    EXPECT_EQ(over.ReadSome(5000), std::string(1, '\0')) << (whole + 1) << " bytes in a room of " << room;
    const std::string fits(static_cast<size_t>(whole), 'w');
    EXPECT_EQ(DeployClient::Push(m_port, fits, "127.0.0.9"), "KK");
    EXPECT_TRUE(TestTree::Exists(ArchiveFile()) && TestTree::ReadFile(ArchiveFile()) == fits);
    EXPECT_GE(disk.Free(), reserve);
}

// On the same disk a newcomer's length fits only when a silent holder is
// closed: it is closed, and its room, what it wrote and what it had still
// to write, goes to the newcomer once.  The floor rate is set beyond
// reach, so that no holder keeps up and the room alone decides.
TEST_F(DeployServerTest, AHolderClosedForRoomIsClosedAndFreesWhatItWroteAndWhatWasToCome) {
    SmallFileSystem disk(TestEnvironment::Home(), kMiB);
    if (!disk.Mounted())
        GTEST_SKIP() << "the home folder on a small file system needs the right to mount: " << disk.Failure();
    DeployLimits limits = Limits(30s);
    limits.floorBytesPerSecond = int64_t{1} << 40;
    StartServer(limits);
    TrustCa();
    const std::string folder = ReceiveFolder::Path();
    const int64_t block = disk.Block();
    const int64_t reserve = (disk.Size() + 9) / 10;
    LeastFree leastFree(disk);

    // The holder announces 100 blocks and a byte, sends 50 blocks and a byte.
    DeployClient holder(m_port, "127.0.0.2");
    holder.Send(DeployClient::Length(static_cast<int32_t>(100 * block + 1)));
    ASSERT_EQ(holder.ReadSome(5000), "K");
    const int64_t written = 50 * block + 1;
    holder.Send(std::string(static_cast<size_t>(written), 'o'));
    ASSERT_TRUE(Await([&] { return FilesOf(folder, written) == 1; })) << "the holder's bytes are written";
    std::this_thread::sleep_for(2ms);  // past the millisecond its bytes earned

    // Beyond the room left, by half of what the holder wrote.
    const int64_t room = disk.Free() - reserve;
    const std::string payload(static_cast<size_t>((room + written / 2) / block * block + 1), 'n');
    DeployClient newcomer(m_port, "127.0.0.9");
    newcomer.Send(DeployClient::Length(static_cast<int32_t>(payload.size())));
    ASSERT_EQ(newcomer.ReadSome(5000), "K") << payload.size() << " bytes, " << room << " and the holder's free";
    EXPECT_EQ(holder.ReadUntilClosed(2000), "");
    EXPECT_TRUE(holder.ClosedByServer()) << "the holder whose room was given is still open";
    newcomer.Send(payload);
    EXPECT_EQ(newcomer.ReadUntilClosed(), "K");
    EXPECT_TRUE(TestTree::Exists(ArchiveFile()) && TestTree::ReadFile(ArchiveFile()) == payload);
    EXPECT_EQ(Listing(folder), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_GE(leastFree.Stop(), reserve) << "the disk was filled past its reserve";
}

// The cheapest holders of the port: from every place (16 addresses) a
// length and one burst that keeps up for the span, then silence.  They
// cost the laptop what the bursts bring, and a socket and a file each.
// With the largest length only as many hold room as the disk takes, and a
// teacher lands beside them at once; with lengths that fit, they hold every
// place, and keep a teacher at its real pace out no longer than the span
// after their bytes.
TEST_F(DeployServerTest, BurstsThenSilenceFromEveryPlaceCostTheirBytesAndHoldThePortForTheSpanOnly) {
    SmallFileSystem disk(TestEnvironment::Home(), 1024 * kMiB);
    if (!disk.Mounted())
        GTEST_SKIP() << "the home folder on a small file system needs the right to mount: " << disk.Failure();
    const DeployLimits limits;  // the real ones
    StartServer(limits);
    TrustCa();
    const std::string folder = ReceiveFolder::Path();
    const int64_t burst = 2 * limits.floorBytesPerSecond *
                          std::chrono::duration_cast<std::chrono::seconds>(limits.keepUpSpan).count();
    const std::string archive(512 * 1024, 'h');
    const int64_t room = disk.Free() - disk.Size() / 10;
    for (const int32_t length : {DeployConstants::kMaxPayloadSize, static_cast<int32_t>(8 * kMiB)}) {
        SCOPED_TRACE(length);
        const size_t handedOver = m_observer.Archives().size();
        const int64_t freeBefore = disk.Free();
        const int descriptorsBefore = OpenDescriptors();
        std::vector<std::unique_ptr<DeployClient>> peers;
        for (int i = 0; i < limits.maxConnections; ++i) {
            peers.push_back(std::make_unique<DeployClient>(m_port, "127.0.5." + std::to_string(1 + i % 16)));
            peers.back()->Send(DeployClient::Length(length) + std::string(burst, 'b'));
        }
        size_t let = 0;
        for (auto& peer : peers)
            let += peer->ReadSome(5000) == "K";
        EXPECT_EQ(let, std::min<size_t>(peers.size(), room / length)) << "room set aside for each length let in";
        ASSERT_TRUE(Await([&] { return FilesOf(folder, burst) == let; }));
        const auto silent = std::chrono::steady_clock::now();
        EXPECT_LE(freeBefore - disk.Free(), static_cast<int64_t>(let) * (burst + 64 * 1024)) << "disk";
        EXPECT_LE(OpenDescriptors() - descriptorsBefore, static_cast<int>(peers.size() + 2 * let)) << "descriptors";
        if (let < peers.size()) {
            // Places were left; the room beside theirs takes a teacher.
            EXPECT_EQ(DeployClient::PushPaced(m_port, archive, 8, 500ms, "127.0.0.9"), "KK");
        } else {
            EXPECT_EQ(DeployClient::Push(m_port, archive, "127.0.0.9"), "") << "let in while every place keeps up";
            // 64 KiB every half second, once the span passed since their
            // last bytes.
            std::this_thread::sleep_until(silent + limits.keepUpSpan + 200ms);
            EXPECT_EQ(DeployClient::PushPaced(m_port, archive, 8, 500ms, "127.0.0.9"), "KK");
            EXPECT_LT(std::chrono::steady_clock::now() - silent, limits.keepUpSpan + 6s) << "kept out past the span";
        }
        peers.clear();
        EXPECT_TRUE(Await([&] { return Listing(folder) == std::set<std::string>{"SchoolSettings.tar"}; }))
            << "files of the peers stayed";
        EXPECT_TRUE(Await([&] { return m_observer.Archives().size() == handedOver + 1; })) << "handed over";
        std::remove(ArchiveFile().c_str());
    }
    m_server.reset();
}

}  // namespace
