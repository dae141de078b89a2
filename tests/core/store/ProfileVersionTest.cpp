#include <gtest/gtest.h>

#include "ProfileVersion.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

class ProfileVersionFile : public ::testing::Test {
protected:
    void SetUp() override { TestEnvironment::ResetFolders(); }
    static void Write(const std::string& xml) {
        TestTree::MakeDirs(TestEnvironment::Root() + "/etc/Lanternfield");
        TestTree::WriteFile(TestEnvironment::Root() + "/etc/Lanternfield/VersionInfo.xml", xml);
    }
};

}  // namespace

TEST_F(ProfileVersionFile, VersionFirstThenEveryFileName) {
    Write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<VersionInfo version=\"2024.3\"><File name=\"Classroom.profile\"/><!-- c -->"
          "<File/><Other name=\"NetworkPolicy.xml\"/></VersionInfo>");
    wxArrayString out;
    out.Add("kept");
    ASSERT_TRUE(ProfileVersion().GetProfileVersion(out));
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0], "kept");
    EXPECT_EQ(out[1], "2024.3");
    EXPECT_EQ(out[2], "Classroom.profile");
    EXPECT_EQ(out[3], "");
    EXPECT_EQ(out[4], "NetworkPolicy.xml");

    Write("<AnyRoot/>");  // no version: an empty first element
    out.Clear();
    ASSERT_TRUE(ProfileVersion().GetProfileVersion(out));
    EXPECT_EQ(out, wxArrayString(1, ""));
}

TEST_F(ProfileVersionFile, UnreadableFileLeavesTheArrayUntouched) {
    wxArrayString out;
    out.Add("a");
    EXPECT_FALSE(ProfileVersion().GetProfileVersion(out));  // missing
    Write("<VersionInfo version=\"1\"><File name=\"x\"></VersionInfo>");
    EXPECT_FALSE(ProfileVersion().GetProfileVersion(out));
    Write("");
    EXPECT_FALSE(ProfileVersion().GetProfileVersion(out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], "a");
}
