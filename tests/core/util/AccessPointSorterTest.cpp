#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AccessPointSorter.h"
#include "ApStatusUtil.h"

namespace {

APStatus Ap(const std::string& ssid, unsigned quality = 50, unsigned security = 0, unsigned phy = 1,
            unsigned channel = 6, unsigned char lastBssidByte = 0) {
    APStatus ap = ApStatusUtil::MakeWithSsid(ssid);
    ap.nSignalQuality = quality;
    ap.nSecurity = security;
    ap.nPhyType = phy;
    ap.nChannel = channel;
    const unsigned char bssid[6] = {0x00, 0x11, 0x22, 0x33, 0x44, lastBssidByte};
    std::memcpy(ap.ucBSSID, bssid, 6);
    return ap;
}

std::vector<std::string> Names(const std::vector<APStatus>& aps) {
    std::vector<std::string> names;
    for (const APStatus& ap : aps)
        names.push_back(ApStatusUtil::SsidBytes(ap));
    return names;
}

using Names_t = std::vector<std::string>;

}  // namespace

TEST(AccessPointSorter, RefusesWhatCannotBeSorted) {
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("b"), Ap("a")};
    EXPECT_FALSE(sorter.Sort(nullptr, 2, 0));
    EXPECT_FALSE(sorter.Sort(aps.data(), 0, 0));
    EXPECT_FALSE(sorter.Sort(aps.data(), -1, 0));
    EXPECT_FALSE(sorter.Sort(aps.data(), 2, -1));
    EXPECT_FALSE(sorter.Sort(aps.data(), 2, 7));
    EXPECT_EQ(Names(aps), (Names_t{"b", "a"}));
    EXPECT_EQ(sorter.GetDirection(0), 1);

    // Fewer columns than seven: the others are out of range; none at all for
    // a count of 0.
    AccessPointSorter narrow(3);
    EXPECT_FALSE(narrow.Sort(aps.data(), 2, 3));
    EXPECT_TRUE(narrow.Sort(aps.data(), 2, 2));
    AccessPointSorter none(0);
    EXPECT_FALSE(none.Sort(aps.data(), 2, 0));
}

TEST(AccessPointSorter, SsidColumnIsCaseInsensitiveAndFlipsDirection) {
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("delta"), Ap("Alpha"), Ap("charlie"), Ap("Bravo")};
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 0));
    EXPECT_EQ(Names(aps), (Names_t{"Alpha", "Bravo", "charlie", "delta"}));
    EXPECT_EQ(sorter.GetDirection(0), 0);
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 0));
    EXPECT_EQ(Names(aps), (Names_t{"delta", "charlie", "Bravo", "Alpha"}));
    EXPECT_EQ(sorter.GetDirection(0), 1);
}

TEST(AccessPointSorter, SsidColumnReadsAtMost32Bytes) {
    // Two full 32-byte SSIDs, equal in their 32 bytes, with different bytes
    // right after the field: an unbounded compare would read them.
    const std::string name(32, 'x');
    std::vector<APStatus> aps = {Ap(name, 10), Ap(name, 20)};
    aps[0].nPhyType = 0xFFFFFFFF;  // the bytes after ucSSID
    aps[1].nPhyType = 0;
    AccessPointSorter sorter(7);
    ASSERT_TRUE(sorter.Sort(aps.data(), 2, 0));
    EXPECT_EQ(aps[0].nSignalQuality, 10u);  // equal names keep their order
}

TEST(AccessPointSorter, NumericColumnsPutTheHighestFirstAndAreStable) {
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("w", 40), Ap("x", 90), Ap("y", 40), Ap("z", 100)};
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 1));
    EXPECT_EQ(Names(aps), (Names_t{"z", "x", "w", "y"}));
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 1));
    EXPECT_EQ(Names(aps), (Names_t{"w", "y", "x", "z"}));

    std::vector<APStatus> sec = {Ap("open", 0, 0), Ap("wpa", 0, 2), Ap("odd", 0, 100), Ap("wep", 0, 1)};
    ASSERT_TRUE(sorter.Sort(sec.data(), 4, 2));
    EXPECT_EQ(Names(sec), (Names_t{"odd", "wpa", "wep", "open"}));

    std::vector<APStatus> phy = {Ap("b", 0, 0, 0), Ap("n", 0, 0, 2), Ap("g", 0, 0, 1)};
    ASSERT_TRUE(sorter.Sort(phy.data(), 3, 4));
    EXPECT_EQ(Names(phy), (Names_t{"n", "g", "b"}));

    std::vector<APStatus> ch = {Ap("1", 0, 0, 0, 1), Ap("13", 0, 0, 0, 13), Ap("6", 0, 0, 0, 6)};
    ASSERT_TRUE(sorter.Sort(ch.data(), 3, 5));
    EXPECT_EQ(Names(ch), (Names_t{"13", "6", "1"}));
}

TEST(AccessPointSorter, UnsignedFieldsDoNotWrapAround) {
    // A difference of two u32 values computed in 32 bits would wrap.
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("small", 0, 0, 0, 1), Ap("huge", 0, 0, 0, 0xF0000000u)};
    ASSERT_TRUE(sorter.Sort(aps.data(), 2, 5));
    EXPECT_EQ(Names(aps), (Names_t{"huge", "small"}));
}

TEST(AccessPointSorter, BssidColumnPutsTheLowestFirst) {
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("c", 0, 0, 0, 0, 0xC0), Ap("a", 0, 0, 0, 0, 0x01), Ap("b", 0, 0, 0, 0, 0x80)};
    ASSERT_TRUE(sorter.Sort(aps.data(), 3, 6));
    EXPECT_EQ(Names(aps), (Names_t{"a", "b", "c"}));
}

TEST(AccessPointSorter, CurrentAccessPointColumnAsksTheProviderOnce) {
    AccessPointSorter sorter(7);
    std::vector<APStatus> aps = {Ap("one"), Ap("two"), Ap("home"), Ap("three")};

    // No provider, or none known: the key is all zeros, nothing matches and
    // the order stays.
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 3));
    EXPECT_EQ(Names(aps), (Names_t{"one", "two", "home", "three"}));

    const APStatus current = Ap("home", 1, 2, 0, 11, 0x99);  // only the SSID key counts
    int calls = 0;
    sorter.SetCurrentApProvider([&]() -> const APStatus* {
        ++calls;
        return &current;
    });
    sorter.ResetColumns();
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 3));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Names(aps), (Names_t{"home", "one", "two", "three"}));
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 3));
    EXPECT_EQ(Names(aps), (Names_t{"one", "two", "three", "home"}));

    // A zero-length current SSID does not match records with a name.
    const APStatus empty = Ap("");
    sorter.SetCurrentApProvider([&]() -> const APStatus* { return &empty; });
    sorter.ResetColumns();
    ASSERT_TRUE(sorter.Sort(aps.data(), 4, 3));
    EXPECT_EQ(Names(aps), (Names_t{"one", "two", "three", "home"}));
}
