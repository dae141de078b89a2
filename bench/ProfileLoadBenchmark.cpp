// Compares loading a folder of profiles through the store with a bare
// TinyXML parse of the same files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <dirent.h>

#include <tinyxml.h>
#include <wx/init.h>

#include "ProfileBenchData.h"
#include "ProfileFile.h"
#include "ProfileManagementControl.h"
#include "SystemPaths.h"

namespace {

const int kRounds = 7;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    const std::string root = ProfileBenchData::MakeRoot();
    if (root.empty())
        return 1;
    const std::string folder = SystemPaths::AdminDir();

    int status = 0;
    {
        wxInitializer wx;
        if (!ProfileBenchData::WriteProfiles())
            status = 1;
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
    ProfileBenchData::RemoveRoot(root);
    return status;
}
