#include "ProgramFolder.h"

#include <climits>
#include <mutex>

#include <unistd.h>

namespace {

std::mutex g_mutex;
std::string g_folder;

std::string FromProcSelfExe() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

namespace ProgramFolder {

std::string Get() {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_folder.empty())
        g_folder = FromProcSelfExe();
    return g_folder;
}

void Set(const std::string& folder) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_folder = folder;
    while (g_folder.size() > 1 && g_folder.back() == '/')
        g_folder.pop_back();
}

std::string File(const std::string& relative) {
    const std::string folder = Get();
    return folder == "/" ? "/" + relative : folder + "/" + relative;
}

}  // namespace ProgramFolder
