#ifndef TIDEWAVE_SYSTEMINTERFACEQUERY_H
#define TIDEWAVE_SYSTEMINTERFACEQUERY_H

#include "InterfaceQuery.h"

// The kernel's interfaces: if_nameindex, the hub's address lookup and
// SIOCGIFFLAGS on an IPv4 datagram socket.
class SystemInterfaceQuery : public InterfaceQuery {
public:
    ~SystemInterfaceQuery() override;

    std::vector<std::string> Names() override;
    std::string IPv4(const std::string& name) override;
    bool OpenSocket() override;
    bool ReadUpFlag(const std::string& name, bool& up) override;
    void CloseSocket() override;

private:
    int m_nSocket = -1;
};

#endif
