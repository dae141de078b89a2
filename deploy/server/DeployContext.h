#ifndef TIDEWAVE_DEPLOYCONTEXT_H
#define TIDEWAVE_DEPLOYCONTEXT_H

#include <algorithm>
#include <vector>

#include "DeployAdmission.h"
#include "DeployLimits.h"

class HandOverWorker;

// What the deploy server's connections share.  Only the reactor's
// event-loop thread touches it while the server runs.
struct DeployContext {
    DeployContext(const DeployLimits& deployLimits, HandOverWorker& worker)
        : limits(deployLimits),
          admission(DeployAdmission::Limits{deployLimits.maxConnections, deployLimits.maxPerSource,
                                            deployLimits.floorBytesPerSecond,
                                            std::min(deployLimits.keepUpSpan, deployLimits.step)}),
          handOver(worker), readBuffer(kReadBufferSize) {}

    static constexpr size_t kReadBufferSize = 256 * 1024;

    DeployLimits limits;
    // The connections being received.
    DeployAdmission admission;
    HandOverWorker& handOver;
    // Every connection reads through this one buffer.
    std::vector<char> readBuffer;
};

#endif
