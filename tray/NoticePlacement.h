#ifndef TIDEWAVE_NOTICEPLACEMENT_H
#define TIDEWAVE_NOTICEPLACEMENT_H

// Where the tray's notice windows stand on the screen.  Plain arithmetic on
// the display or work-area rectangle, so it can be checked without a window.
class NoticePlacement {
public:
    struct Point {
        int x;
        int y;
    };

    // Yes/No and OK notices: the top-left corner 247 pixels left of the
    // display's right edge, on its top edge, whatever the window's width.
    static Point TopRightNotice(int displayWidth);

    // Connection balloons: the left edge 285 pixels left of the work area's
    // right edge, the top 15 pixels below the work area's top.
    static Point ConnectionBalloon(int areaX, int areaY, int areaWidth);

    // Already-running balloon: its top right corner 15 pixels in from the
    // work area's top and right edges.
    static Point ExistBalloon(int areaX, int areaY, int areaWidth, int windowWidth);
};

#endif
