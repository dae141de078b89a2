#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "TestTree.h"

namespace {

std::string Script(const TestTree& tree, const std::string& name, const std::string& body) {
    const std::string path = tree / name;
    TestTree::WriteFile(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
}

// Running or sleeping: a killed process may stay a zombie until its new
// parent reaps it.
bool Alive(pid_t pid) {
    const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
    if (!TestTree::Exists(stat))
        return false;
    const std::string text = TestTree::ReadFile(stat);
    const size_t paren = text.rfind(')');
    return paren != std::string::npos && paren + 2 < text.size() && text[paren + 2] != 'Z';
}

}  // namespace

TEST(ChildProcess, ArgumentsArriveUnchangedWithoutAShell) {
    TestTree tree;
    const std::string echo = Script(tree, "args", "for a in \"$@\"; do printf '[%s]' \"$a\"; done\n");
    const CapturedOutput out =
        ChildProcess::Capture({echo, "-n", "two words", "a;b", "$(id)", "`id`", ""}, 4096, 5000);
    EXPECT_FALSE(out.timedOut);
    EXPECT_FALSE(out.cut);
    EXPECT_EQ(out.output, "[-n][two words][a;b][$(id)][`id`][]");
}

TEST(ChildProcess, OnlyStandardOutputComesBackAndNoOtherDescriptorIsPassedOn) {
    TestTree tree;
    const int inherited = open("/dev/null", O_RDONLY);  // not close-on-exec
    ASSERT_GE(inherited, 3);
    const std::string probe = Script(tree, "probe",
                                     "echo to-error >&2\n"
                                     "read line && echo read-something\n"
                                     "ls /proc/self/fd | sort -n | tr '\\n' ' '\n");
    const CapturedOutput out = ChildProcess::Capture({probe}, 4096, 5000);
    close(inherited);
    // 0, 1, 2, and the descriptor ls opens to read the folder.
    EXPECT_EQ(out.output, "0 1 2 3 ");
}

TEST(ChildProcess, ASleeperIsKilledAtTheTimeOutWithWhatItStarted) {
    // Also when it closed its output before sleeping.
    for (const char* closing : {"", "exec >&-\n"}) {
        TestTree tree;
        const std::string sleeper = Script(tree, "sleeper", std::string("echo started\n") + closing +
                                                                "sleep 30 &\necho $! > '" + (tree / "child") +
                                                                "'\nwait\n");
        const auto start = std::chrono::steady_clock::now();
        const CapturedOutput out = ChildProcess::Capture({sleeper}, 4096, 300);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_TRUE(out.timedOut) << closing;
        EXPECT_EQ(out.output, "started\n");
        EXPECT_LT(took, std::chrono::milliseconds(1500)) << closing;
        const pid_t grandchild = std::stoi(TestTree::ReadFile(tree / "child"));
        for (int i = 0; i < 100 && Alive(grandchild); ++i)
            usleep(10000);
        EXPECT_FALSE(Alive(grandchild)) << closing;
        EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "every child is reaped";
    }
}

TEST(ChildProcess, AFloodIsCutAtTheBound) {
    const CapturedOutput out = ChildProcess::Capture({"yes", "flood"}, 1000, 10000);
    EXPECT_TRUE(out.cut);
    EXPECT_FALSE(out.timedOut);
    EXPECT_EQ(out.output.size(), 1000u);
    EXPECT_EQ(out.output.substr(0, 12), "flood\nflood\n");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(ChildProcess, AProgramThatCannotStartGivesNothing) {
    const std::vector<std::string> cases[] = {
        {"/nonexistent/program"}, {}, {"sh", "-c", std::string("echo ran\0", 9)},  // not cut at the NUL
    };
    for (const auto& argv : cases) {
        const CapturedOutput out = ChildProcess::Capture(argv, 100, 1000);
        EXPECT_EQ(out.output, "");
        EXPECT_FALSE(out.timedOut);
    }
}
