#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "DeployServer.h"
#include "ImportFixture.h"
#include "KXClientSubject.h"
#include "SettingsRepublisher.h"
#include "SystemPaths.h"

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
    TestTree::WriteFile(SystemPaths::Fixed("/tmp/SchoolSettings.tar"), TestTree::ReadFile(archive));
    bool published = false;
    SettingsRepublisher::Hooks hooks;
    hooks.requestPublish = [&] { published = true; };
    SettingsRepublisher(hooks).Republish();
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Classroom.profile")), "mine");
    EXPECT_TRUE(published);
}

}  // namespace
