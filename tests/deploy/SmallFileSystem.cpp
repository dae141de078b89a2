#include "SmallFileSystem.h"

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

SmallFileSystem::SmallFileSystem(const std::string& folder, int64_t bytes) : m_folder(folder) {
    const auto fail = [this](const char* what) { m_failure = std::string(what) + ": " + std::strerror(errno); };
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0700";
    if (::unshare(CLONE_NEWNS) != 0)
        fail("no mount namespace of its own");
    else if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        fail("the mounts cannot be made private");
    else if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
        fail("no tmpfs can be mounted");
}

SmallFileSystem::~SmallFileSystem() {
    if (Mounted())
        ::umount2(m_folder.c_str(), MNT_DETACH);
}

int64_t SmallFileSystem::Size() const {
    struct statvfs fs;
    return ::statvfs(m_folder.c_str(), &fs) == 0 ? static_cast<int64_t>(fs.f_blocks) * fs.f_frsize : -1;
}

int64_t SmallFileSystem::Free() const {
    struct statvfs fs;
    return ::statvfs(m_folder.c_str(), &fs) == 0 ? static_cast<int64_t>(fs.f_bavail) * fs.f_frsize : -1;
}

int64_t SmallFileSystem::Block() const {
    struct statvfs fs;
    return ::statvfs(m_folder.c_str(), &fs) == 0 ? static_cast<int64_t>(fs.f_frsize) : -1;
}
