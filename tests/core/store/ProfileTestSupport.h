#ifndef TIDEWAVE_PROFILETESTSUPPORT_H
#define TIDEWAVE_PROFILETESTSUPPORT_H

#include <csignal>
#include <string>

#include <sys/resource.h>

#include "ProfileList.h"

// A profile with every field set to a value of its own, so that a field lost
// or swapped on the way through a file shows up in a comparison.
inline ProfileList_t MakeFullProfile(const std::string& name, const std::string& permission = "user",
                                     const std::string& priority = "3") {
    ProfileList_t p;
    p.name = name;
    p.permission = permission;
    p.priority = priority;
    p.icon = "4";
    p.show = "1";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = "Schule \xC3\xA4 <&>\"'";
    p.WirelessSet.WirlessType = "802.11g";
    p.WirelessSet.WlanSecurity = "wpa-psk";
    p.WirelessSet.WPAKey = "wpa key ]]> \t";
    p.WirelessSet.WEPKey = "0a1b2c3d4e";
    p.WirelessSet.KeyIndex = "2";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareFileAndPrint = "0";
    o.ForbidShareInternet = "1";
    o.StartWindowFirewall = "";
    o.AutoRunAppFlag = "1";
    o.AutoRun = {"/usr/bin/xclock", "", "/opt/school/start lesson.sh"};
    o.IPDNS = "1";
    o.IPvalue = "192.168.5.20";
    o.SubnetAddress = "255.255.255.0";
    o.NetGateway = "192.168.5.1";
    o.DNSvalue = "192.168.5.2";
    o.HomepageFlag = "1";
    o.Homepage = "http://school.example/?a=1&b=2";
    o.ProxyFlag = "1";
    o.Proxy = "proxy.school.example";
    o.Port = "3128";
    return p;
}

// Files may not grow beyond `bytes` while this lives: a write that needs more
// fails the way a full disk makes it fail, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved;
    void (*m_oldHandler)(int);
};

#endif
