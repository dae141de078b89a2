#ifndef TIDEWAVE_TEST_DEPLOYSERVERFIXTURE_H
#define TIDEWAVE_TEST_DEPLOYSERVERFIXTURE_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "DeployServer.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "SilentChurn.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestTree.h"

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

// A deploy server on a port of its own at 127.0.0.1 (a step of 1 s unless
// a test starts another), with a program folder and an observer of its
// hand-overs; shared by the server's tests.
class DeployServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        m_program = m_tree / "program";
        TestTree::MakeDirs(m_program);
        ProgramFolder::Set(m_program);
        m_certs = std::make_unique<TestCertificates>(m_tree.Path());
        KXClientSubject::GetInstance()->SetObserver(&m_observer);
        StartServer(Limits(std::chrono::seconds(1)));
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
    // How many files the folder holds once each holds `bytes`; 0 before.
    static size_t FilesOf(const std::string& folder, int64_t bytes) {
        size_t files = 0;
        struct stat st;
        for (const std::string& name : Listing(folder)) {
            if (::stat((folder + "/" + name).c_str(), &st) != 0 || st.st_size != bytes)
                return 0;
            ++files;
        }
        return files;
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
    // The teacher's machine pushes 512 KiB count times, each in writes
    // pieces gap apart, from an address of its own; how many pushes were
    // confirmed.
    int PacedPushes(int count, int writes, std::chrono::milliseconds gap) {
        int confirmed = 0;
        for (int i = 0; i < count; ++i) {
            const std::string archive(512 * 1024, static_cast<char>('a' + i));
            confirmed += DeployClient::PushPaced(m_port, archive, writes, gap, "127.0.0.9") == "KK";
        }
        return confirmed;
    }
    // Runs pushes, with the real limits, while silent connections churn at
    // perSecond from before the first push until after the last.
    template <typename Pushes>
    void DuringAChurn(int perSecond, Pushes pushes) {
        StartServer(DeployLimits());
        TrustCa();
        SilentChurn churn(m_port, perSecond);
        ASSERT_TRUE(Await([&] { return churn.Closed() > 0; })) << "the churn fills every place";
        const auto start = std::chrono::steady_clock::now();
        pushes();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        churn.Stop();
        EXPECT_GE(churn.Opened(), perSecond * seconds / 2) << "the churn kept up its pace";
    }
    // Waits (up to `budget`) until ready() holds.
    template <typename Ready>
    static bool Await(Ready ready, std::chrono::milliseconds budget = std::chrono::seconds(10)) {
        const auto end = std::chrono::steady_clock::now() + budget;
        while (!ready() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return ready();
    }

    TestTree m_tree;
    std::string m_program;
    std::unique_ptr<TestCertificates> m_certs;
    CountingObserver m_observer;
    std::unique_ptr<DeployServer> m_server;
    unsigned short m_port = 0;
};

#endif
