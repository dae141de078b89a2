#include "NoticePlacement.h"

namespace {
const int kNoticeOffset = 247;
const int kBalloonOffset = 285;
const int kMargin = 15;
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
