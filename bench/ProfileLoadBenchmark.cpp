// Compares loading a folder of profiles through the store with a bare
// TinyXML parse of the same files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tinyxml.h>
#include <wx/init.h>

#include "ProfileFile.h"
#include "ProfileManagementControl.h"
#include "SystemPaths.h"

namespace {

const int kProfileCount = 1000;
const int kRounds = 7;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

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

std::vector<std::string> ProfilePaths(const std::string& folder) {
    std::vector<std::string> paths;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            if (ProfileFile::HasProfileExtension(e->d_name))
                paths.push_back(folder + "/" + e->d_name);
        }
        ::closedir(dir);
    }
    return paths;
}

}  // namespace

int main() {
    char rootTemplate[] = "/tmp/tw-bench-XXXXXX";
    if (::mkdtemp(rootTemplate) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = rootTemplate;
    ::setenv("TIDEWAVE_ROOT", root.c_str(), 1);
    ::setenv("HOME", (root + "/home").c_str(), 1);
    ::mkdir((root + "/etc").c_str(), 0755);
    ::mkdir((root + "/home").c_str(), 0700);
    const std::string folder = SystemPaths::AdminDir();
    ::mkdir(folder.c_str(), 0755);

    int status = 0;
    {
        wxInitializer wx;
        for (int i = 0; i < kProfileCount; ++i) {
            if (!ProfileFile::Write(SampleProfile(i), folder, 0644, true)) {
                std::fprintf(stderr, "cannot write profile %d\n", i);
                status = 1;
            }
        }
        const std::vector<std::string> paths = ProfilePaths(folder);

        ProfileManagementControl store;
        double storeBest = 1e300, bareBest = 1e300;
        size_t loaded = 0, parsed = 0;
        for (int round = 0; round < kRounds && status == 0; ++round) {
            Clock::time_point start = Clock::now();
            std::vector<ProfileList_t> list;
            if (!store.GetProfileList(list, true, true))
                status = 1;
            storeBest = std::min(storeBest, MillisecondsSince(start));
            loaded = list.size();

            start = Clock::now();
            parsed = 0;
            for (const std::string& path : paths) {
                TiXmlDocument document;
                if (document.LoadFile(path.c_str(), TIXML_ENCODING_UTF8))
                    ++parsed;
            }
            bareBest = std::min(bareBest, MillisecondsSince(start));
        }
        if (status == 0) {
            std::printf("profiles: %zu loaded through the store, %zu parsed bare (best of %d)\n",
                        loaded, parsed, kRounds);
            std::printf("store load:      %8.2f ms\n", storeBest);
            std::printf("bare TinyXML:    %8.2f ms\n", bareBest);
            std::printf("ratio store/bare: %.2f\n", storeBest / bareBest);
        }
    }
    ::nftw(root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
    return status;
}
