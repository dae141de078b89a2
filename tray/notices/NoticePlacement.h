#ifndef TIDEWAVE_NOTICEPLACEMENT_H
#define TIDEWAVE_NOTICEPLACEMENT_H

#include <vector>

// Where the tray's notice windows stand on the screen.  Plain arithmetic on
// the display or work-area rectangle, so it can be checked without a window.
class NoticePlacement {
public:
    struct Point {
        int x;
        int y;
    };
    struct Rect {
        int x;
        int y;
        int width;
        int height;
    };

    // Between notices that stand one below the other.
    static const int kGap = 5;

    // Yes/No and OK notices: the top-left corner 247 pixels left of the
    // display's right edge, on its top edge, whatever the window's width.
    static Point TopRightNotice(int displayWidth);

    // Connection balloons: the left edge 285 pixels left of the work area's
    // right edge, the top 15 pixels below the work area's top.
    static Point ConnectionBalloon(int areaX, int areaY, int areaWidth);

    // Already-running balloon: its top right corner 15 pixels in from the
    // work area's top and right edges.
    static Point ExistBalloon(int areaX, int areaY, int areaWidth, int windowWidth);

    // Where a notice `width` x `height` whose place is `home` stands while
    // the notices `shown` are on show: at `home` when it covers none of
    // them, else below the ones it would cover, kGap apart, as far down as
    // it takes.  When the work area `area` has no room left below, it stands
    // kGap left of the ones it would cover, from `home`'s height down again.
    // At `home` when the area has no room anywhere.
    static Point Clear(Point home, int width, int height, const std::vector<Rect>& shown, const Rect& area);
};

#endif
