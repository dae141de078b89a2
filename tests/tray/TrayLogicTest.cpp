#include <climits>

#include <gtest/gtest.h>

#include "SignalIconChooser.h"

TEST(SignalIconChooser, BandsAreInclusiveAtTheirUpperEdge) {
    EXPECT_EQ(SignalIconChooser::FileFor(0), "pic/signal-0.png");
    EXPECT_EQ(SignalIconChooser::FileFor(1), "pic/signal-20.png");
    EXPECT_EQ(SignalIconChooser::FileFor(20), "pic/signal-20.png");
    EXPECT_EQ(SignalIconChooser::FileFor(21), "pic/signal-40.png");
    EXPECT_EQ(SignalIconChooser::FileFor(40), "pic/signal-40.png");
    EXPECT_EQ(SignalIconChooser::FileFor(41), "pic/signal-60.png");
    EXPECT_EQ(SignalIconChooser::FileFor(60), "pic/signal-60.png");
    EXPECT_EQ(SignalIconChooser::FileFor(61), "pic/signal-80.png");
    EXPECT_EQ(SignalIconChooser::FileFor(80), "pic/signal-80.png");
    EXPECT_EQ(SignalIconChooser::FileFor(81), "pic/signal-100.png");
    EXPECT_EQ(SignalIconChooser::FileFor(100), "pic/signal-100.png");
}

TEST(SignalIconChooser, NegativeQualityCountsByItsRemainderAndAboveHundredHasNoPicture) {
    EXPECT_EQ(SignalIconChooser::FileFor(-30), "pic/signal-40.png");
    EXPECT_EQ(SignalIconChooser::FileFor(-100), "pic/signal-0.png");
    EXPECT_EQ(SignalIconChooser::FileFor(-200), "pic/signal-0.png");
    EXPECT_EQ(SignalIconChooser::FileFor(-250), "pic/signal-60.png");
    // INT_MIN has no positive int counterpart; it still lands in a band.
    EXPECT_EQ(SignalIconChooser::FileFor(INT_MIN), "pic/signal-60.png");
    EXPECT_EQ(SignalIconChooser::FileFor(101), "");
    EXPECT_EQ(SignalIconChooser::FileFor(INT_MAX), "");
}
