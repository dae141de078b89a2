// The platform library's C functions over the simulated laptop.  Each call
// is written to the call journal, may fail as a test has asked, reads its
// text arguments only within their 256 bytes and leaves every text it
// writes NUL-terminated within the caller's buffer.
#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RvlSdk.h"
#include "sim/CallJournal.h"
#include "sim/SettingsFileCopier.h"
#include "sim/SimLaptop.h"
#include "SystemPaths.h"
#include "Utf8Text.h"

namespace {

// Printable form of some bytes for the journal.
std::string Quoted(const char* bytes, size_t size) {
    if (bytes == nullptr)
        return "null";
    std::string out = "\"";
    for (size_t i = 0; i < size && bytes[i] != '\0'; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 || c == 0x7F || c == '"' || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Quoted(const std::string& bytes) { return Quoted(bytes.c_str(), bytes.size()); }

std::string Pointer(const void* p) { return p == nullptr ? "null" : "ptr"; }

// Copies a raw record a test has set up for this call, verbatim; true when
// there was one.
bool CopyRawRecord(const char* function, void* record, size_t size) {
    auto raw = CallJournal::Instance().TakeRaw(function);
    if (!raw || record == nullptr)
        return false;
    std::memcpy(record, raw->data(), std::min(size, raw->size()));
    return true;
}

// Journals the call; true (with the result to give) when a test asked this
// call to fail.
bool Injected(const char* function, const std::string& args, int& result) {
    CallJournal& journal = CallJournal::Instance();
    journal.Record(std::string(function) + "(" + args + ")");
    if (auto failure = journal.TakeFailure(function)) {
        result = *failure;
        return true;
    }
    return false;
}

// The text in a caller's buffer of `size` bytes; false when the buffer is
// missing or holds no NUL within its size.
bool ReadText(const char* buffer, size_t size, std::string& out) {
    if (buffer == nullptr)
        return false;
    const void* nul = std::memchr(buffer, '\0', size);
    if (nul == nullptr)
        return false;
    out.assign(buffer, static_cast<const char*>(nul) - buffer);
    return true;
}

void WriteText(char* buffer, size_t size, const std::string& text) {
    if (buffer == nullptr || size == 0)
        return;
    const size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void ClearText(char* buffer, size_t size) { WriteText(buffer, size, std::string()); }

bool IsAddress(const std::string& text) {
    in_addr a;
    return inet_pton(AF_INET, text.c_str(), &a) == 1;
}

SimLaptop& Laptop() { return SimLaptop::Instance(); }

int Flag(int result, bool value, int* out) {
    if (out == nullptr)
        return SimLaptop::FAILED;
    *out = value ? 1 : 0;
    return result;
}

int CopySettingsFile(const std::string& path) {
    std::string error;
    if (!SettingsFileCopier::Copy(path, SystemPaths::AdminDir(), error)) {
        std::fprintf(stderr, "simulated platform: settings file not copied: %s\n", error.c_str());
        return SimLaptop::FAILED;
    }
    return 0;
}

}  // namespace

extern "C" {

int RVL_Initialize(void) {
    int r;
    if (Injected("RVL_Initialize", "", r))
        return r;
    return Laptop().Initialize();
}

int RVL_InitUserInfo(void) {
    int r;
    if (Injected("RVL_InitUserInfo", "", r))
        return r;
    return 0;
}

int RVL_RegisterLanChangedCallback(RVL_ChangeCallback cb) {
    int r;
    if (Injected("RVL_RegisterLanChangedCallback", Pointer(reinterpret_cast<const void*>(cb)), r))
        return r;
    Laptop().RegisterCallback(SimLaptop::LAN_CHANGED, cb);
    return 0;
}

int RVL_RegisterWLanChangedCallback(RVL_ChangeCallback cb) {
    int r;
    if (Injected("RVL_RegisterWLanChangedCallback", Pointer(reinterpret_cast<const void*>(cb)), r))
        return r;
    Laptop().RegisterCallback(SimLaptop::WLAN_CHANGED, cb);
    return 0;
}

int RVL_RegisterDownInterfaceCallback(RVL_ChangeCallback cb) {
    int r;
    if (Injected("RVL_RegisterDownInterfaceCallback", Pointer(reinterpret_cast<const void*>(cb)), r))
        return r;
    Laptop().RegisterCallback(SimLaptop::INTERFACE_DOWN, cb);
    return 0;
}

int RVL_DispatchDisableEvent(int adapterType) {
    int r;
    if (Injected("RVL_DispatchDisableEvent", std::to_string(adapterType), r))
        return r;
    return Laptop().Down(adapterType);
}

int RVL_SearchAdapter(void) {
    int r;
    if (Injected("RVL_SearchAdapter", "", r))
        return r;
    return 0;
}

int RVL_IsExistAdapter(int adapterType, int* exists) {
    int r;
    if (Injected("RVL_IsExistAdapter", std::to_string(adapterType) + ", " + Pointer(exists), r))
        return r;
    bool value = false;
    r = Laptop().Exists(adapterType, value);
    return Flag(r, value, exists);
}

int RVL_IsExistUpAdapter(int adapterType, int* up) {
    int r;
    if (Injected("RVL_IsExistUpAdapter", std::to_string(adapterType) + ", " + Pointer(up), r))
        return r;
    bool value = false;
    r = Laptop().IsUp(adapterType, value);
    return Flag(r, value, up);
}

int RVL_IsExistConnectAdapter(int adapterType, int* connected) {
    int r;
    if (Injected("RVL_IsExistConnectAdapter", std::to_string(adapterType) + ", " + Pointer(connected), r))
        return r;
    bool value = false;
    r = Laptop().IsConnected(adapterType, value);
    return Flag(r, value, connected);
}

int RVL_UpAdapter(int adapterType) {
    int r;
    if (Injected("RVL_UpAdapter", std::to_string(adapterType), r))
        return r;
    return Laptop().Up(adapterType);
}

int RVL_DownAdapter(int adapterType) {
    int r;
    if (Injected("RVL_DownAdapter", std::to_string(adapterType), r))
        return r;
    return Laptop().Down(adapterType);
}

int RVL_GetLANStatus(int* linked) {
    int r;
    if (Injected("RVL_GetLANStatus", Pointer(linked), r))
        return r;
    bool value = false;
    r = Laptop().LanLink(value);
    return Flag(r, value, linked);
}

int RVL_GetWirelessStatus(int* associated) {
    int r;
    if (Injected("RVL_GetWirelessStatus", Pointer(associated), r))
        return r;
    bool value = false;
    r = Laptop().WirelessAssociated(value);
    return Flag(r, value, associated);
}

int RVL_GetAPList(AccessPointList* list) {
    int r;
    if (Injected("RVL_GetAPList", Pointer(list), r))
        return r;
    if (list == nullptr)
        return SimLaptop::FAILED;
    std::vector<APStatus> records;
    r = Laptop().Scan(records);
    std::memset(list, 0, sizeof *list);
    if (r != 0)
        return r;
    list->nCount = static_cast<int>(records.size());
    if (!records.empty())
        std::memcpy(list->list, records.data(), records.size() * sizeof(APStatus));
    return 0;
}

int RVL_GetCurrentAP(APStatus* ap) {
    int r;
    if (Injected("RVL_GetCurrentAP", Pointer(ap), r))
        return r;
    if (ap == nullptr)
        return SimLaptop::FAILED;
    APStatus record;
    r = Laptop().CurrentAp(record);
    if (r == 0)
        *ap = record;
    return r;
}

int RVL_ConnectAP(APStatus* request, ConnectInfo info) {
    std::string ssid, key;
    uint32_t security = 0;
    const uint32_t keyIndex = info.nKeyIndexSecurity >> 16;
    const bool keyOk = ReadText(info.szKey, sizeof info.szKey, key);
    if (request != nullptr) {
        const size_t n = std::min<size_t>(request->nSSIDLength, RVL_SSID_MAX);
        ssid.assign(reinterpret_cast<const char*>(request->ucSSID), n);
        security = request->nSecurity;
    }
    int r;
    if (Injected("RVL_ConnectAP",
                 (request == nullptr ? std::string("null") : "ssid=" + Quoted(ssid)) +
                     ", security=" + std::to_string(security) + ", mode=" +
                     std::to_string(request == nullptr ? 0 : request->nMode) + ", key=" +
                     Quoted(info.szKey, sizeof info.szKey) + ", keyIndex=" + std::to_string(keyIndex),
                 r))
        return r;
    if (request == nullptr || !keyOk)
        return SimLaptop::FAILED;
    return Laptop().Connect(ssid, security, key, keyIndex);
}

int RVL_CloseWlanConnection(void) {
    int r;
    if (Injected("RVL_CloseWlanConnection", "", r))
        return r;
    return Laptop().Disconnect();
}

int RVL_GetIPAddressHLAN(int adapterType, char ip[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_GetIPAddressHLAN", std::to_string(adapterType) + ", " + Pointer(ip), r)) {
        ClearText(ip, RVL_TEXT_BUFFER);
        return r;
    }
    if (ip == nullptr)
        return SimLaptop::FAILED;
    std::string address;
    r = Laptop().Address(adapterType, address);
    WriteText(ip, RVL_TEXT_BUFFER, r == 0 ? address : std::string());
    return r;
}

int RVL_GetConnectTypeHLAN(char text[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_GetConnectTypeHLAN", Pointer(text), r)) {
        ClearText(text, RVL_TEXT_BUFFER);
        return r;
    }
    if (text == nullptr)
        return SimLaptop::FAILED;
    std::string value;
    r = Laptop().ConnectType(value);
    WriteText(text, RVL_TEXT_BUFFER, value);
    return r;
}

int RVL_SetIPAddress(int adapterType, char ip[RVL_TEXT_BUFFER], char mask[RVL_TEXT_BUFFER],
                     char gateway[RVL_TEXT_BUFFER], char dns[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_SetIPAddress",
                 std::to_string(adapterType) + ", " + Quoted(ip, RVL_TEXT_BUFFER) + ", " +
                     Quoted(mask, RVL_TEXT_BUFFER) + ", " + Quoted(gateway, RVL_TEXT_BUFFER) + ", " +
                     Quoted(dns, RVL_TEXT_BUFFER),
                 r))
        return r;
    std::string i, m, g, d;
    if (!ReadText(ip, RVL_TEXT_BUFFER, i) || !ReadText(mask, RVL_TEXT_BUFFER, m) ||
        !ReadText(gateway, RVL_TEXT_BUFFER, g) || !ReadText(dns, RVL_TEXT_BUFFER, d))
        return SimLaptop::FAILED;
    // Canonical dotted addresses only; gateway and DNS may be left empty.
    if (!IsAddress(i) || !IsAddress(m) || (!g.empty() && !IsAddress(g)) || (!d.empty() && !IsAddress(d)))
        return SimLaptop::FAILED;
    return Laptop().SetStaticAddress(adapterType, i, m, g, d);
}

int RVL_EnableInternetSharing(int enable) {
    int r;
    if (Injected("RVL_EnableInternetSharing", std::to_string(enable), r))
        return r;
    Laptop().SetSharing(enable != 0);
    return 0;
}

int RVL_WriteFile(char word[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_WriteFile", Quoted(word, RVL_TEXT_BUFFER), r))
        return r;
    std::string text;
    if (!ReadText(word, RVL_TEXT_BUFFER, text) || text.empty())
        return SimLaptop::FAILED;
    if (text == "killall") {
        Laptop().StopDhcpClients();
        return 0;
    }
    if (text == "dhclient")
        return Laptop().StartWiredDhcpClient();
    return CopySettingsFile(text);
}

int RVL_TurnOnMesh(int on) {
    int r;
    if (Injected("RVL_TurnOnMesh", std::to_string(on), r))
        return r;
    Laptop().SetMeshOn(on != 0);
    return 0;
}

int RVL_GetMeshGatewayInfo(MeshGatewayInfo* info) {
    int r;
    if (Injected("RVL_GetMeshGatewayInfo", Pointer(info), r))
        return r;
    if (CopyRawRecord("RVL_GetMeshGatewayInfo", info, sizeof *info))
        return 0;
    if (info == nullptr)
        return SimLaptop::FAILED;
    SimLaptop::GatewayInfo g;
    r = Laptop().Gateway(g);
    std::memset(info, 0, sizeof *info);
    WriteText(info->ip, sizeof info->ip, g.ip);
    WriteText(info->dns, sizeof info->dns, g.dns);
    WriteText(info->dns2, sizeof info->dns2, g.dns2);
    info->channel = static_cast<unsigned char>(g.channel);
    WriteText(info->hostName, sizeof info->hostName, Utf8Text::Truncate(g.hostName, sizeof info->hostName - 1));
    return r;
}

int RVL_EnableMeshServer(char ifname[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_EnableMeshServer", Quoted(ifname, RVL_TEXT_BUFFER), r))
        return r;
    std::string name;
    if (!ReadText(ifname, RVL_TEXT_BUFFER, name))
        return SimLaptop::FAILED;
    return Laptop().EnableMeshServer(name);
}

int RVL_EnableMeshClient(MeshGatewayInfo* info) {
    if (info == nullptr) {
        int r;
        if (Injected("RVL_EnableMeshClient", "null", r))
            return r;
        return SimLaptop::FAILED;
    }
    // The fields may arrive without a NUL: read each within its 33 bytes.
    const auto field = [](const char* f) { return std::string(f, strnlen(f, 33)); };
    const std::string ip = field(info->ip), dns = field(info->dns), dns2 = field(info->dns2);
    int r;
    if (Injected("RVL_EnableMeshClient", Quoted(ip) + ", " + Quoted(dns) + ", " + Quoted(dns2), r))
        return r;
    return Laptop().EnableMeshClient(ip, dns, dns2);
}

int RVL_GetMeshHostName(char name[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_GetMeshHostName", Pointer(name), r)) {
        ClearText(name, RVL_TEXT_BUFFER);
        return r;
    }
    if (name == nullptr)
        return SimLaptop::FAILED;
    WriteText(name, RVL_TEXT_BUFFER, Utf8Text::Truncate(Laptop().MeshHostName(), RVL_TEXT_BUFFER - 1));
    return 0;
}

int RVL_SetMeshHostName(char name[RVL_TEXT_BUFFER]) {
    int r;
    if (Injected("RVL_SetMeshHostName", Quoted(name, RVL_TEXT_BUFFER), r))
        return r;
    std::string text;
    if (!ReadText(name, RVL_TEXT_BUFFER, text))
        return SimLaptop::FAILED;
    Laptop().SetMeshHostName(text);
    return 0;
}

int RVL_GetMeshChannel(int* channel) {
    int r;
    if (Injected("RVL_GetMeshChannel", Pointer(channel), r))
        return r;
    if (channel == nullptr)
        return SimLaptop::FAILED;
    *channel = Laptop().MeshChannel();
    return 0;
}

int RVL_SetMeshChannel(int channel) {
    int r;
    if (Injected("RVL_SetMeshChannel", std::to_string(channel), r))
        return r;
    return Laptop().SetMeshChannel(channel);
}

int RVL_ListAllNeighborMPs(MeshNeighborList* list) {
    int r;
    if (Injected("RVL_ListAllNeighborMPs", Pointer(list), r))
        return r;
    if (CopyRawRecord("RVL_ListAllNeighborMPs", list, sizeof *list))
        return 0;
    if (list == nullptr)
        return SimLaptop::FAILED;
    std::memset(list, 0, sizeof *list);
    const std::vector<SimNeighbor> neighbors = Laptop().Neighbors();
    size_t count = std::min<size_t>(neighbors.size(), RVL_NEIGHBOR_MAX);
    for (size_t i = 0; i < count; ++i) {
        MeshNeighborEntry& e = list->entries[i];
        e.Rssi = static_cast<int8_t>(neighbors[i].rssi);
        WriteText(e.HostName, sizeof e.HostName, Utf8Text::Truncate(neighbors[i].hostName, sizeof e.HostName - 1));
        std::memcpy(e.Mac, neighbors[i].mac.data(), 6);
    }
    list->count = static_cast<uint8_t>(count);
    return 0;
}

}  // extern "C"
