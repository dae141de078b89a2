#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "InstanceLock.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

// Runs Acquire in a child process (locks belong to processes) and returns
// its result.
int AcquireInChild(const std::string& path) {
    const pid_t pid = fork();
    if (pid == 0) {
        int fd = -1;
        std::string error;
        _exit(InstanceLock::Acquire(path, fd, error));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(InstanceLock, TheFirstProcessHoldsItAndASecondIsTurnedAway) {
    const std::string path = InstanceLock::DefaultPath();
    EXPECT_EQ(path, TestEnvironment::Home() + "/.twm_lock");
    EXPECT_EQ(AcquireInChild(path), InstanceLock::ACQUIRED) << "nobody holds it yet";

    int fd = -1;
    std::string error;
    ASSERT_EQ(InstanceLock::Acquire(path, fd, error), InstanceLock::ACQUIRED);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(AcquireInChild(path), InstanceLock::HELD_ELSEWHERE);
    close(fd);
    EXPECT_EQ(AcquireInChild(path), InstanceLock::ACQUIRED) << "the lock goes with its holder";
}

TEST(InstanceLock, AnUnusableHomeIsAnErrorNotAnotherInstance) {
    TestTree tree;
    int fd = -1;
    std::string error;
    EXPECT_EQ(InstanceLock::Acquire(tree / "no-such-folder/.twm_lock", fd, error), InstanceLock::FAILED);
    EXPECT_EQ(fd, -1);
    EXPECT_NE(error.find("no-such-folder"), std::string::npos);
}
