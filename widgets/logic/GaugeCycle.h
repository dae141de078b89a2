#ifndef TIDEWAVE_GAUGECYCLE_H
#define TIDEWAVE_GAUGECYCLE_H

// The endless fill of the busy gauge: steps of 10 up to the full range,
// which stays for one tick, then back to empty.
class GaugeCycle {
public:
    static const int kStep = 10;
    static const int kPeriodMs = 500;

    static int Next(int value, int range);
};

#endif
