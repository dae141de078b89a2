#include "SystemPaths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

}  // namespace

namespace SystemPaths {

std::string Root() {
    const char* root = std::getenv("TIDEWAVE_ROOT");
    if (root == nullptr || *root == '\0')
        return std::string();
    std::string r = StripTrailingSlashes(root);
    return r == "/" ? std::string() : r;
}

std::string Fixed(const std::string& fixedPath) {
    if (fixedPath.empty() || fixedPath[0] != '/')
        return fixedPath;
    return Root() + fixedPath;
}

std::string Home() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return StripTrailingSlashes(home);
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr)
        return StripTrailingSlashes(pw->pw_dir);
    return "/";
}

std::string AdminDir() { return Fixed("/etc/Lanternfield"); }
std::string GuestDir() { return Fixed("/etc/GuestProfile"); }
std::string ResourceDir() { return Fixed("/usr/share/Tidewave/resource"); }
std::string UserProfileDir() { return Home() + "/Lanternfield"; }

}  // namespace SystemPaths
