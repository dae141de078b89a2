#include <gtest/gtest.h>

#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "TWMUtil.h"
#include "TestTree.h"

namespace {

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 250; ++i) {
        if (TestTree::Exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Our own children that have exited but were not collected.
int ZombieChildren() {
    int zombies = 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr)
        return 0;
    const std::string me = std::to_string(getpid());
    while (const dirent* e = readdir(proc)) {
        const std::string stat = TestTree::Exists(std::string("/proc/") + e->d_name + "/stat")
                                     ? TestTree::ReadFile(std::string("/proc/") + e->d_name + "/stat")
                                     : std::string();
        const size_t close = stat.rfind(')');
        if (close == std::string::npos || close + 4 >= stat.size())
            continue;
        // ") S ppid ..."
        const char state = stat[close + 2];
        const std::string rest = stat.substr(close + 4);
        const std::string ppid = rest.substr(0, rest.find(' '));
        if (state == 'Z' && ppid == me)
            ++zombies;
    }
    closedir(proc);
    return zombies;
}

}  // namespace

TEST(RunInBackground, RunsTheWholeTextAsOneProgramPath) {
    TestTree tree;
    const std::string marker = tree / "ran";
    const std::string injected = tree / "injected";
    // A path with blanks, ";", "$(...)", quotes and backticks: a shell would
    // split it or run the embedded commands.
    const std::string program =
        tree / "auto run; touch injected $(touch injected) `touch injected` 'x'.sh";
    TestTree::WriteFile(program, "#!/bin/sh\necho \"$0\" > '" + marker + "'\n");
    chmod(program.c_str(), 0755);

    const std::string cwd = tree.Path();
    char saved[4096];
    ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
    ASSERT_EQ(chdir(cwd.c_str()), 0);  // a shell's "touch injected" would land here
    const bool started = TWMUtil::RunInBackground(program);
    ASSERT_EQ(chdir(saved), 0);
    ASSERT_TRUE(started);

    ASSERT_TRUE(WaitForFile(marker));
    std::string ran = TestTree::ReadFile(marker);
    if (!ran.empty() && ran.back() == '\n')
        ran.pop_back();
    EXPECT_EQ(ran, program);
    EXPECT_FALSE(TestTree::Exists(injected));
}

TEST(RunInBackground, DoesNotWaitAndLeavesNoZombie) {
    TestTree tree;
    const std::string program = tree / "slow";
    const std::string done = tree / "done";
    TestTree::WriteFile(program, "#!/bin/sh\nsleep 0.3\ntouch '" + done + "'\n");
    chmod(program.c_str(), 0755);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(TWMUtil::RunInBackground(program));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_FALSE(TestTree::Exists(done));
    ASSERT_TRUE(WaitForFile(done));

    int zombies = 1;
    for (int i = 0; i < 100 && zombies != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        zombies = ZombieChildren();
    }
    EXPECT_EQ(zombies, 0);
}

TEST(RunInBackground, PassesOnNoOpenFileBeyondTheStandardStreams) {
    TestTree tree;
    const int fd = open((tree / "held").c_str(), O_CREAT | O_WRONLY, 0600);  // no close-on-exec
    ASSERT_GE(fd, 3);
    const std::string program = tree / "check";
    const std::string result = tree / "result";
    TestTree::WriteFile(program, "#!/bin/sh\nif [ -e /proc/$$/fd/" + std::to_string(fd) +
                                     " ]; then echo open > '" + result + "'; else echo closed > '" + result +
                                     "'; fi\n");
    chmod(program.c_str(), 0755);
    const bool started = TWMUtil::RunInBackground(program);
    close(fd);
    ASSERT_TRUE(started);
    ASSERT_TRUE(WaitForFile(result));
    for (int i = 0; i < 50 && TestTree::ReadFile(result).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(TestTree::ReadFile(result), "closed\n");
}

TEST(RunInBackground, ReportsWhatCannotBeStarted) {
    TestTree tree;
    EXPECT_FALSE(TWMUtil::RunInBackground(""));
    EXPECT_FALSE(TWMUtil::RunInBackground(tree / "no such program"));
    TestTree::WriteFile(tree / "not executable", "#!/bin/sh\n");
    chmod((tree / "not executable").c_str(), 0644);
    EXPECT_FALSE(TWMUtil::RunInBackground(tree / "not executable"));
    EXPECT_FALSE(TWMUtil::RunInBackground(std::string("/bin/true\0; rm -rf x", 19)));
}
