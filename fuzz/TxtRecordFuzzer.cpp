// libFuzzer entry for the mesh-server records that other laptops announce:
// the first byte chooses the address family of the resolution (bit 0: IPv6)
// and whether the address counts as this host's own (bit 1); the rest is the
// raw TXT record.  It goes through avahi's parser into the resolution reader,
// and an accepted server through the gateway record the platform receives.
// Any text over 32 bytes, or a field without its NUL, aborts.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <arpa/inet.h>
#include <wx/init.h>

#include "MeshGatewayRecord.h"
#include "MeshTxtRecord.h"
#include "TWMUtil.h"

namespace {

void CheckField(const char* field, size_t size) {
    if (strnlen(field, size) > size - 1)
        std::abort();  // no NUL within the field
}

void CheckText(const wxString& text) {
    if (TWMUtil::WxStringToStdString(text).size() > MeshTxtRecord::kMaxServerItemBytes)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static wxInitializer wx;
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    AvahiStringList* txt = nullptr;
    if (avahi_string_list_parse(data + 1, size - 1, &txt) < 0)
        return 0;
    AvahiAddress address;
    std::memset(&address, 0, sizeof address);
    address.proto = (flags & 1) ? AVAHI_PROTO_INET6 : AVAHI_PROTO_INET;
    address.data.ipv4.address = htonl(0x0A140005);  // 10.20.0.5
    MeshTxtRecord::OwnHost own;
    if (flags & 2)
        own.addresses.push_back(address.data.ipv4.address);

    MeshServerEntity server;
    const MeshTxtRecord::ReadResult result = MeshTxtRecord::ReadServer(address, "peer", txt, own, server);
    avahi_string_list_free(txt);
    if (result != MeshTxtRecord::SERVER_READ)
        return 0;
    CheckText(server.GetIPAddress());
    CheckText(server.GetHostName());
    CheckText(server.GetDNS());
    CheckText(server.GetDNS_back());
    const MeshGatewayInfo info = MeshGatewayRecord::Pack(server);
    CheckField(info.ip, sizeof info.ip);
    CheckField(info.dns, sizeof info.dns);
    CheckField(info.dns2, sizeof info.dns2);
    CheckField(info.hostName, sizeof info.hostName);
    // What was accepted reaches the platform unchanged.
    const MeshServerEntity back = MeshGatewayRecord::Unpack(info);
    if (back.GetIPAddress() != server.GetIPAddress() || back.GetDNS() != server.GetDNS() ||
        back.GetDNS_back() != server.GetDNS_back())
        std::abort();
    return 0;
}
