#include <gtest/gtest.h>

#include <cstring>

#include "IconPositionCalculator.h"
#include "ScanMapRules.h"
#include "ScanRecorder.h"

namespace {

APStatus WithQuality(int q) {
    APStatus ap{};
    ap.nSignalQuality = static_cast<uint32_t>(q);
    return ap;
}

}  // namespace

TEST(MapPlacement, SignalPicksTheArcAndOutOfRangeGetsNoPlace) {
    const struct { int quality; bool placed; int x, y; } cases[] = {
        {100, true, 99, 24}, {99, true, 99, 24}, {80, true, 99, 24}, {79, true, 186, 49},
        {40, true, 257, 24}, {20, true, 344, 49}, {19, true, 415, 24}, {0, true, 415, 24},
        {-1, true, 415, 24}, {-19, true, 415, 24}, {101, false, 0, 0}, {-20, false, 0, 0},
    };
    for (const auto& c : cases) {
        IconPositionCalculator calc;
        const APStatus ap = WithQuality(c.quality);
        MapPlace place;
        EXPECT_EQ(calc.CalculatePosition(&ap, &place), c.placed) << c.quality;
        if (c.placed) {
            EXPECT_EQ(place.x, c.x) << c.quality;
            EXPECT_EQ(place.y, c.y) << c.quality;
        }
    }
}

TEST(MapPlacement, AFullArcPassesOnToWeakerArcsOnly) {
    IconPositionCalculator calc;
    const APStatus strong = WithQuality(90);
    MapPlace place;
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(calc.CalculatePosition(&strong, &place));
    EXPECT_EQ(place.x, 99);
    EXPECT_EQ(place.y, 374);
    ASSERT_TRUE(calc.CalculatePosition(&strong, &place));
    EXPECT_EQ(place.x, 186);
    EXPECT_EQ(place.y, 49);
    EXPECT_EQ(place.labelLength, 11);

    calc.Reset();
    const APStatus weak = WithQuality(5), middle = WithQuality(50);
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(calc.CalculatePosition(&weak, &place));
    ASSERT_TRUE(calc.CalculatePosition(&middle, &place));
    EXPECT_EQ(place.x, 257);
    EXPECT_EQ(place.y, 24);
    const MapPlace before = place;
    EXPECT_FALSE(calc.CalculatePosition(&weak, &place));  // stronger arcs have room, but not for it
    EXPECT_EQ(place.x, before.x);
}

TEST(MapPlacement, ThirtyEightPlacesInAll) {
    IconPositionCalculator calc;
    const APStatus top = WithQuality(100);
    MapPlace place;
    int placed = 0;
    while (calc.CalculatePosition(&top, &place))
        ++placed;
    EXPECT_EQ(placed, IconPositionCalculator::PLACE_COUNT);
}

TEST(ScanRecorder, ThirtyEightSlotsThenNoneUntilCleared) {
    ScanRecorder recorder;
    APStatus ap = WithQuality(50);
    for (int i = 0; i < ScanRecorder::SLOT_COUNT; ++i) {
        ap.nChannel = static_cast<uint32_t>(i);
        ASSERT_EQ(recorder.AppendAPStatus(&ap), i);
    }
    EXPECT_EQ(recorder.AppendAPStatus(&ap), -1);
    EXPECT_EQ(recorder.GetAPStatus(37).nChannel, 37u);
    EXPECT_EQ(recorder.GetAPStatus(38).nChannel, 0u);
    EXPECT_EQ(recorder.GetAPStatus(-1).nSignalQuality, 0u);

    int released = 0;
    recorder.Clear([&](DetectedIcon&) { ++released; });
    EXPECT_EQ(released, ScanRecorder::SLOT_COUNT);
    EXPECT_EQ(recorder.GetIcon(0), nullptr);
    EXPECT_EQ(recorder.AppendAPStatus(&ap), 0);
}

TEST(ScanMapRules, LabelsFitTheirWidthAndKeepBothEnds) {
    // 6 pixels a character.
    const auto measure = [](const wxString& s) { return static_cast<int>(s.length()) * 6; };
    const struct { const char* ssid; int width; const char* label; } cases[] = {
        {"Classroom-1", 66, "Classroom-1"},
        {"Classroom-101", 66, "Clas...-101"},  // told apart from the next one
        {"Classroom-102", 66, "Clas...-102"},
        {"Riverside-Primary-School-Staff01", 80, "River...aff01"},
        {"", 48, "<Hidden>"},
        {"", 42, "<H...n>"},
        {"Gym", 10, "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScanMapRules::LabelText(c.ssid, c.width, measure, "..."), c.label) << c.ssid << " " << c.width;
}

TEST(ScanMapRules, IconPictureBySecurityCurrentAndSelection) {
    const struct { bool secured, current, selected; const char* file; } cases[] = {
        {false, false, false, "pic/ap_4.png"}, {false, false, true, "pic/ap_2.png"},
        {false, true, false, "pic/ap_5.png"},  {false, true, true, "pic/ap_2.png"},
        {true, false, false, "pic/ap_3.png"},  {true, false, true, "pic/ap_1.png"},
        {true, true, false, "pic/ap_6.png"},   {true, true, true, "pic/ap_1.png"},
    };
    for (const auto& c : cases) {
        const int index = ScanMapRules::IconIndex(c.secured, c.current, c.selected);
        EXPECT_EQ(ScanMapRules::IconFile(index), c.file) << index;
        EXPECT_EQ(ScanMapRules::IsCurrentIndex(index), c.current) << index;
    }
}

TEST(ScanMapRules, CountsAreReadWithinTheThirtyTwoRecords) {
    for (int count : {-5, 0, 32, 33, 1000})
        EXPECT_EQ(ScanMapRules::ClampCount(count), count < 0 ? 0 : count > 32 ? 32 : count);
}
