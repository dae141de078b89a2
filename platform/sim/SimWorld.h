#ifndef TIDEWAVE_SIM_SIMWORLD_H
#define TIDEWAVE_SIM_SIMWORLD_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimAccessPoint.h"

// One adapter as the world describes it.
struct SimAdapterConfig {
    bool present = true;
    bool up = true;
    bool link = true;           // wired only: the cable has a carrier
    std::string connectType;    // wired only: "100Mbps Full"
    std::string dhcpAddress;    // wired only: what the network's DHCP hands out
    int dhcpDelayMs = 0;        // wired only
};

struct SimNeighbor {
    int rssi = -60;             // -128..127
    std::string hostName;       // at most 32 bytes
    std::array<uint8_t, 6> mac{};
};

struct SimMeshConfig {
    bool on = false;
    std::string hostName;
    int channel = 6;            // 1..14
    std::string gatewayIp;      // empty: the laptop's own current address
    std::string dns;
    std::string dns2;
    std::vector<SimNeighbor> neighbors;   // at most 64
};

// Everything the simulated laptop starts from: the adapters, the access
// points in the air, the mesh and the simulated delays.
struct SimWorld {
    SimAdapterConfig wired;
    SimAdapterConfig wireless;
    std::vector<SimAccessPoint> accessPoints;
    SimMeshConfig mesh;
    int scanDelayMs = 0;
    int connectDelayMs = 0;
};

#endif
