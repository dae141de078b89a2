#ifndef TIDEWAVE_NETWORKTYPES_H
#define TIDEWAVE_NETWORKTYPES_H

// Fixed numbers shared by every part of the program: adapter types, network
// modes, event ids, event codes and hub result codes.

enum AdapterType {
    ADAPTER_NONE = 0,
    ADAPTER_WIRED = 1,
    ADAPTER_WIRELESS = 2
};

enum NetworkMode {
    NETMODE_WIRED_CONNECTED = 0,
    NETMODE_WIRED_NOLINK = 1,
    NETMODE_WIRELESS_CONNECTED = 2,
    NETMODE_WIRELESS_NOLINK = 3,
    NETMODE_MESH = 4,
    NETMODE_NO_ADAPTER = 6,
    NETMODE_UNKNOWN = 7
};

// m_nMeshStatus of the application object.
enum MeshState {
    MESH_OFF = 1,
    MESH_ON = 2,
    MESH_SHARING_MY_INTERNET = 3,
    MESH_USING_OTHERS_INTERNET = 4
};

// Event ids.
enum {
    ID_WLAN_ACM = 6035,
    ID_PROFILE_LIST_CHANGED = 6160,
    ID_PROFILE_APPLY_STATUS = 6161,
    ID_WIRELESS_SWITCH = 7026,
    ID_SCAN = 10095,
    ID_SWITCH_ADAPTER = 10351
};

// ProfileEvent codes.
enum {
    PROFILE_PASSED_ON = 6256,
    PROFILE_SAVED = 6257,
    PROFILE_APPLIED = 6260,
    PROFILE_APPLY_FAILED = 6261,
    PROFILE_DISCONNECTING = 6263
};

// WlanAcmEvent results and reasons.
enum {
    WLAN_CONNECTED = 6256,
    WLAN_FAILED = 6257,
    WLAN_DISCONNECTED = 6258
};
enum {
    REASON_NORMAL = 6511,
    REASON_WIRED_TIMEOUT = 6516,
    REASON_NO_HUB = 6521
};

// Hub result codes.
enum {
    HUB_OK = 0,
    HUB_WIRED_ADAPTER_UP = 5,
    HUB_REQUEST_REFUSED = 6,
    HUB_SCAN_THREAD_FAILED = 100
};

// CheckProfilesForAP result bits.
enum : int {
    PROFILES_READ = 0x1000000,
    PROFILES_SSID_KNOWN = 0x100000,
    PROFILES_NAME_TAKEN = 0x10000,
    PROFILES_PRIORITY_MASK = 0xFFFF
};

#endif
