#ifndef TIDEWAVE_DEPLOYCONTEXT_H
#define TIDEWAVE_DEPLOYCONTEXT_H

#include <vector>

#include <ace/Time_Value.h>

#include "DeployConstants.h"

class HandOverWorker;

// What the deploy server's connections share.  Only the reactor's
// event-loop thread touches it while the server runs.
struct DeployContext {
    DeployContext(const ACE_Time_Value& deadline, HandOverWorker& worker)
        : stepDeadline(deadline), handOver(worker), readBuffer(kReadBufferSize) {}

    static constexpr size_t kReadBufferSize = 256 * 1024;

    // Time a peer has for each step of the exchange.
    ACE_Time_Value stepDeadline;
    // Connections open and still receiving (not those being handed over).
    int openConnections = 0;
    int maxConnections = DeployConstants::kMaxConnections;
    HandOverWorker& handOver;
    // Every connection reads through this one buffer.
    std::vector<char> readBuffer;
};

#endif
