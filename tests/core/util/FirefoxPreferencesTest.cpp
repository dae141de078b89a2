#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "FirefoxPreferences.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "TestTree.h"

extern char** environ;

namespace {

class FirefoxProfiles : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        m_ff = TestEnvironment::Home() + "/.mozilla/firefox";
        TestTree::MakeDirs(m_ff + "/abc.default");
        TestTree::MakeDirs(m_ff + "/Profiles/def.work");
        TestTree::MakeDirs(m_elsewhere.Path() + "/absolute");
        TestTree::WriteFile(m_ff + "/profiles.ini",
                            "[General]\r\nStartWithLastProfile=1\r\n\r\n"
                            "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=abc.default\r\n\r\n"
                            "[Profile1]\nName=work\nPath=Profiles/def.work\n\n"
                            "[Profile2]\nName=abs\nIsRelative=0\nPath=" +
                                m_elsewhere.Path() + "/absolute\n\n"
                                                     "[Install4F96D1932A9F858E]\nDefault=abc.default\n");
    }
    std::string Prefs(const std::string& dir) const { return TestTree::ReadFile(dir + "/prefs.js"); }

    TestTree m_elsewhere;
    std::string m_ff;
};

}  // namespace

TEST_F(FirefoxProfiles, ListsEveryProfileSection) {
    const std::vector<std::string> dirs = FirefoxPreferences(TestEnvironment::Home()).ProfileDirs();
    const std::vector<std::string> expected = {m_ff + "/abc.default", m_ff + "/Profiles/def.work",
                                               m_elsewhere.Path() + "/absolute"};
    EXPECT_EQ(dirs, expected);
}

TEST_F(FirefoxProfiles, NoProfilesIniMeansNothingToDo) {
    TestTree::RemoveAll(m_ff + "/profiles.ini");
    EXPECT_TRUE(TWMUtil::SetFirefoxHomepage("http://school.example/"));
    EXPECT_FALSE(TestTree::Exists(m_ff + "/abc.default/prefs.js"));
}

TEST_F(FirefoxProfiles, HomepageReplacesEarlierLinesAndKeepsTheRest) {
    const std::string dir = m_ff + "/abc.default";
    TestTree::WriteFile(dir + "/prefs.js",
                        "// Mozilla User Preferences\n"
                        "user_pref(\"browser.startup.homepage\", \"http://old/\");\n"
                        "  user_pref(\"browser.startup.homepage\",\"http://older/\");\n"
                        "user_pref(\"browser.startup.homepage_override.mstone\", \"115.0\");\n"
                        "user_pref(\"network.proxy.type\", 0);");
    chmod((dir + "/prefs.js").c_str(), 0640);
    ASSERT_TRUE(TWMUtil::SetFirefoxHomepage("http://school.example/start"));
    EXPECT_EQ(Prefs(dir), "// Mozilla User Preferences\n"
                          "user_pref(\"browser.startup.homepage_override.mstone\", \"115.0\");\n"
                          "user_pref(\"network.proxy.type\", 0);\n"
                          "user_pref(\"browser.startup.homepage\", \"http://school.example/start\");\n");
    struct stat st {};
    ASSERT_EQ(stat((dir + "/prefs.js").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // Profiles without a prefs.js get one.
    EXPECT_EQ(Prefs(m_elsewhere.Path() + "/absolute"),
              "user_pref(\"browser.startup.homepage\", \"http://school.example/start\");\n");
}

TEST_F(FirefoxProfiles, ProxyWritesTheSixLines) {
    ASSERT_TRUE(TWMUtil::SetFirefoxProxy("proxy.school", "+3128"));
    const std::string expected = "user_pref(\"network.proxy.type\", 1);\n"
                                 "user_pref(\"network.proxy.http\", \"proxy.school\");\n"
                                 "user_pref(\"network.proxy.http_port\", 3128);\n"
                                 "user_pref(\"network.proxy.ssl\", \"proxy.school\");\n"
                                 "user_pref(\"network.proxy.ssl_port\", 3128);\n"
                                 "user_pref(\"network.proxy.share_proxy_settings\", true);\n";
    EXPECT_EQ(Prefs(m_ff + "/Profiles/def.work"), expected);
    ASSERT_TRUE(TWMUtil::SetFirefoxProxy("proxy.school", "3128"));
    EXPECT_EQ(Prefs(m_ff + "/Profiles/def.work"), expected);  // replaced, not doubled
}

TEST_F(FirefoxProfiles, QuotesAndBackslashesCannotLeaveTheString) {
    ASSERT_TRUE(TWMUtil::SetFirefoxHomepage("http://x/\"); user_pref(\"evil\", \"1\\"));
    EXPECT_EQ(Prefs(m_ff + "/abc.default"),
              "user_pref(\"browser.startup.homepage\", \"http://x/\\\"); user_pref(\\\"evil\\\", \\\"1\\\\\");\n");
}

TEST_F(FirefoxProfiles, BadValuesWriteNothing) {
    const std::string dir = m_ff + "/abc.default";
    TestTree::WriteFile(dir + "/prefs.js", "user_pref(\"a\", 1);\n");
    EXPECT_FALSE(TWMUtil::SetFirefoxHomepage("http://x/\nuser_pref(\"evil\", 1);"));
    EXPECT_FALSE(TWMUtil::SetFirefoxHomepage("http://caf\xE9/"));
    for (const char* port : {"", "0", "65536", "80a", "-80", "99999999999999999999", " 80"})
        EXPECT_FALSE(TWMUtil::SetFirefoxProxy("proxy", port)) << port;
    EXPECT_FALSE(TWMUtil::SetFirefoxProxy("pro\txy", "80"));
    EXPECT_EQ(Prefs(dir), "user_pref(\"a\", 1);\n");
    EXPECT_FALSE(TestTree::Exists(m_ff + "/Profiles/def.work/prefs.js"));
}

TEST_F(FirefoxProfiles, AMissingProfileFolderFailsButOthersAreWritten) {
    TestTree::RemoveAll(m_ff + "/Profiles");
    EXPECT_FALSE(TWMUtil::SetFirefoxHomepage("http://school/"));
    EXPECT_NE(Prefs(m_ff + "/abc.default").find("http://school/"), std::string::npos);
    EXPECT_NE(Prefs(m_elsewhere.Path() + "/absolute").find("http://school/"), std::string::npos);
}

TEST(FirefoxRunning, SeesAProcessWhoseNameContainsFirefox) {
    const bool before = TWMUtil::IsFirefoxRunning();
    TestTree tree;
    const std::string program = tree / "firefox-dummy";
    TestTree::WriteFile(program, TestTree::ReadFile("/bin/sleep"));
    chmod(program.c_str(), 0755);
    std::string path = program, seconds = "30";
    char* argv[] = {&path[0], &seconds[0], nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
    bool seen = false;
    for (int i = 0; i < 100 && !seen; ++i) {  // the name changes once exec is done
        seen = TWMUtil::IsFirefoxRunning();
        if (!seen)
            usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_TRUE(seen);
    if (!before) {
        EXPECT_FALSE(TWMUtil::IsFirefoxRunning());
    }
}
