#include "sim/SimLaptop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>

#include "Utf8Text.h"
#include "sim/DefaultWorld.h"
#include "sim/WorldReader.h"

namespace {

const char* const kNoAddress = "127.0.0.1";

uint32_t PlainSecurity(uint32_t security) {
    return security <= RVL_SECURITY_UNKNOWN ? security : static_cast<uint32_t>(RVL_SECURITY_OPEN);
}

bool SameSet(const std::vector<SimAccessPoint>& a, const std::vector<SimAccessPoint>& b) {
    if (a.size() != b.size())
        return false;
    for (const SimAccessPoint& x : a) {
        bool found = false;
        for (const SimAccessPoint& y : b)
            found = found || (x.SameAs(y) && x.hidden == y.hidden);
        if (!found)
            return false;
    }
    return true;
}

void Pause(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

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

void SimLaptop::ApplyWorld(const SimWorld& next, bool initial) {
    const SimWorld previous = m_world;
    m_world = next;

    // Presence and up/down follow the world where the world changed them;
    // what was done through the library stays otherwise.
    for (int type : {RVL_ADAPTER_WIRED, RVL_ADAPTER_WIRELESS}) {
        Adapter& a = *AdapterOf(type);
        const SimAdapterConfig& was = type == RVL_ADAPTER_WIRED ? previous.wired : previous.wireless;
        const SimAdapterConfig& now = type == RVL_ADAPTER_WIRED ? next.wired : next.wireless;
        if (initial) {
            a.present = now.present;
            a.up = now.present && now.up;
            continue;
        }
        if (was.present != now.present) {
            if (!now.present)
                TakeDown(type);
            a.present = now.present;
            if (now.present && now.up)
                BringUp(type);
        } else if (was.up != now.up) {
            if (now.up)
                BringUp(type);
            else
                TakeDown(type);
        }
    }

    const bool hadLink = m_wired.link;
    m_wired.link = next.wired.present && next.wired.link;
    if (initial) {
        if (WiredConnectedValue())
            m_wired.lease = next.wired.dhcpAddress;  // the laptop booted long ago
    } else if (hadLink != m_wired.link) {
        if (m_wired.link && m_wired.up && m_wired.dhcpRunning)
            StartDhcp(m_wired, WiredDhcpDelay());
        if (!m_wired.link)
            m_wired.lease.clear();
        if (m_wired.present && m_wired.up) {
            Queue(LAN_CHANGED, WiredConnectedValue());
            // The wired interface lost its carrier: the library reports the
            // interface as gone down, and the caller's dispatch then
            // disables it.
            if (!m_wired.link)
                Queue(INTERFACE_DOWN, 0);
        }
    }

    if (!initial) {
        bool apsChanged = !SameSet(previous.accessPoints, next.accessPoints);
        if (m_associated) {
            bool stillThere = false;
            for (const SimAccessPoint& ap : next.accessPoints) {
                if (ap.SameAs(m_current)) {
                    m_current = ap;
                    stillThere = true;
                    break;
                }
            }
            if (!stillThere) {
                ++m_attempt;
                Disassociate();
                apsChanged = false;  // that notice already went out
            }
        }
        if (apsChanged)
            Queue(WLAN_CHANGED, m_associated ? 1 : 0);
    }

    if (initial || previous.mesh.on != next.mesh.on)
        m_meshOn = next.mesh.on;
    if (initial || previous.mesh.hostName != next.mesh.hostName)
        m_meshHostName = next.mesh.hostName;
    if (initial || previous.mesh.channel != next.mesh.channel)
        m_meshChannel = next.mesh.channel;
}

void SimLaptop::ResetTo(const SimWorld& world, const std::string& worldPath) {
    {
        std::lock_guard<std::mutex> fileLock(m_fileMutex);
        m_worldPath = worldPath;
        m_stamp = worldPath.empty() ? FileStamp() : Stamp(worldPath);
        m_thread.Watch(worldPath);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wired = Adapter();
    m_wireless = Adapter();
    m_associated = false;
    m_current = SimAccessPoint();
    ++m_attempt;
    m_sharing = false;
    m_meshServerIf.clear();
    m_meshClientIp.clear();
    m_meshClientDns.clear();
    m_meshClientDns2.clear();
    m_scanOverrideMs = m_connectOverrideMs = m_dhcpOverrideMs = -1;
    m_world = SimWorld();
    ApplyWorld(world, true);
    m_notices.clear();
}

bool SimLaptop::ChangeWorld(const std::function<bool(SimWorld&)>& change) {
    std::lock_guard<std::mutex> lock(m_mutex);
    SimWorld next = m_world;
    if (!change(next))
        return false;
    ApplyWorld(next, false);
    return true;
}

SimWorld SimLaptop::World() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_world;
}

SimLaptop::FileStamp SimLaptop::Stamp(const std::string& path) {
    FileStamp s;
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return s;
    s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtimeSec = st.st_mtim.tv_sec;
    s.mtimeNsec = st.st_mtim.tv_nsec;
    return s;
}

bool SimLaptop::CheckWorldFile() {
    std::lock_guard<std::mutex> fileLock(m_fileMutex);
    if (m_worldPath.empty())
        return false;
    FileStamp now = Stamp(m_worldPath);
    if (now == m_stamp)
        return false;
    m_stamp = now;
    if (!now.exists)
        return false;  // being replaced; the new file is read when it stands
    SimWorld next;
    std::string error;
    if (!WorldReader::ReadFile(m_worldPath, next, error)) {
        std::fprintf(stderr, "simulated platform: world file change ignored: %s\n", error.c_str());
        std::lock_guard<std::mutex> lock(m_mutex);
        m_worldError = error;
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_worldError.clear();
    ApplyWorld(next, false);
    return true;
}

std::string SimLaptop::LastWorldError() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_worldError;
}

void SimLaptop::SetDelays(int scanMs, int connectMs, int dhcpMs) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scanOverrideMs = scanMs;
    m_connectOverrideMs = connectMs;
    m_dhcpOverrideMs = dhcpMs;
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
