#ifndef TIDEWAVE_ICONPOSITIONCALCULATOR_H
#define TIDEWAVE_ICONPOSITIONCALCULATOR_H

#include "RvlSdk.h"

// A place on the scan map: the point an icon is centred on, in the map's
// 500 x 400 pixels, and how many SSID characters its label may show.
struct MapPlace {
    int x = 0;
    int y = 0;
    int labelLength = 0;
};

// Hands out the fixed places of the map's five arcs.  The stronger the
// signal, the nearer the arc to the left edge; a full arc passes its access
// points on to weaker arcs, never to stronger ones.
class IconPositionCalculator {
public:
    enum { BAND_COUNT = 5, PLACE_COUNT = 38 };

    IconPositionCalculator() { Reset(); }

    void Reset();
    // The next free place for the access point; false, changing nothing,
    // when its signal is above 100 or -20 and below, or its arc and every
    // weaker one are full.
    bool CalculatePosition(const APStatus* ap, MapPlace* place);

private:
    int m_nBandCount[BAND_COUNT];
};

#endif
