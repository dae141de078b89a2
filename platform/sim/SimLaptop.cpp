// The simulated laptop: the library thread and its notices, the adapters,
// addresses and the DHCP client, and the mesh.  The world it takes is in
// SimLaptopWorld.cpp, scans and association in SimLaptopWireless.cpp.
#include "sim/SimLaptop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sim/DefaultWorld.h"
#include "sim/WorldReader.h"

namespace {

const char* const kNoAddress = "127.0.0.1";

void StopLibraryThreadAtExit();

}  // namespace

SimLaptop& SimLaptop::Instance() {
    // Never destroyed: the library's thread and late callers may still use
    // it while the process exits.  The thread itself is stopped at exit.
    static SimLaptop* laptop = new SimLaptop;
    return *laptop;
}

namespace {
void StopLibraryThreadAtExit() { SimLaptop::Instance().StopThreadForExit(); }
}  // namespace

SimLaptop::SimLaptop() {
    SimWorld world = DefaultWorld::Make();
    std::string path;
    if (const char* env = std::getenv("TIDEWAVE_WORLD"); env != nullptr && *env != '\0') {
        path = env;
        std::string error;
        if (!WorldReader::ReadFile(path, world, error)) {
            std::fprintf(stderr, "simulated platform: world file refused, using the built-in world: %s\n",
                         error.c_str());
            world = DefaultWorld::Make();
            m_startFailed = true;
            m_worldError = error;
        }
    }
    ResetTo(world, path);
}

void SimLaptop::StopThreadForExit() { m_thread.Stop(); }

int SimLaptop::Initialize() {
    EnsureThread();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_startFailed ? FAILED : 0;
}

void SimLaptop::EnsureThread() {
    static std::once_flag atExit;
    m_thread.Start([this] { OnLibraryTick(); });
    std::call_once(atExit, [] { std::atexit(StopLibraryThreadAtExit); });
}

void SimLaptop::RegisterCallback(Notice kind, RVL_ChangeCallback cb) {
    EnsureThread();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callbacks[kind] = cb;
}

void SimLaptop::OnLibraryTick() {
    CheckWorldFile();
    for (;;) {
        std::vector<PendingNotice> notices;
        RVL_ChangeCallback callbacks[NOTICE_KINDS];
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_notices.empty()) {
                m_delivering = false;
                return;
            }
            notices.swap(m_notices);
            std::memcpy(callbacks, m_callbacks, sizeof callbacks);
            m_delivering = true;
        }
        for (const PendingNotice& n : notices) {
            if (callbacks[n.kind] != nullptr) {
                int value = n.value;
                callbacks[n.kind](&value);
            }
        }
    }
}

bool SimLaptop::NoticesDelivered() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_notices.empty() && !m_delivering;
}

void SimLaptop::Queue(Notice kind, int value) {
    // Only what someone listens for is kept, so nothing piles up unseen.
    if (m_callbacks[kind] == nullptr)
        return;
    m_notices.push_back({kind, value});
    m_thread.Wake();
}

SimLaptop::Adapter* SimLaptop::AdapterOf(int type) {
    if (type == RVL_ADAPTER_WIRED)
        return &m_wired;
    if (type == RVL_ADAPTER_WIRELESS)
        return &m_wireless;
    return nullptr;
}

int SimLaptop::WiredConnectedValue() const { return m_wired.present && m_wired.up && m_wired.link ? 1 : 0; }

int SimLaptop::WiredDhcpDelay() const { return m_dhcpOverrideMs >= 0 ? m_dhcpOverrideMs : m_world.wired.dhcpDelayMs; }
int SimLaptop::ApDhcpDelay(const SimAccessPoint& ap) const {
    return m_dhcpOverrideMs >= 0 ? m_dhcpOverrideMs : ap.dhcpDelayMs;
}
int SimLaptop::ScanDelay() const { return m_scanOverrideMs >= 0 ? m_scanOverrideMs : m_world.scanDelayMs; }
int SimLaptop::ConnectDelay() const {
    return m_connectOverrideMs >= 0 ? m_connectOverrideMs : m_world.connectDelayMs;
}

void SimLaptop::StartDhcp(Adapter& a, int delayMs) {
    a.lease.clear();
    a.dhcpReadyAt = Clock::now() + std::chrono::milliseconds(delayMs);
}

void SimLaptop::UpdateLeases() {
    const Clock::time_point now = Clock::now();
    if (WiredConnectedValue() && m_wired.dhcpRunning && m_wired.lease.empty() && now >= m_wired.dhcpReadyAt)
        m_wired.lease = m_world.wired.dhcpAddress;
    if (m_associated && m_wireless.up && m_wireless.dhcpRunning && m_wireless.lease.empty() &&
        now >= m_wireless.dhcpReadyAt)
        m_wireless.lease = m_current.dhcpAddress;
}

std::string SimLaptop::CurrentAddress(Adapter& a, bool connected) {
    UpdateLeases();
    if (!connected)
        return kNoAddress;
    if (!a.lease.empty())
        return a.lease;
    if (!a.staticIp.empty())
        return a.staticIp;
    return kNoAddress;
}

void SimLaptop::Disassociate() {
    if (!m_associated)
        return;
    m_associated = false;
    m_wireless.lease.clear();
    Queue(WLAN_CHANGED, 0);
}

void SimLaptop::BringUp(int type) {
    Adapter* a = AdapterOf(type);
    if (a == nullptr || !a->present || a->up)
        return;
    a->up = true;
    if (type == RVL_ADAPTER_WIRED) {
        if (a->link && a->dhcpRunning)
            StartDhcp(*a, WiredDhcpDelay());
        Queue(LAN_CHANGED, WiredConnectedValue());
    }
}

void SimLaptop::TakeDown(int type) {
    Adapter* a = AdapterOf(type);
    if (a == nullptr || !a->up)
        return;
    a->up = false;
    a->lease.clear();
    if (type == RVL_ADAPTER_WIRELESS) {
        ++m_attempt;
        Disassociate();
    } else {
        Queue(LAN_CHANGED, 0);
    }
    Queue(INTERFACE_DOWN, type == RVL_ADAPTER_WIRELESS ? 1 : 0);
}

int SimLaptop::Exists(int type, bool& exists) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    exists = a != nullptr && a->present;
    return a == nullptr ? FAILED : 0;
}

int SimLaptop::IsUp(int type, bool& up) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    up = a != nullptr && a->present && a->up;
    return a == nullptr ? FAILED : 0;
}

int SimLaptop::IsConnected(int type, bool& connected) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    if (a == nullptr) {
        connected = false;
        return FAILED;
    }
    connected = type == RVL_ADAPTER_WIRED ? WiredConnectedValue() != 0
                                          : (a->present && a->up && m_associated);
    return 0;
}

int SimLaptop::Up(int type) { return SwitchAdapter(type, true); }

int SimLaptop::Down(int type) { return SwitchAdapter(type, false); }

int SimLaptop::SwitchAdapter(int type, bool up) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    if (a == nullptr)
        return FAILED;
    if (!a->present)
        return NO_ADAPTER;
    if (up)
        BringUp(type);
    else
        TakeDown(type);
    return 0;
}

int SimLaptop::LanLink(bool& linked) {
    std::lock_guard<std::mutex> lock(m_mutex);
    linked = m_wired.present && m_wired.link;
    return m_wired.present ? 0 : NO_ADAPTER;
}

int SimLaptop::WirelessAssociated(bool& associated) {
    std::lock_guard<std::mutex> lock(m_mutex);
    associated = m_wireless.present && m_wireless.up && m_associated;
    return m_wireless.present ? 0 : NO_ADAPTER;
}

int SimLaptop::Address(int type, std::string& ip) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    if (a == nullptr)
        return FAILED;
    if (!a->present)
        return NO_ADAPTER;
    const bool connected = type == RVL_ADAPTER_WIRED ? WiredConnectedValue() != 0 : (a->up && m_associated);
    ip = CurrentAddress(*a, connected);
    return 0;
}

int SimLaptop::ConnectType(std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    text.clear();
    if (!m_wired.present)
        return NO_ADAPTER;
    if (!WiredConnectedValue())
        return NOT_CONNECTED;
    text = m_world.wired.connectType;
    return 0;
}

int SimLaptop::SetStaticAddress(int type, const std::string& ip, const std::string& mask,
                                const std::string& gateway, const std::string& dns) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Adapter* a = AdapterOf(type);
    if (a == nullptr)
        return FAILED;
    if (!a->present)
        return NO_ADAPTER;
    a->staticIp = ip;
    a->staticMask = mask;
    a->staticGateway = gateway;
    a->staticDns = dns;
    // A running DHCP client takes the interface back with its next lease;
    // only after "killall" does the static address stay.
    if (a->dhcpRunning)
        StartDhcp(*a, type == RVL_ADAPTER_WIRED ? WiredDhcpDelay() : ApDhcpDelay(m_current));
    else
        a->lease.clear();
    return 0;
}

void SimLaptop::SetSharing(bool enable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sharing = enable;
}

bool SimLaptop::Sharing() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sharing;
}

void SimLaptop::StopDhcpClients() {
    std::lock_guard<std::mutex> lock(m_mutex);
    UpdateLeases();  // a lease already due is kept: the address stays configured
    m_wired.dhcpRunning = false;
    m_wireless.dhcpRunning = false;
}

int SimLaptop::StartWiredDhcpClient() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_wired.present)
        return NO_ADAPTER;
    m_wired.dhcpRunning = true;
    m_wired.staticIp.clear();
    m_wired.staticMask.clear();
    m_wired.staticGateway.clear();
    m_wired.staticDns.clear();
    StartDhcp(m_wired, WiredDhcpDelay());
    return 0;
}

void SimLaptop::SetMeshOn(bool on) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meshOn = on;
}

bool SimLaptop::MeshOn() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_meshOn;
}

int SimLaptop::Gateway(GatewayInfo& info) {
    std::lock_guard<std::mutex> lock(m_mutex);
    info.ip = m_world.mesh.gatewayIp;
    if (info.ip.empty()) {
        std::string wired = CurrentAddress(m_wired, WiredConnectedValue() != 0);
        std::string wireless = CurrentAddress(m_wireless, m_wireless.up && m_associated);
        info.ip = wired != kNoAddress ? wired : wireless != kNoAddress ? wireless : std::string();
    }
    info.dns = m_world.mesh.dns;
    info.dns2 = m_world.mesh.dns2;
    info.channel = m_meshChannel;
    info.hostName = m_meshHostName;
    return 0;
}

int SimLaptop::EnableMeshServer(const std::string& ifname) {
    if (ifname.empty() || ifname.size() > 15)
        return FAILED;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meshServerIf = ifname;
    return 0;
}

int SimLaptop::EnableMeshClient(const std::string& ip, const std::string& dns, const std::string& dns2) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meshClientIp = ip;
    m_meshClientDns = dns;
    m_meshClientDns2 = dns2;
    return 0;
}

std::string SimLaptop::MeshHostName() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_meshHostName;
}

void SimLaptop::SetMeshHostName(const std::string& name) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meshHostName = name;
}

int SimLaptop::MeshChannel() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_meshChannel;
}

int SimLaptop::SetMeshChannel(int channel) {
    if (channel < 1 || channel > 14)
        return FAILED;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_meshChannel = channel;
    return 0;
}

std::vector<SimNeighbor> SimLaptop::Neighbors() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_meshOn)
        return {};
    return m_world.mesh.neighbors;
}
