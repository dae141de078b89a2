#include <atomic>
#include <fstream>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "DeployServer.h"
#include "ImportFixture.h"
#include "KXClientSubject.h"
#include "RawArchive.h"
#include "ReceiveFolder.h"
#include "SettingsRepublisher.h"

namespace {

class DeployEndToEndTest : public ImportFixture {};

// What the hand-over did: written on the server's side, read by the test.
class StepLog {
public:
    void Add(const std::string& step) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_steps.push_back(step);
    }
    std::vector<std::string> Take() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::exchange(m_steps, {});
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_steps;
};

TEST_F(DeployEndToEndTest, PushedArchiveReachesTheSettingsFolder) {
    // A fresh machine: the CA arrives first.
    std::remove((m_programFolder + "/cacert.pem").c_str());
    StepLog steps;
    std::atomic<bool> publishRequested{false};
    SettingsRepublisher::Hooks hooks;
    hooks.runOnGuiThread = [&](const std::function<void()>& f) { steps.Add("gui"); f(); };
    hooks.refreshMainWindow = [&] { steps.Add("main"); return true; };
    hooks.refreshProfileManager = [&] { steps.Add("manager"); return false; };
    hooks.reloadPolicy = [&] {
        steps.Add("policy:" + TestTree::ReadFile(SettingsFile("NetworkPolicy.xml")));
        return true;
    };
    hooks.requestPublish = [&] { steps.Add("publish"); publishRequested = true; };
    SettingsRepublisher republisher(hooks);
    KXClientSubject::GetInstance()->SetObserver(&republisher);

    DeployServer server(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"));
    ASSERT_EQ(server.Open(), 0);
    ASSERT_EQ(server.Start(), 0);

    EXPECT_EQ(DeployClient::Push(server.Port(), TestTree::ReadFile(m_certs->caFile)), "KK");
    // No archive yet: only the publish request.
    EXPECT_EQ(steps.Take(), std::vector<std::string>{"publish"});

    const std::string archive = MakeArchive("push.tar", {{"sslservercert.pem", ServerCert()},
                                                         {"Classroom.profile", "<profile>c</profile>"},
                                                         {"Library.profile", "<profile>l</profile>"},
                                                         {"NetworkPolicy.xml", "<policy v='1'/>"}});
    EXPECT_EQ(DeployClient::Push(server.Port(), TestTree::ReadFile(archive)), "KK");
    server.Stop();
    KXClientSubject::GetInstance()->SetObserver(nullptr);

    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Classroom.profile")), "<profile>c</profile>");
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Library.profile")), "<profile>l</profile>");
    EXPECT_TRUE(publishRequested);
    EXPECT_EQ(steps.Take(), (std::vector<std::string>{"gui", "main", "manager", "policy:<policy v='1'/>", "publish"}));
    EXPECT_TRUE(LeftInWorkFolder().empty());
}

TEST_F(DeployEndToEndTest, ArchiveWithForeignCertificateChangesNothing) {
    TestTree::WriteFile(SettingsFile("Classroom.profile"), "mine");
    const std::string archive = MakeArchive("bad.tar", {{"sslservercert.pem", TestTree::ReadFile(m_certs->foreignCert)},
                                                        {"Classroom.profile", "theirs"}});
    ASSERT_TRUE(ReceiveFolder::Make());
    TestTree::WriteFile(ReceiveFolder::ArchivePath(), TestTree::ReadFile(archive));
    bool published = false;
    SettingsRepublisher::Hooks hooks;
    hooks.requestPublish = [&] { published = true; };
    SettingsRepublisher(hooks).Republish();
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Classroom.profile")), "mine");
    EXPECT_TRUE(published);
}

TEST_F(DeployEndToEndTest, AnArchiveOfSharedBytesWritesLittle) {
    // 3 MiB: 1024 entries over the same 1 MiB of data, no certificate.
    const uint32_t dataStart = 2056 + 1024 * 2056;
    std::vector<RawArchive::Entry> entries;
    for (int k = 0; k < 1024; ++k)
        entries.push_back({dataStart, 1 << 20, RawArchive::Text("f" + std::to_string(k) + ".profile")});
    const std::string archive = RawArchive::Build(1024, entries, {std::string(1 << 20, 'x')});
    const auto written = [] {
        std::ifstream io("/proc/self/io");
        for (std::string line; std::getline(io, line);)
            if (line.rfind("wchar:", 0) == 0)
                return std::stoll(line.substr(6));
        return -1LL;
    };
    SettingsRepublisher republisher{SettingsRepublisher::Hooks()};
    KXClientSubject::GetInstance()->SetObserver(&republisher);
    DeployServer server(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"));
    ASSERT_EQ(server.Open(), 0);
    ASSERT_EQ(server.Start(), 0);
    const long long before = written();
    EXPECT_EQ(DeployClient::Push(server.Port(), archive), "KK");
    EXPECT_EQ(DeployClient::Push(server.Port(), archive), "KK");
    const long long after = written();
    server.Stop();
    KXClientSubject::GetInstance()->SetObserver(nullptr);
    EXPECT_LE(after - before, 8LL << 20) << "bytes written for two pushes";
    EXPECT_FALSE(TestTree::Exists(SettingsFile("f0.profile")));
    EXPECT_TRUE(LeftInWorkFolder().empty());
}

}  // namespace
