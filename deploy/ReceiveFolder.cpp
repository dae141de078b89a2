#include "ReceiveFolder.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
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
