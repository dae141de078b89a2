#ifndef TIDEWAVE_SIM_SIMLAPTOP_H
#define TIDEWAVE_SIM_SIMLAPTOP_H

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

#include "RvlSdk.h"
#include "sim/LibraryThread.h"
#include "sim/SimWorld.h"

// The one simulated laptop behind the platform functions: its adapters,
// association, addresses, DHCP client, mesh, and the world it lives in.
// Every operation is safe from any thread.  Change callbacks are delivered
// on the library's own thread, never while the laptop's lock is held.
class SimLaptop {
public:
    // Results besides 0.
    enum Result {
        FAILED = 1,          // bad argument or general failure
        NO_ADAPTER = 2,
        ADAPTER_DOWN = 3,
        NO_NETWORK = 4,      // no access point with that SSID
        REFUSED = 5,         // wrong key, key index or security
        CANCELLED = 6,       // a disconnect or a newer attempt came first
        NOT_CONNECTED = 7,
    };
    enum Notice { LAN_CHANGED, WLAN_CHANGED, INTERFACE_DOWN, NOTICE_KINDS };

    struct GatewayInfo {
        std::string ip, dns, dns2, hostName;
        int channel = 0;
    };

    static SimLaptop& Instance();

    // Library start: begins the library thread.  Non-zero when the world
    // file named by TIDEWAVE_WORLD could not be read at start.
    int Initialize();
    void RegisterCallback(Notice kind, RVL_ChangeCallback cb);

    int Exists(int type, bool& exists);
    int IsUp(int type, bool& up);
    int IsConnected(int type, bool& connected);
    int Up(int type);
    int Down(int type);
    int LanLink(bool& linked);
    int WirelessAssociated(bool& associated);

    // These block for the simulated scan and association times.
    int Scan(std::vector<APStatus>& records);
    int Connect(const std::string& ssid, uint32_t security, const std::string& key, uint32_t keyIndex);
    int CurrentAp(APStatus& record);
    int Disconnect();

    int Address(int type, std::string& ip);
    int ConnectType(std::string& text);
    int SetStaticAddress(int type, const std::string& ip, const std::string& mask, const std::string& gateway,
                         const std::string& dns);
    void SetSharing(bool enable);
    bool Sharing();
    void StopDhcpClients();      // "killall"
    int StartWiredDhcpClient();  // "dhclient"

    void SetMeshOn(bool on);
    bool MeshOn();
    int Gateway(GatewayInfo& info);
    int EnableMeshServer(const std::string& ifname);
    int EnableMeshClient(const std::string& ip, const std::string& dns, const std::string& dns2);
    std::string MeshHostName();
    void SetMeshHostName(const std::string& name);
    int MeshChannel();
    int SetMeshChannel(int channel);
    std::vector<SimNeighbor> Neighbors();

    // For the tests' control interface.
    void ResetTo(const SimWorld& world, const std::string& worldPath);
    // Applies `change` to a copy of the world and takes the copy when it
    // returns true, as if the world file had been edited that way.
    bool ChangeWorld(const std::function<bool(SimWorld&)>& change);
    SimWorld World();
    // Re-reads the world file when it changed; true when a new world was
    // taken.  A file with faults is reported on standard error and leaves
    // the world as it was.
    bool CheckWorldFile();
    std::string LastWorldError();
    void SetDelays(int scanMs, int connectMs, int dhcpMs);
    // True once every change so far has been handed to the callbacks.
    bool NoticesDelivered();

    // Stops the library thread; run once at process exit.
    void StopThreadForExit();

private:
    using Clock = std::chrono::steady_clock;

    struct Adapter {
        bool present = false;
        bool up = false;
        bool link = false;   // wired carrier
        std::string staticIp, staticMask, staticGateway, staticDns;
        bool dhcpRunning = true;
        Clock::time_point dhcpReadyAt{};
        std::string lease;
    };
    struct FileStamp {
        bool exists = false;
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        long long mtimeSec = 0;
        long mtimeNsec = 0;
        bool operator==(const FileStamp& o) const {
            return exists == o.exists && dev == o.dev && ino == o.ino && size == o.size &&
                   mtimeSec == o.mtimeSec && mtimeNsec == o.mtimeNsec;
        }
    };
    struct PendingNotice {
        Notice kind;
        int value;
    };

    SimLaptop();
    static FileStamp Stamp(const std::string& path);
    void EnsureThread();
    void OnLibraryTick();

    // The rest run with m_mutex held.
    Adapter* AdapterOf(int type);
    void Queue(Notice kind, int value);
    int WiredConnectedValue() const;
    void ApplyWorld(const SimWorld& next, bool initial);
    void BringUp(int type);
    void TakeDown(int type);
    // Up or Down under the lock: the adapter must exist and be present.
    int SwitchAdapter(int type, bool up);
    void Disassociate();
    void StartDhcp(Adapter& a, int delayMs);
    void UpdateLeases();
    int WiredDhcpDelay() const;
    int ApDhcpDelay(const SimAccessPoint& ap) const;
    int ScanDelay() const;
    int ConnectDelay() const;
    std::string CurrentAddress(Adapter& a, bool connected);
    void Record(const SimAccessPoint& ap, bool revealHidden, APStatus& out) const;

    std::mutex m_mutex;
    SimWorld m_world;
    Adapter m_wired, m_wireless;
    bool m_associated = false;
    SimAccessPoint m_current;
    uint64_t m_attempt = 0;
    bool m_sharing = false;
    bool m_meshOn = false;
    std::string m_meshHostName;
    int m_meshChannel = 6;
    std::string m_meshServerIf;
    std::string m_meshClientIp, m_meshClientDns, m_meshClientDns2;
    int m_scanOverrideMs = -1, m_connectOverrideMs = -1, m_dhcpOverrideMs = -1;

    RVL_ChangeCallback m_callbacks[NOTICE_KINDS] = {};
    std::vector<PendingNotice> m_notices;
    bool m_delivering = false;

    std::mutex m_fileMutex;  // serialises world file checks; taken before m_mutex
    std::string m_worldPath;
    FileStamp m_stamp;
    std::string m_worldError;
    bool m_startFailed = false;

    LibraryThread m_thread;
};

#endif
