#include <gtest/gtest.h>

#include "CheckedListStates.h"

namespace {
const int C = CheckedListStates::StateChecked;
const int E = CheckedListStates::StateEnabled;
}  // namespace

TEST(CheckedListStates, ImageFollowsTheTwoBits) {
    const struct { int extra, image; } cases[] = {{E, 0}, {E | C, 1}, {0, 2}, {C, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckedListStates::GetImageForExtraState(c.extra), c.image) << c.extra;
}

TEST(CheckedListStates, TakeKeepsMaskedBitsAndClearsBothFromTheStateWord) {
    const struct { long state, mask; int extra; long left; } cases[] = {
        {C | E | 0x4, C | E, C | E, 0x4},
        {C | E | 0x4, C, C, 0x4},   // the enabled bit is cleared though not named
        {C, 0, 0, 0},
        {0x4, 0x4, 0, 0x4},
    };
    for (const auto& c : cases) {
        long state = c.state;
        EXPECT_EQ(CheckedListStates::TakeExtraState(&state, c.mask), c.extra);
        EXPECT_EQ(state, c.left);
    }
}

TEST(CheckedListStates, InsertedRowStartsEnabledUnlessTheMaskNamesTheEnabledBit) {
    const struct { int extra; bool hasState; long mask; int bits; } cases[] = {
        {C, false, C | E, E},
        {C, true, C, E},          // a tick alone is not taken
        {C, true, C | E, C},      // disabled and checked
        {C | E, true, C | E, C | E},
        {0, true, E, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckedListStates::BitsForInsert(c.extra, c.hasState, c.mask), c.bits);
}

TEST(CheckedListStates, RowsKeepTheirOwnBitsThroughInsertAndRemove) {
    CheckedListStates s;
    ASSERT_TRUE(s.Insert(0, E | C));  // X
    ASSERT_TRUE(s.Insert(1, E));      // Y
    ASSERT_TRUE(s.Insert(1, E));      // Z between them
    EXPECT_EQ(s.Get(0), E | C);
    EXPECT_EQ(s.Get(1), E);
    EXPECT_EQ(s.Get(2), E);
    ASSERT_TRUE(s.Set(2, E | C));
    ASSERT_TRUE(s.Remove(1));
    EXPECT_EQ(s.Count(), 2);
    EXPECT_EQ(s.Get(1), E | C);
}

TEST(CheckedListStates, RowsOutOfRangeAreRefusedAndChangeNothing) {
    CheckedListStates s;
    s.Insert(0, E);
    s.Insert(1, C);
    for (long row : {-1L, 2L, 100L}) {
        EXPECT_EQ(s.Get(row), -1) << row;
        EXPECT_FALSE(s.Set(row, E)) << row;
        EXPECT_FALSE(s.Remove(row)) << row;
        EXPECT_EQ(s.Merge(row, C, C), -1) << row;
    }
    EXPECT_FALSE(s.Insert(-1, E));
    EXPECT_FALSE(s.Insert(3, E));
    EXPECT_TRUE(s.Insert(2, E));  // at the end
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Get(0), E);
    EXPECT_EQ(s.Get(1), C);
}

TEST(CheckedListStates, MergeTakesNamedBitsAndKeepsTheOthers) {
    CheckedListStates s;
    s.Insert(0, C);  // disabled, checked
    const struct { int extra; long mask; int merged; } cases[] = {
        {0, 0x4, C},       // only the selection named: both kept
        {E, E, E | C},
        {0, C, 0},
        {E, C | E, E},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s.Merge(0, c.extra, c.mask), c.merged) << c.mask;
}
