#include "SystemInterfaceQuery.h"

#include <cstring>

#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "DataCenterLinux.h"

SystemInterfaceQuery::~SystemInterfaceQuery() { CloseSocket(); }

std::vector<std::string> SystemInterfaceQuery::Names() {
    std::vector<std::string> names;
    struct if_nameindex* list = if_nameindex();
    if (list == nullptr)
        return names;
    for (struct if_nameindex* n = list; n->if_index != 0; ++n) {
        if (n->if_name == nullptr || n->if_name[0] == '\0')
            break;
        names.emplace_back(n->if_name);
    }
    if_freenameindex(list);
    return names;
}

std::string SystemInterfaceQuery::IPv4(const std::string& name) {
    char buf[33] = {};
    if (DataCenterLinux::GetInterfaceIPv4(name.c_str(), buf) != 0)
        return std::string();
    return std::string(buf, strnlen(buf, 32));
}

bool SystemInterfaceQuery::OpenSocket() {
    CloseSocket();
    m_nSocket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return m_nSocket >= 0;
}

bool SystemInterfaceQuery::ReadUpFlag(const std::string& name, bool& up) {
    if (m_nSocket < 0)
        return false;
    struct ifreq req;
    std::memset(&req, 0, sizeof req);
    std::strncpy(req.ifr_name, name.c_str(), IFNAMSIZ - 1);
    if (ioctl(m_nSocket, SIOCGIFFLAGS, &req) != 0)
        return false;
    up = (req.ifr_flags & IFF_UP) != 0;
    return true;
}

void SystemInterfaceQuery::CloseSocket() {
    if (m_nSocket >= 0)
        close(m_nSocket);
    m_nSocket = -1;
}
