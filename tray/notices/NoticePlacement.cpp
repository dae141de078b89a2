#include "NoticePlacement.h"

#include <algorithm>

namespace {
const int kNoticeOffset = 247;
const int kBalloonOffset = 285;
const int kMargin = 15;

bool Overlap(const NoticePlacement::Rect& a, const NoticePlacement::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
}  // namespace

NoticePlacement::Point NoticePlacement::TopRightNotice(int displayWidth) {
    return {displayWidth - kNoticeOffset, 0};
}

NoticePlacement::Point NoticePlacement::ConnectionBalloon(int areaX, int areaY, int areaWidth) {
    return {areaX + areaWidth - kBalloonOffset, areaY + kMargin};
}

NoticePlacement::Point NoticePlacement::ExistBalloon(int areaX, int areaY, int areaWidth,
                                                     int windowWidth) {
    return {areaX + areaWidth - kMargin - windowWidth, areaY + kMargin};
}

// Each step moves the notice down, or a column left and back up: it ends
// below the area's bottom or left of its left edge at the latest.
NoticePlacement::Point NoticePlacement::Clear(Point home, int width, int height, const std::vector<Rect>& shown,
                                              const Rect& area) {
    Rect at{home.x, home.y, width, height};
    for (;;) {
        bool covers = false;
        int below = at.y;
        int left = at.x;
        for (const Rect& other : shown) {
            if (Overlap(at, other)) {
                covers = true;
                below = std::max(below, other.y + other.height + kGap);
                left = std::min(left, other.x - kGap - width);
            }
        }
        if (!covers)
            return {at.x, at.y};
        if (below + height <= area.y + area.height) {
            at.y = below;
        } else {
            at = {left, home.y, width, height};
            if (at.x < area.x)
                return home;
        }
    }
}
