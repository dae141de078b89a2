#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SimTestFixture.h"
#include "SystemPaths.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

class WriteFileTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        TestEnvironment::ResetFolders();
        admin = SystemPaths::AdminDir();
    }

    static int Write(const std::string& word) {
        char buf[RVL_TEXT_BUFFER] = {};
        std::strncpy(buf, word.c_str(), sizeof buf - 1);
        return RVL_WriteFile(buf);
    }

    // Nothing but `expected` in the admin folder (no temporary left over).
    void ExpectOnly(const std::string& expected) {
        std::string listing;
        EXPECT_TRUE(TestTree::Exists(admin + "/" + expected));
        int count = 0;
        if (DIR* d = opendir(admin.c_str())) {
            while (dirent* e = readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                    ++count, listing += std::string(e->d_name) + " ";
            closedir(d);
        }
        EXPECT_EQ(count, 1) << listing;
    }

    TestTree tree;
    std::string admin;
};

TEST_F(WriteFileTest, CopiesIntoTheAdminFolderReplacingAnOlderFile) {
    ASSERT_FALSE(TestTree::Exists(admin));
    TestTree::WriteFile(tree / "School.profile", "first");
    ASSERT_EQ(Write(tree / "School.profile"), 0);
    EXPECT_EQ(TestTree::ReadFile(admin + "/School.profile"), "first");
    struct stat st;
    ASSERT_EQ(stat(admin.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);

    // A reader holding the old file keeps it whole; the name gets the new one.
    int old = open((admin + "/School.profile").c_str(), O_RDONLY);
    TestTree::WriteFile(tree / "School.profile", "second, longer");
    ASSERT_EQ(Write(tree / "School.profile"), 0);
    char buf[32] = {};
    EXPECT_EQ(read(old, buf, sizeof buf), 5);
    close(old);
    EXPECT_EQ(TestTree::ReadFile(admin + "/School.profile"), "second, longer");
    ExpectOnly("School.profile");
}

TEST_F(WriteFileTest, RefusesWhatIsNotAReadableRegularFile) {
    TestTree::MakeDirs(tree / "folder.profile");
    EXPECT_NE(Write(tree / "folder.profile"), 0);
    EXPECT_NE(Write(tree / "missing.profile"), 0);
    EXPECT_NE(Write(tree.Path() + "/"), 0);
    EXPECT_NE(Write(""), 0);
    TestTree::WriteFile(tree / "real", "secret");
    ASSERT_EQ(symlink((tree / "real").c_str(), (tree / "link.profile").c_str()), 0);
    EXPECT_NE(Write(tree / "link.profile"), 0);
    EXPECT_FALSE(TestTree::Exists(admin + "/folder.profile"));
    EXPECT_FALSE(TestTree::Exists(admin + "/link.profile"));

    // A failed copy leaves the file already there untouched.
    TestTree::WriteFile(tree / "Keep.profile", "kept");
    ASSERT_EQ(Write(tree / "Keep.profile"), 0);
    ASSERT_EQ(unlink((tree / "Keep.profile").c_str()), 0);
    EXPECT_NE(Write(tree / "Keep.profile"), 0);
    EXPECT_EQ(TestTree::ReadFile(admin + "/Keep.profile"), "kept");
    ExpectOnly("Keep.profile");
}

TEST_F(WriteFileTest, ShellCharactersInNamesAreJustNames) {
    const std::string names[] = {"a;touch pwned", "$(touch pwned2)", "`touch pwned3`", "x' | touch pwned4 '"};
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(tree.Path().c_str()), 0);
    for (const std::string& name : names) {
        TestTree::WriteFile(tree / name, name);
        EXPECT_EQ(Write(tree / name), 0) << name;
        EXPECT_EQ(TestTree::ReadFile(admin + "/" + name), name);
    }
    for (const char* planted : {"pwned", "pwned2", "pwned3", "pwned4"}) {
        EXPECT_FALSE(TestTree::Exists(tree / planted));
        EXPECT_FALSE(TestTree::Exists(admin + "/" + planted));
    }
    ASSERT_EQ(chdir(cwd), 0);
}

TEST_F(WriteFileTest, UnterminatedWordIsRefused) {
    char buf[RVL_TEXT_BUFFER];
    std::memset(buf, 'a', sizeof buf);
    EXPECT_NE(RVL_WriteFile(buf), 0);
}

TEST_F(WriteFileTest, KillallKeepsAStaticAddressDhclientBringsDhcpBack) {
    char ip[RVL_TEXT_BUFFER] = "10.9.8.7", mask[RVL_TEXT_BUFFER] = "255.255.255.0",
         gw[RVL_TEXT_BUFFER] = "10.9.8.1", dns[RVL_TEXT_BUFFER] = "10.9.8.2";
    SimControl::SetDelays(0, 0, 100);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "192.168.10.57");

    // With the DHCP client running its lease comes back over a static address.
    ASSERT_EQ(RVL_SetIPAddress(RVL_ADAPTER_WIRED, ip, mask, gw, dns), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "10.9.8.7");
    EXPECT_TRUE(WaitFor([] { return Address(RVL_ADAPTER_WIRED) == "192.168.10.57"; }));

    ASSERT_EQ(Write("killall"), 0);
    ASSERT_EQ(RVL_SetIPAddress(RVL_ADAPTER_WIRED, ip, mask, gw, dns), 0);
    // Ten DHCP delays later the static address still stands.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "10.9.8.7");

    SimControl::SetDelays(0, 0, 1500);
    ASSERT_EQ(Write("dhclient"), 0);
    EXPECT_EQ(Address(RVL_ADAPTER_WIRED), "127.0.0.1");
    EXPECT_TRUE(WaitFor([] { return Address(RVL_ADAPTER_WIRED) == "192.168.10.57"; }));
    EXPECT_FALSE(TestTree::Exists(admin + "/killall"));
    EXPECT_FALSE(TestTree::Exists(admin + "/dhclient"));
}

TEST_F(WriteFileTest, StaticAddressMustBeDottedText) {
    char ip[RVL_TEXT_BUFFER] = "010.9.8.7", mask[RVL_TEXT_BUFFER] = "255.255.255.0", gw[RVL_TEXT_BUFFER] = "",
         dns[RVL_TEXT_BUFFER] = "";
    EXPECT_NE(RVL_SetIPAddress(RVL_ADAPTER_WIRED, ip, mask, gw, dns), 0);
    std::strcpy(ip, "10.9.8.7; reboot");
    EXPECT_NE(RVL_SetIPAddress(RVL_ADAPTER_WIRED, ip, mask, gw, dns), 0);
    std::strcpy(ip, "10.9.8.7");
    EXPECT_EQ(RVL_SetIPAddress(RVL_ADAPTER_WIRED, ip, mask, gw, dns), 0);
    EXPECT_NE(RVL_SetIPAddress(7, ip, mask, gw, dns), 0);
}

}  // namespace
