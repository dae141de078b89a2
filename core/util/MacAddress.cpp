#include "MacAddress.h"

#include <cstdio>
#include <cstring>
#include <net/if.h>
#include <net/if_arp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char kNoAddress[] = "00-00-00-00-00-00";

// The Ethernet address of the named interface, when it is not the loopback
// and the address is not all zeros.
bool ReadEthernetAddress(int sock, const char* name, unsigned char (&bytes)[6]) {
    ifreq request;
    std::memset(&request, 0, sizeof request);
    std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
    if (ioctl(sock, SIOCGIFFLAGS, &request) == 0 && (request.ifr_flags & IFF_LOOPBACK) != 0)
        return false;
    if (ioctl(sock, SIOCGIFHWADDR, &request) != 0 || request.ifr_hwaddr.sa_family != ARPHRD_ETHER)
        return false;
    std::memcpy(bytes, request.ifr_hwaddr.sa_data, sizeof bytes);
    for (unsigned char b : bytes) {
        if (b != 0)
            return true;
    }
    return false;
}

}  // namespace

MacAddress::MacAddress() { std::memcpy(m_szMac, kNoAddress, sizeof m_szMac); }

void MacAddress::FormatAddress(const unsigned char* bytes, char (&text)[TEXT_SIZE]) {
    if (bytes == nullptr) {
        std::memcpy(text, kNoAddress, sizeof text);
        return;
    }
    std::snprintf(text, sizeof text, "%02x-%02x-%02x-%02x-%02x-%02x", bytes[0], bytes[1], bytes[2], bytes[3],
                  bytes[4], bytes[5]);
}

const char* MacAddress::GetMac() {
    unsigned char bytes[6] = {};
    bool found = false;
    const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock >= 0) {
        if (struct if_nameindex* names = if_nameindex()) {
            for (const struct if_nameindex* n = names; n->if_index != 0 && n->if_name != nullptr && !found; ++n)
                found = ReadEthernetAddress(sock, n->if_name, bytes);
            if_freenameindex(names);
        }
        close(sock);
    }
    FormatAddress(found ? bytes : nullptr, m_szMac);
    return m_szMac;
}
