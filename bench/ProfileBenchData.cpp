#include "ProfileBenchData.h"

#include <cstdio>
#include <cstdlib>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ProfileFile.h"
#include "SystemPaths.h"

namespace ProfileBenchData {

namespace {

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

}  // namespace

ProfileList_t SampleProfile(int i) {
    ProfileList_t p;
    p.name = "Classroom " + std::to_string(i);
    p.permission = "admin";
    p.priority = std::to_string((i * 7919) % kProfileCount);
    p.icon = std::to_string(i % 8);
    p.show = "1";
    p.GenernalSet.ConnecType = i % 3 == 0 ? "lan" : "wireless";
    p.WirelessSet.SSID = "School-AP-" + std::to_string(i);
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.WlanSecurity = "wpa-psk";
    p.WirelessSet.WPAKey = "passphrase-" + std::to_string(i * 31);
    p.WirelessSet.KeyIndex = "0";
    p.OtherSet.NetworkSecurity = "1";
    p.OtherSet.ForbidShareInternet = "1";
    p.OtherSet.AutoRunAppFlag = "1";
    p.OtherSet.AutoRun = {"/usr/bin/xclock", "/usr/bin/lesson-viewer"};
    p.OtherSet.IPDNS = "0";
    p.OtherSet.HomepageFlag = "1";
    p.OtherSet.Homepage = "http://school.example/start";
    p.OtherSet.ProxyFlag = "0";
    return p;
}

std::string MakeRoot() {
    char rootTemplate[] = "/tmp/tw-bench-XXXXXX";
    if (::mkdtemp(rootTemplate) == nullptr) {
        std::perror("mkdtemp");
        return std::string();
    }
    const std::string root = rootTemplate;
    ::setenv("TIDEWAVE_ROOT", root.c_str(), 1);
    ::setenv("HOME", (root + "/home").c_str(), 1);
    ::mkdir((root + "/etc").c_str(), 0755);
    ::mkdir((root + "/home").c_str(), 0700);
    ::mkdir(SystemPaths::AdminDir().c_str(), 0755);
    return root;
}

bool WriteProfiles() {
    bool ok = true;
    for (int i = 0; i < kProfileCount; ++i) {
        if (!ProfileFile::Write(SampleProfile(i), SystemPaths::AdminDir(), 0644, true)) {
            std::fprintf(stderr, "cannot write profile %d\n", i);
            ok = false;
        }
    }
    return ok;
}

void RemoveRoot(const std::string& root) {
    if (!root.empty())
        ::nftw(root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

}  // namespace ProfileBenchData
