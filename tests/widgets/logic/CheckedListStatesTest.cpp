#include <gtest/gtest.h>

#include "CheckedListStates.h"

namespace {
const int C = CheckedListStates::StateChecked;
const int E = CheckedListStates::StateEnabled;
}  // namespace

TEST(CheckedListStates, InsertedRowStartsEnabledUnlessTheMaskNamesTheEnabledBit) {
    const struct { int extra; bool hasState; long mask; int bits; } cases[] = {
        {C, false, C | E, E}, {C, true, C, E}, {C, true, C | E, C}, {0, true, E, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckedListStates::BitsForInsert(c.extra, c.hasState, c.mask), c.bits);
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

TEST(CheckedListStates, AChangeTakesTheNamedBitsAndKeepsTheOthers) {
    CheckedListStates s;
    s.Insert(0, C);  // disabled, checked
    const struct { int extra; long mask; int merged; } cases[] = {
        {0, 0x4, C}, {E, E, E | C}, {0, C, 0}, {E, C | E, E},
    };
    for (const auto& c : cases)
        EXPECT_EQ(s.Merge(0, c.extra, c.mask), c.merged) << c.mask;
}
