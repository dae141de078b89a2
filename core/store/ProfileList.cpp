#include "ProfileList.h"

bool stGenernalSet::operator==(const stGenernalSet& other) const {
    return ConnecType == other.ConnecType;
}

bool stWirelessSet::operator==(const stWirelessSet& other) const {
    return SSID == other.SSID && WirlessType == other.WirlessType &&
           WlanSecurity == other.WlanSecurity && WPAKey == other.WPAKey &&
           WEPKey == other.WEPKey && KeyIndex == other.KeyIndex;
}

bool ProfileOtherSet::operator==(const ProfileOtherSet& other) const {
    return NetworkSecurity == other.NetworkSecurity &&
           ForbidShareFileAndPrint == other.ForbidShareFileAndPrint &&
           ForbidShareInternet == other.ForbidShareInternet &&
           StartWindowFirewall == other.StartWindowFirewall &&
           AutoRunAppFlag == other.AutoRunAppFlag && AutoRun == other.AutoRun &&
           IPDNS == other.IPDNS && IPvalue == other.IPvalue &&
           SubnetAddress == other.SubnetAddress && NetGateway == other.NetGateway &&
           DNSvalue == other.DNSvalue && HomepageFlag == other.HomepageFlag &&
           Homepage == other.Homepage && ProxyFlag == other.ProxyFlag &&
           Proxy == other.Proxy && Port == other.Port;
}

bool ProfileList_t::operator==(const ProfileList_t& other) const {
    return name == other.name && permission == other.permission &&
           priority == other.priority && icon == other.icon && show == other.show &&
           GenernalSet == other.GenernalSet && WirelessSet == other.WirelessSet &&
           OtherSet == other.OtherSet;
}
