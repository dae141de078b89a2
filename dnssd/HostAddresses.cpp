#include "HostAddresses.h"

#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>

std::vector<uint32_t> HostAddresses::IPv4() {
    std::vector<uint32_t> out;
    struct ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return out;
    for (struct ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr != nullptr && a->ifa_addr->sa_family == AF_INET)
            out.push_back(reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr);
    }
    freeifaddrs(list);
    return out;
}
