#include <gtest/gtest.h>

#include "PolicyManager.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

class Policy : public ::testing::Test {
protected:
    void SetUp() override { TestEnvironment::ResetFolders(); }
    static void Write(const std::string& xml) {
        TestTree::MakeDirs(TestEnvironment::Root() + "/etc/Lanternfield");
        TestTree::WriteFile(TestEnvironment::Root() + "/etc/Lanternfield/NetworkPolicy.xml", xml);
    }
    static std::string Doc(const char* a, const char* b, const char* c, const char* d) {
        return std::string("<Policy><Mesh value=\"") + a + "\"/><Scan value=\"" + b + "\"/><Profiles value=\"" + c +
               "\"/><Wireless value=\"" + d + "\"/></Policy>";
    }
    static std::vector<bool> Flags(const PolicyManager& p) {
        return {p.CanUseMesh(), p.CanScanWireless(), p.CanMaintainProfiles(), p.CanTurnWirelessOnOff()};
    }
};

}  // namespace

TEST_F(Policy, EverythingAllowedWithoutAFile) {
    PolicyManager policy;
    EXPECT_EQ(Flags(policy), (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(policy.LoadPolicy());
}

TEST_F(Policy, EachElementSetsItsFlagInOrder) {
    Write(Doc("0", "1", "1", "1"));
    EXPECT_EQ(Flags(PolicyManager()), (std::vector<bool>{false, true, true, true}));
    Write(Doc("1", "0", "1", "1"));
    EXPECT_EQ(Flags(PolicyManager()), (std::vector<bool>{true, false, true, true}));
    Write(Doc("1", "1", "0", "1"));
    EXPECT_EQ(Flags(PolicyManager()), (std::vector<bool>{true, true, false, true}));
    Write(Doc("1", "1", "1", "0"));
    EXPECT_EQ(Flags(PolicyManager()), (std::vector<bool>{true, true, true, false}));
}

TEST_F(Policy, ValuesReadAsNumbers) {
    // Allowing: "1" read the way atoi reads it.
    for (const char* v : {"1", " 1", "01", "+1", "1abc"}) {
        Write(Doc(v, "1", "1", "1"));
        EXPECT_TRUE(PolicyManager().CanUseMesh()) << v;
    }
    for (const char* v : {"2", "true", "yes", "", "-1", "11", "4294967297"}) {
        Write(Doc(v, "1", "1", "1"));
        EXPECT_FALSE(PolicyManager().CanUseMesh()) << v;
    }
    // A missing attribute forbids.
    Write("<P><a/><b value=\"1\"/><c value=\"1\"/><d value=\"1\"/><e value=\"0\"/></P>");
    EXPECT_EQ(Flags(PolicyManager()), (std::vector<bool>{false, true, true, true}));
}

TEST_F(Policy, OnlyACompleteFileChangesTheFlags) {
    Write(Doc("0", "0", "1", "0"));
    PolicyManager policy;
    const std::vector<bool> before = Flags(policy);

    Write("<Policy><a value=\"1\"/><b value=\"1\"/><!-- x --><c value=\"1\"/></Policy>");
    EXPECT_FALSE(policy.LoadPolicy());
    EXPECT_EQ(Flags(policy), before);
    Write("<Policy><a value=\"1\"/><b value=\"1\"/><c value=\"1\"/><d value=\"1\">");
    EXPECT_FALSE(policy.LoadPolicy());
    EXPECT_EQ(Flags(policy), before);
    Write("");
    EXPECT_FALSE(policy.LoadPolicy());
    EXPECT_EQ(Flags(policy), before);

    Write("<Policy>\n<!-- order counts, names do not -->\n<z value=\"1\"/><y value=\"1\"/><x value=\"1\"/>"
          "<w value=\"1\"/></Policy>");
    EXPECT_TRUE(policy.LoadPolicy());
    EXPECT_EQ(Flags(policy), (std::vector<bool>{true, true, true, true}));
}
