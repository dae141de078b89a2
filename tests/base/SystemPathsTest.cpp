#include <cstdlib>

#include <gtest/gtest.h>

#include "SystemPaths.h"
#include "TestEnvironment.h"

namespace {

class RootVariable : public ::testing::Test {
protected:
    void TearDown() override { setenv("TIDEWAVE_ROOT", TestEnvironment::Root().c_str(), 1); }
};

}  // namespace

TEST_F(RootVariable, PrefixesEveryFixedPath) {
    setenv("TIDEWAVE_ROOT", "/srv/demo/", 1);
    EXPECT_EQ(SystemPaths::Fixed("/etc/Lanternfield"), "/srv/demo/etc/Lanternfield");
    EXPECT_EQ(SystemPaths::AdminDir(), "/srv/demo/etc/Lanternfield");
    EXPECT_EQ(SystemPaths::GuestDir(), "/srv/demo/etc/GuestProfile");
    EXPECT_EQ(SystemPaths::ResourceDir(), "/srv/demo/usr/share/Tidewave/resource");
}

TEST_F(RootVariable, UnsetEmptyOrSlashMeansTheRealFileSystem) {
    unsetenv("TIDEWAVE_ROOT");
    EXPECT_EQ(SystemPaths::AdminDir(), "/etc/Lanternfield");
    setenv("TIDEWAVE_ROOT", "", 1);
    EXPECT_EQ(SystemPaths::Fixed("/tmp/SchoolSettings.tar"), "/tmp/SchoolSettings.tar");
    setenv("TIDEWAVE_ROOT", "///", 1);
    EXPECT_EQ(SystemPaths::GuestDir(), "/etc/GuestProfile");
}

TEST_F(RootVariable, RelativePathsAreLeftAlone) {
    setenv("TIDEWAVE_ROOT", "/srv/demo", 1);
    EXPECT_EQ(SystemPaths::Fixed("pic/tip.png"), "pic/tip.png");
}

TEST(HomeFolder, ComesFromHomeWithoutTrailingSlash) {
    const std::string saved = std::getenv("HOME");
    setenv("HOME", "/home/pupil/", 1);
    EXPECT_EQ(SystemPaths::Home(), "/home/pupil");
    EXPECT_EQ(SystemPaths::UserProfileDir(), "/home/pupil/Lanternfield");
    setenv("HOME", saved.c_str(), 1);
}

TEST(TestRun, NeverPointsAtTheRealEtc) {
    EXPECT_NE(SystemPaths::AdminDir(), "/etc/Lanternfield");
    EXPECT_EQ(SystemPaths::AdminDir().rfind(TestEnvironment::Root(), 0), 0u);
}
