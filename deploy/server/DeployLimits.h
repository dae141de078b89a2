#ifndef TIDEWAVE_DEPLOYLIMITS_H
#define TIDEWAVE_DEPLOYLIMITS_H

#include <chrono>
#include <cstdint>

#include "DeployConstants.h"

// The deploy server's limits; the program runs with these values, a test
// may shorten them.
struct DeployLimits {
    std::chrono::milliseconds step{DeployConstants::kStepSeconds * 1000};
    int64_t floorBytesPerSecond = DeployConstants::kFloorBytesPerSecond;
    // Over which keeping up with the floor rate is judged; never more than
    // the step.
    std::chrono::milliseconds keepUpSpan{DeployConstants::kKeepUpSpanSeconds * 1000};
    int maxConnections = DeployConstants::kMaxConnections;
    int maxPerSource = DeployConstants::kMaxPerSource;
    int maxWaiting = DeployConstants::kMaxWaiting;
};

#endif
