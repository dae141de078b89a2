#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TWMUtil.h"
#include "sim/SimControl.h"

namespace {

class ChangeIPAddress : public ::testing::Test {
protected:
    void SetUp() override {
        SimControl::ResetToDefault();
        SimControl::ClearCallLog();
    }
};

using Calls = std::vector<std::string>;

}  // namespace

TEST_F(ChangeIPAddress, StopsDhcpThenSetsTheCanonicalAddresses) {
    // "010" is octal: the address checked is 8.1.1.5, so that is the one set.
    ASSERT_TRUE(TWMUtil::ChangeIPAddress(1, "010.1.1.5", "255.0.0.0", "010.1.1.1", "010.0.0.053"));
    EXPECT_EQ(SimControl::CallLog(), (Calls{"RVL_WriteFile(\"killall\")",
                                            "RVL_SetIPAddress(1, \"8.1.1.5\", \"255.0.0.0\", \"8.1.1.1\", "
                                            "\"8.0.0.43\")"}));
}

TEST_F(ChangeIPAddress, SetsTheWirelessAdapter) {
    ASSERT_TRUE(TWMUtil::ChangeIPAddress(2, "192.168.10.20", "255.255.255.0", "192.168.10.1", "192.168.10.1"));
    EXPECT_EQ(SimControl::CallLog(),
              (Calls{"RVL_WriteFile(\"killall\")", "RVL_SetIPAddress(2, \"192.168.10.20\", \"255.255.255.0\", "
                                                   "\"192.168.10.1\", \"192.168.10.1\")"}));
}

TEST_F(ChangeIPAddress, RefusesUncheckedSettingsWithoutCallingTheLibrary) {
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.2.1", "8.8.8.8"));
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10; reboot", "255.255.255.0", "192.168.1.1", "8.8.8.8"));
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.1.1", "224.0.0.1"));
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.1.1", ""));
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8 x"));
    EXPECT_TRUE(SimControl::CallLog().empty());
}

TEST_F(ChangeIPAddress, ALibraryFailureIsReported) {
    SimControl::FailNextCall("RVL_SetIPAddress", 3);
    EXPECT_FALSE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8"));
    EXPECT_TRUE(TWMUtil::ChangeIPAddress(1, "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8"));
}
