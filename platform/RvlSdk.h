/*
 * The platform library's C interface: adapters, wireless association,
 * DHCP and IP settings, mesh, and privileged file copies.
 *
 * Every record here is exchanged with the library by address or by value,
 * so its layout is fixed byte for byte (32-bit x86 and x86-64 alike, with a
 * 4-byte wchar_t as glibc has it).  This header is the one place these
 * records are declared.
 *
 * Adapter types: 1 wired LAN, 2 wireless LAN.  Every function returns 0 on
 * success.
 */
#ifndef TIDEWAVE_RVLSDK_H
#define TIDEWAVE_RVLSDK_H

#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#define RVL_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define RVL_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

enum {
    RVL_ADAPTER_NONE = 0,
    RVL_ADAPTER_WIRED = 1,
    RVL_ADAPTER_WIRELESS = 2
};

enum {
    RVL_PHY_80211B = 0,
    RVL_PHY_80211G = 1,
    RVL_PHY_80211N = 2
};

enum {
    RVL_SECURITY_OPEN = 0,
    RVL_SECURITY_WEP = 1,
    RVL_SECURITY_WPA_PSK = 2,
    RVL_SECURITY_UNKNOWN = 3
};

#define RVL_SSID_MAX 32
#define RVL_AP_LIST_MAX 32
#define RVL_TEXT_BUFFER 256
#define RVL_NEIGHBOR_MAX 64

/* One access point, as a scan reports it; also the wireless connect request. */
typedef struct APStatus {
    wchar_t wszSSID[RVL_SSID_MAX];     /* SSID as wide text */
    uint32_t nSSIDLength;              /* SSID bytes used */
    uint8_t ucSSID[RVL_SSID_MAX];      /* SSID bytes; no NUL when 32 long */
    uint32_t nPhyType;                 /* RVL_PHY_* */
    uint32_t nMode;                    /* 3 in connect requests */
    uint32_t nSecurity;                /* RVL_SECURITY_*; others count as open */
    uint32_t nSignalQuality;           /* 0..100 */
    uint32_t nChannel;
    uint8_t ucBSSID[6];
    uint8_t ucReserved[2];
} APStatus;

typedef struct AccessPointList {
    int nCount;
    APStatus list[RVL_AP_LIST_MAX];
} AccessPointList;

/* Passed by value to RVL_ConnectAP. */
typedef struct ConnectInfo {
    char szKey[RVL_TEXT_BUFFER];       /* UTF-8 key, NUL-terminated */
    char szSSID[RVL_TEXT_BUFFER];      /* SSID bytes, then NUL */
    uint32_t nKeyIndexSecurity;        /* (key index << 16) | security */
} ConnectInfo;

typedef struct MeshGatewayInfo {
    char ip[33];
    char dns[33];
    char dns2[33];
    unsigned char channel;
    char hostName[33];
} MeshGatewayInfo;

typedef struct MeshNeighborEntry {
    int8_t Rssi;
    char HostName[33];
    uint8_t Mac[6];
    uint8_t Reserved[36];
} MeshNeighborEntry;

typedef struct MeshNeighborList {
    MeshNeighborEntry entries[RVL_NEIGHBOR_MAX];
    uint8_t count;
} MeshNeighborList;

RVL_STATIC_ASSERT(sizeof(wchar_t) == 4, "the library's records use a 4-byte wchar_t");
RVL_STATIC_ASSERT(sizeof(APStatus) == 192, "APStatus is 192 bytes");
RVL_STATIC_ASSERT(offsetof(APStatus, nSSIDLength) == 128, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, ucSSID) == 132, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, nPhyType) == 164, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, nMode) == 168, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, nSecurity) == 172, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, nSignalQuality) == 176, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, nChannel) == 180, "APStatus layout");
RVL_STATIC_ASSERT(offsetof(APStatus, ucBSSID) == 184, "APStatus layout");
RVL_STATIC_ASSERT(sizeof(AccessPointList) == 6148, "AccessPointList is 6148 bytes");
RVL_STATIC_ASSERT(offsetof(AccessPointList, list) == 4, "AccessPointList layout");
RVL_STATIC_ASSERT(sizeof(ConnectInfo) == 516, "ConnectInfo is 516 bytes");
RVL_STATIC_ASSERT(offsetof(ConnectInfo, szSSID) == 256, "ConnectInfo layout");
RVL_STATIC_ASSERT(offsetof(ConnectInfo, nKeyIndexSecurity) == 512, "ConnectInfo layout");
RVL_STATIC_ASSERT(sizeof(MeshGatewayInfo) == 133, "MeshGatewayInfo is 133 bytes");
RVL_STATIC_ASSERT(offsetof(MeshGatewayInfo, dns) == 33, "MeshGatewayInfo layout");
RVL_STATIC_ASSERT(offsetof(MeshGatewayInfo, dns2) == 66, "MeshGatewayInfo layout");
RVL_STATIC_ASSERT(offsetof(MeshGatewayInfo, channel) == 99, "MeshGatewayInfo layout");
RVL_STATIC_ASSERT(offsetof(MeshGatewayInfo, hostName) == 100, "MeshGatewayInfo layout");
RVL_STATIC_ASSERT(sizeof(MeshNeighborEntry) == 76, "MeshNeighborEntry is 76 bytes");
RVL_STATIC_ASSERT(offsetof(MeshNeighborEntry, HostName) == 1, "MeshNeighborEntry layout");
RVL_STATIC_ASSERT(offsetof(MeshNeighborEntry, Mac) == 34, "MeshNeighborEntry layout");
RVL_STATIC_ASSERT(sizeof(MeshNeighborList) == 4865, "MeshNeighborList is 4865 bytes");
RVL_STATIC_ASSERT(offsetof(MeshNeighborList, count) == 4864, "MeshNeighborList layout");

typedef void (*RVL_ChangeCallback)(int*);

/* Start-up */
int RVL_Initialize(void);
int RVL_InitUserInfo(void);

/* Change notifications, delivered on the library's own thread */
int RVL_RegisterLanChangedCallback(RVL_ChangeCallback cb);
int RVL_RegisterWLanChangedCallback(RVL_ChangeCallback cb);
int RVL_RegisterDownInterfaceCallback(RVL_ChangeCallback cb);
int RVL_DispatchDisableEvent(int adapterType);

/* Adapters and links */
int RVL_SearchAdapter(void);
int RVL_IsExistAdapter(int adapterType, int* exists);
int RVL_IsExistUpAdapter(int adapterType, int* up);
int RVL_IsExistConnectAdapter(int adapterType, int* connected);
int RVL_UpAdapter(int adapterType);
int RVL_DownAdapter(int adapterType);
int RVL_GetLANStatus(int* linked);
int RVL_GetWirelessStatus(int* associated);

/* Wireless */
int RVL_GetAPList(AccessPointList* list);
int RVL_GetCurrentAP(APStatus* ap);
int RVL_ConnectAP(APStatus* request, ConnectInfo info);
int RVL_CloseWlanConnection(void);

/* Addresses and settings */
int RVL_GetIPAddressHLAN(int adapterType, char ip[RVL_TEXT_BUFFER]);
int RVL_GetConnectTypeHLAN(char text[RVL_TEXT_BUFFER]);
int RVL_SetIPAddress(int adapterType, char ip[RVL_TEXT_BUFFER], char mask[RVL_TEXT_BUFFER],
                     char gateway[RVL_TEXT_BUFFER], char dns[RVL_TEXT_BUFFER]);
int RVL_EnableInternetSharing(int enable);
int RVL_WriteFile(char word[RVL_TEXT_BUFFER]);

/* Mesh */
int RVL_TurnOnMesh(int on);
int RVL_GetMeshGatewayInfo(MeshGatewayInfo* info);
int RVL_EnableMeshServer(char ifname[RVL_TEXT_BUFFER]);
int RVL_EnableMeshClient(MeshGatewayInfo* info);
int RVL_GetMeshHostName(char name[RVL_TEXT_BUFFER]);
int RVL_SetMeshHostName(char name[RVL_TEXT_BUFFER]);
int RVL_GetMeshChannel(int* channel);
int RVL_SetMeshChannel(int channel);
int RVL_ListAllNeighborMPs(MeshNeighborList* list);

#ifdef __cplusplus
}
#endif

#endif
