#include "InstanceLock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "SystemPaths.h"

InstanceLock::Result InstanceLock::Acquire(const std::string& path, int& fd, std::string& error) {
    fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return FAILED;
    }
    struct flock lock;
    std::memset(&lock, 0, sizeof lock);
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    if (fcntl(fd, F_SETLK, &lock) == 0)
        return ACQUIRED;
    const int err = errno;
    close(fd);
    fd = -1;
    if (err == EACCES || err == EAGAIN)
        return HELD_ELSEWHERE;
    error = "cannot lock " + path + ": " + std::strerror(err);
    return FAILED;
}

std::string InstanceLock::DefaultPath() { return SystemPaths::Home() + "/.twm_lock"; }
