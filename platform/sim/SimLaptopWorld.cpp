// The simulated laptop's world: taking a new world (from the world file or
// the tests' control interface) and what it changes on the laptop.
#include "sim/SimLaptop.h"

#include <cstdio>
#include <sys/stat.h>

#include "sim/WorldReader.h"

namespace {

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

}  // namespace

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
