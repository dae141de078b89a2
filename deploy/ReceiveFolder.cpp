#include "ReceiveFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "DeployConstants.h"
#include "ImportWorkFolder.h"
#include "SystemPaths.h"

std::string ReceiveFolder::Path() { return SystemPaths::Home() + "/.twm_receive"; }

std::string ReceiveFolder::ArchivePath() { return Path() + "/" + DeployConstants::kArchiveName; }

bool ReceiveFolder::Make() {
    const std::string path = Path();
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && ::unlink(path.c_str()) != 0)
        return false;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    if (::lstat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        errno = EPERM;
        return false;
    }
    return (st.st_mode & 07777) == 0700 || ::chmod(path.c_str(), 0700) == 0;
}

bool ReceiveFolder::Prepare() {
    if (!Make())
        return false;
    const std::string path = Path();
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr)
        return false;
    while (const dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            ImportWorkFolder::RemoveTree(path + "/" + e->d_name);
    }
    ::closedir(dir);
    return true;
}

std::optional<ReceiveFolder::Space> ReceiveFolder::Room() {
    struct statvfs fs;
    if (::statvfs(Path().c_str(), &fs) != 0)
        return std::nullopt;
    const int64_t unit = static_cast<int64_t>(fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize);
    const int64_t size = static_cast<int64_t>(fs.f_blocks) * unit;
    const int64_t reserve = (size * DeployConstants::kDiskReservePercent + 99) / 100;
    return Space{static_cast<int64_t>(fs.f_bavail) * unit - reserve, std::max<int64_t>(unit, 1)};
}
