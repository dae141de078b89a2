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
    int maxConnections = DeployConstants::kMaxConnections;
    int maxPerSource = DeployConstants::kMaxPerSource;
    int maxWaiting = DeployConstants::kMaxWaiting;
};

#endif
