#ifndef TIDEWAVE_PROFILETAGS_H
#define TIDEWAVE_PROFILETAGS_H

// Element names of a profile file, shared by the reader, the writer and
// anything else that looks inside one.
namespace ProfileTags {

constexpr const char* PROFILE = "profile";
constexpr const char* PERMISSION = "permission";
constexpr const char* PRIORITY = "priority";
constexpr const char* ICON = "icon";
constexpr const char* SHOW = "show";

constexpr const char* GENERNAL_SETTINGS = "GenernalSettings";
constexpr const char* CONNECT_TYPE = "ConnectType";

constexpr const char* WIRELESS_SETTINGS = "WirelessSettings";
constexpr const char* SSID = "SSID";
constexpr const char* WIRLESS_TYPE = "WirlessType";
constexpr const char* WLAN_SECURITY = "WlanSecurity";
constexpr const char* WEP_SETTINGS = "WEPSettings";
constexpr const char* KEY_INDEX = "KeyIndex";
constexpr const char* WPA_SETTINGS = "WPASettings";

constexpr const char* OTHER_SETTINGS = "OtherSettings";
constexpr const char* NETWORK_SECURITY = "NetworkSecurity";
constexpr const char* FORBID_SHARE_FILE_AND_PRINT = "ForbidShareFileAndPrint";
constexpr const char* FORBID_SHARE_INTERNET = "ForbidShareInternet";
constexpr const char* START_WINDOW_FIREWALL = "StartWindowFirewall";
constexpr const char* AUTO_RUN_APP_FLAG = "AutoRunAppFlag";
constexpr const char* AUTO_RUN = "AutoRun";
constexpr const char* IPDNS = "IPDNS";
constexpr const char* IP_VALUE = "IPvalue";
constexpr const char* SUBNET_ADDRESS = "SubnetAddress";
constexpr const char* NET_GATEWAY = "NetGateway";
constexpr const char* DNS_VALUE = "DNSvalue";
constexpr const char* HOMEPAGE_FLAG = "HomepageFlag";
constexpr const char* HOMEPAGE = "Homepage";
constexpr const char* PROXY_FLAG = "ProxyFlag";
constexpr const char* PROXY = "Proxy";
constexpr const char* PORT = "Port";

// Declared with the others; no profile file uses them.
constexpr const char* AUTHENTICATION = "Authentication";
constexpr const char* DETAIL_VALUE = "detailvalue";
constexpr const char* DISCONNECT_NET = "DisconnectNet";
constexpr const char* USER = "User";
constexpr const char* PASSWORD = "Password";

// Other spellings a reader accepts beside the element text.
constexpr const char* VALUE_ATTRIBUTE = "value";

// File name extension of a profile.
constexpr const char* EXTENSION = ".profile";

}  // namespace ProfileTags

#endif
