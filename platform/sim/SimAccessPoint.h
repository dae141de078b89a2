#ifndef TIDEWAVE_SIM_SIMACCESSPOINT_H
#define TIDEWAVE_SIM_SIMACCESSPOINT_H

#include <array>
#include <cstdint>
#include <string>

#include "RvlSdk.h"

// One access point in the air of the simulated laptop.
struct SimAccessPoint {
    std::string ssid;                 // SSID bytes, 0 to 32 of them
    bool hidden = false;              // scans report it with SSID length 0
    std::array<uint8_t, 6> bssid{};
    uint32_t channel = 1;
    uint32_t phy = RVL_PHY_80211G;    // RVL_PHY_*
    uint32_t security = RVL_SECURITY_OPEN;
    uint32_t signal = 50;             // 0..100
    std::string key;                  // the key that opens it (WEP, WPA-PSK, unknown)
    uint32_t keyIndex = 0;            // WEP key index 1..4
    std::string dhcpAddress;          // the address its DHCP server hands out
    int dhcpDelayMs = 0;              // how long that takes after association

    // Two records describe the same access point when SSID and BSSID agree.
    bool SameAs(const SimAccessPoint& other) const {
        return ssid == other.ssid && bssid == other.bssid;
    }
};

#endif
