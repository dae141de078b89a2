// Lays out a demo settings root for the simulated laptop's built-in world:
// administrator profiles (wired, WPA-PSK, WEP, one hidden from the lists),
// the guest profile, and a policy file that allows everything.
//
//   tidewave_make_demo <root folder>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "ProfileFile.h"
#include "ProfileList.h"
#include "TWMUtil.h"

namespace {

ProfileList_t Profile(const std::string& name, const std::string& priority, const std::string& type) {
    ProfileList_t p;
    p.name = name;
    p.permission = "admin";
    p.priority = priority;
    p.icon = "0";
    p.show = "1";
    p.GenernalSet.ConnecType = type;
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.KeyIndex = "0";
    p.OtherSet.NetworkSecurity = "0";
    p.OtherSet.AutoRunAppFlag = "0";
    p.OtherSet.IPDNS = "0";
    p.OtherSet.HomepageFlag = "0";
    p.OtherSet.ProxyFlag = "0";
    return p;
}

ProfileList_t Wireless(const std::string& name, const std::string& priority, const std::string& ssid,
                       const std::string& security, const std::string& key) {
    ProfileList_t p = Profile(name, priority, "wireless");
    p.WirelessSet.SSID = ssid;
    p.WirelessSet.WlanSecurity = security;
    if (security == "wep") {
        p.WirelessSet.WEPKey = key;
        p.WirelessSet.KeyIndex = "1";
    } else if (security == "wpa-psk") {
        p.WirelessSet.WPAKey = key;
    }
    return p;
}

bool MakeFolder(const std::string& path) {
    return TWMUtil::MakeFolder(path, 0755);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <root folder>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::string admin = root + "/etc/Lanternfield";
    const std::string guest = root + "/etc/GuestProfile";
    if (!MakeFolder(admin) || !MakeFolder(guest) || !MakeFolder(root + "/tmp")) {
        std::fprintf(stderr, "cannot make the folders under %s\n", root.c_str());
        return 1;
    }

    ProfileList_t hidden = Wireless("Staff Room", "4", "Staff-Room", "unknown", "staff-only");
    hidden.show = "0";
    const ProfileList_t profiles[] = {
        Profile("School LAN", "1", "lan"),
        Wireless("Classroom 101", "2", "Classroom-101", "wpa-psk", "lantern-wpa-key"),
        Wireless("Library", "3", "Library-WEP", "wep", "1234567890"),
        hidden,
    };
    for (const ProfileList_t& p : profiles) {
        if (!ProfileFile::Write(p, admin, 0644, true)) {
            std::fprintf(stderr, "cannot write the profile %s\n", p.name.c_str());
            return 1;
        }
    }
    ProfileList_t guestProfile = Wireless("Guest", "1", "Guest-Open", "none", "");
    guestProfile.permission = "user";
    if (!ProfileFile::Write(guestProfile, guest, 0644, true)) {
        std::fprintf(stderr, "cannot write the guest profile\n");
        return 1;
    }

    const std::string policy =
        "<?xml version=\"1.0\" ?>\n"
        "<NetworkPolicy>\n"
        "  <UseMesh value=\"1\" />\n"
        "  <ScanWireless value=\"1\" />\n"
        "  <MaintainProfiles value=\"1\" />\n"
        "  <TurnWirelessOnOff value=\"1\" />\n"
        "</NetworkPolicy>\n";
    if (!TWMUtil::ReplaceFile(admin + "/NetworkPolicy.xml", policy, 0644)) {
        std::fprintf(stderr, "cannot write the policy file\n");
        return 1;
    }
    std::printf("demo settings written under %s\n", root.c_str());
    return 0;
}
