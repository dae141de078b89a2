#ifndef TIDEWAVE_TESTS_SIMTESTFIXTURE_H
#define TIDEWAVE_TESTS_SIMTESTFIXTURE_H

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "RvlSdk.h"
#include "sim/SimControl.h"

// A fresh default laptop with no simulated waiting.
class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimControl::ResetToDefault();
        SimControl::SetDelays(0, 0, 0);
    }

    static std::string Address(int type) {
        char buf[RVL_TEXT_BUFFER];
        std::memset(buf, 'x', sizeof buf);
        if (RVL_GetIPAddressHLAN(type, buf) != 0)
            return "<error>";
        return std::string(buf, strnlen(buf, sizeof buf));
    }

    static int Connect(const std::string& ssid, uint32_t security, const std::string& key, uint32_t keyIndex = 0) {
        APStatus request;
        std::memset(&request, 0, sizeof request);
        std::memcpy(request.ucSSID, ssid.data(), std::min<size_t>(ssid.size(), 32));
        request.nSSIDLength = static_cast<uint32_t>(ssid.size());
        request.nSecurity = security;
        request.nMode = 3;
        ConnectInfo info;
        std::memset(&info, 0, sizeof info);
        std::strncpy(info.szKey, key.c_str(), sizeof info.szKey - 1);
        std::memcpy(info.szSSID, ssid.data(), std::min<size_t>(ssid.size(), 32));
        info.nKeyIndexSecurity = (keyIndex << 16) | (security & 0xFFFF);
        return RVL_ConnectAP(&request, info);
    }

    template <typename Pred>
    static bool WaitFor(Pred pred, int timeoutMs = 3000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!pred()) {
            if (std::chrono::steady_clock::now() >= end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
};

#endif
