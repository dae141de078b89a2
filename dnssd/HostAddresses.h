#ifndef TIDEWAVE_HOSTADDRESSES_H
#define TIDEWAVE_HOSTADDRESSES_H

#include <cstdint>
#include <vector>

// This host's IPv4 interface addresses (network byte order), read afresh on
// each call; empty when they cannot be read.
class HostAddresses {
public:
    static std::vector<uint32_t> IPv4();
};

#endif
