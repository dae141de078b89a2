#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "GaugeCycle.h"
#include "NoticePlacement.h"
#include "SignalIconChooser.h"
#include "TextFit.h"

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

TEST(GaugeCycle, FillsInTensShowsFullOnceThenStartsOver) {
    int value = 0;
    std::vector<int> seen;
    for (int i = 0; i < 12; ++i) {
        value = GaugeCycle::Next(value, 100);
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 10}));
    EXPECT_EQ(GaugeCycle::Next(95, 100), 100);  // never past the range
    EXPECT_EQ(GaugeCycle::Next(110, 100), 0);
}

TEST(NoticePlacement, NoticesAndBalloonsFollowTheScreenAndWorkArea) {
    const NoticePlacement::Point notice = NoticePlacement::TopRightNotice(1280);
    EXPECT_EQ(notice.x, 1033);
    EXPECT_EQ(notice.y, 0);

    // A panel on the left (60 px) and one at the top (24 px).
    const NoticePlacement::Point balloon = NoticePlacement::ConnectionBalloon(60, 24, 1220);
    EXPECT_EQ(balloon.x, 60 + 1220 - 285);
    EXPECT_EQ(balloon.y, 24 + 15);

    const NoticePlacement::Point exist = NoticePlacement::ExistBalloon(60, 24, 1220, 300);
    EXPECT_EQ(exist.x + 300, 60 + 1220 - 15);  // right edge 15 px in
    EXPECT_EQ(exist.y, 24 + 15);
}

TEST(TextFit, LongTextsBreakAtSpacesAndPushWhatIsBelow) {
    const auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"wireless LAN?", 200, {"wireless LAN?"}},
        {"The wired network connection was lost.", 224, {"The wired network connection was", "lost."}},
        {"Applying profile Classroom 101...", 140, {"Applying profile", "Classroom 101..."}},
        {"Riverside-Primary-School-Staff01 x", 70, {"Riverside-Primary-School-Staff01", "x"}},
        {"", 10, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextFit::Wrap(c.text, c.width, measure), c.lines) << c.text;

    // A balloon: headline, a row of caption and value whose value grew by
    // one line, the row below, and a button at the bottom.
    int extra = 0;
    const std::vector<int> tops =
        TextFit::Stack({{18, 17, 0}, {48, 17, 0}, {48, 17, 17}, {72, 17, 0}, {114, 24, 0}}, extra);
    EXPECT_EQ(tops, (std::vector<int>{18, 48, 48, 89, 131}));
    EXPECT_EQ(extra, 17);
    TextFit::Stack({{18, 17, 0}, {48, 17, 0}}, extra);
    EXPECT_EQ(extra, 0);
}
