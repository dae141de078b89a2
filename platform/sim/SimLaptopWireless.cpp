// The simulated laptop's wireless adapter in the air: scans, association
// and the access point records the library fills.
#include "sim/SimLaptop.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "Utf8Text.h"

namespace {

uint32_t PlainSecurity(uint32_t security) {
    return security <= RVL_SECURITY_UNKNOWN ? security : static_cast<uint32_t>(RVL_SECURITY_OPEN);
}

void Pause(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

void SimLaptop::Record(const SimAccessPoint& ap, bool revealHidden, APStatus& out) const {
    std::memset(&out, 0, sizeof out);
    if (!ap.hidden || revealHidden) {
        const size_t n = std::min(ap.ssid.size(), static_cast<size_t>(RVL_SSID_MAX));
        std::memcpy(out.ucSSID, ap.ssid.data(), n);
        out.nSSIDLength = static_cast<uint32_t>(n);
        Utf8Text::DecodeInto(ap.ssid.substr(0, n), out.wszSSID, RVL_SSID_MAX);
    }
    out.nPhyType = ap.phy;
    out.nMode = 3;
    out.nSecurity = ap.security;
    out.nSignalQuality = std::min(ap.signal, 100u);
    out.nChannel = ap.channel;
    std::memcpy(out.ucBSSID, ap.bssid.data(), 6);
}

int SimLaptop::Scan(std::vector<APStatus>& records) {
    records.clear();
    int delay;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_wireless.present)
            return NO_ADAPTER;
        if (!m_wireless.up)
            return ADAPTER_DOWN;
        delay = ScanDelay();
    }
    Pause(delay);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_wireless.present)
        return NO_ADAPTER;
    if (!m_wireless.up)
        return ADAPTER_DOWN;
    for (const SimAccessPoint& ap : m_world.accessPoints) {
        if (records.size() >= RVL_AP_LIST_MAX)
            break;
        records.emplace_back();
        Record(ap, false, records.back());
    }
    return 0;
}

int SimLaptop::Connect(const std::string& ssid, uint32_t security, const std::string& key, uint32_t keyIndex) {
    uint64_t attempt;
    int delay;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_wireless.present)
            return NO_ADAPTER;
        if (!m_wireless.up)
            return ADAPTER_DOWN;
        Disassociate();
        attempt = ++m_attempt;
        delay = ConnectDelay();
    }
    Pause(delay);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (attempt != m_attempt)
        return CANCELLED;
    if (!m_wireless.present)
        return NO_ADAPTER;
    if (!m_wireless.up)
        return ADAPTER_DOWN;
    bool seen = false;
    for (const SimAccessPoint& ap : m_world.accessPoints) {
        if (ap.ssid != ssid)
            continue;
        seen = true;
        const uint32_t mine = PlainSecurity(ap.security);
        if (PlainSecurity(security) != mine)
            continue;
        if (mine == RVL_SECURITY_WEP && (key != ap.key || keyIndex != ap.keyIndex))
            continue;
        if ((mine == RVL_SECURITY_WPA_PSK || mine == RVL_SECURITY_UNKNOWN) && key != ap.key)
            continue;
        m_associated = true;
        m_current = ap;
        m_wireless.staticIp.clear();
        m_wireless.staticMask.clear();
        m_wireless.staticGateway.clear();
        m_wireless.staticDns.clear();
        m_wireless.dhcpRunning = true;  // association starts the DHCP client
        StartDhcp(m_wireless, ApDhcpDelay(ap));
        Queue(WLAN_CHANGED, 1);
        return 0;
    }
    return seen ? REFUSED : NO_NETWORK;
}

int SimLaptop::CurrentAp(APStatus& record) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_associated || !m_wireless.up)
        return NOT_CONNECTED;
    Record(m_current, true, record);
    return 0;
}

int SimLaptop::Disconnect() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_wireless.present)
        return NO_ADAPTER;
    ++m_attempt;
    Disassociate();
    return 0;
}
