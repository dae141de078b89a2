#ifndef TIDEWAVE_PROFILELIST_H
#define TIDEWAVE_PROFILELIST_H

#include <string>
#include <vector>

// One network profile as the store, the windows and the profile files know
// it.  Every field is UTF-8 text; flags are "1" (on) or "0" (off).

// General settings: how the profile connects.
struct stGenernalSet {
    std::string ConnecType;  // "wireless" or "lan"; anything but "wireless" is wired

    bool operator==(const stGenernalSet& other) const;
    bool operator!=(const stGenernalSet& other) const { return !(*this == other); }
};

// The wireless group.
struct stWirelessSet {
    std::string SSID;
    std::string WirlessType;   // "Automatic", "802.11b", "802.11g", "802.11n"
    std::string WlanSecurity;  // "none", "wep", "wpa-psk", "unknown"
    std::string WPAKey;
    std::string WEPKey;
    std::string KeyIndex;      // "1" to "4"; "0" when the network uses no WEP key

    bool operator==(const stWirelessSet& other) const;
    bool operator!=(const stWirelessSet& other) const { return !(*this == other); }
};

// Everything applied after the connection is up.
struct ProfileOtherSet {
    std::string NetworkSecurity;
    std::string ForbidShareFileAndPrint;
    std::string ForbidShareInternet;
    std::string StartWindowFirewall;

    std::string AutoRunAppFlag;
    std::vector<std::string> AutoRun;  // one program path each, in start order

    std::string IPDNS;
    std::string IPvalue;
    std::string SubnetAddress;
    std::string NetGateway;
    std::string DNSvalue;

    std::string HomepageFlag;
    std::string Homepage;

    std::string ProxyFlag;
    std::string Proxy;
    std::string Port;

    bool operator==(const ProfileOtherSet& other) const;
    bool operator!=(const ProfileOtherSet& other) const { return !(*this == other); }
};

struct ProfileList_t {
    std::string name;        // the file's base name; not stored inside the file
    std::string permission;  // "admin" or "user"
    std::string priority;    // decimal text; lists are in ascending priority
    std::string icon;        // "0" to "7"
    std::string show;        // "1" listed, "0" hidden

    stGenernalSet GenernalSet;
    stWirelessSet WirelessSet;
    ProfileOtherSet OtherSet;

    // True exactly when every field is byte-equal, the AutoRun list included
    // with its order.
    bool operator==(const ProfileList_t& other) const;
    bool operator!=(const ProfileList_t& other) const { return !(*this == other); }
};

#endif
