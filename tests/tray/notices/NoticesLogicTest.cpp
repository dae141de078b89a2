#include <vector>

#include <gtest/gtest.h>

#include "NoticePlacement.h"

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

TEST(NoticePlacement, ANoticeStandsClearOfTheNoticesOnShow) {
    using R = NoticePlacement::Rect;
    const R screen{0, 0, 1280, 1024};
    // Home places and sizes on that screen: the success balloon, the start
    // tip and the Yes/No notice.
    const R balloon{995, 15, 270, 160}, tip{965, 15, 300, 84}, question{1033, 0, 240, 150};
    const struct {
        const char* what;
        R notice;  // at its home
        std::vector<R> shown;
        R area;
        NoticePlacement::Point at;
    } rows[] = {
        {"alone", tip, {}, screen, {965, 15}},
        {"the start tip after the success balloon", tip, {balloon}, screen, {965, 180}},
        {"the success balloon after the tip", balloon, {tip}, screen, {995, 104}},
        {"beside a notice, edge on edge", tip, {{665, 15, 300, 84}}, screen, {965, 15}},
        {"below the lowest one it would cover", question, {balloon, {965, 180, 300, 84}}, screen, {1033, 269}},
        {"no room below: the column to the left", balloon, {balloon, {965, 180, 300, 84}}, {0, 0, 1280, 300},
         {720, 15}},
        {"down the column, then the next one from the top", balloon, {balloon, {995, 180, 270, 160}},
         {0, 0, 1280, 400}, {720, 15}},
        {"ending on the work area's bottom edge", {965, 39, 300, 84}, {{995, 39, 270, 160}}, {60, 24, 1220, 264},
         {965, 204}},
        {"a pixel past it: the column to the left", {965, 39, 300, 84}, {{995, 39, 270, 160}}, {60, 24, 1220, 263},
         {690, 39}},
        {"no room anywhere: at home", {100, 15, 270, 160}, {{0, 0, 400, 200}}, {0, 0, 400, 200}, {100, 15}},
        {"a work area with panels", {995, 39, 270, 160}, {{965, 39, 300, 84}}, {60, 24, 1220, 1000}, {995, 128}},
    };
    for (const auto& row : rows) {
        const NoticePlacement::Point at = NoticePlacement::Clear({row.notice.x, row.notice.y}, row.notice.width,
                                                                 row.notice.height, row.shown, row.area);
        EXPECT_EQ(at.x, row.at.x) << row.what;
        EXPECT_EQ(at.y, row.at.y) << row.what;
    }
}
