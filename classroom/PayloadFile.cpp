#include "PayloadFile.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PosixIo.h"

namespace {

// Renames without ever replacing a file at `to`.  Where the file system has
// no such rename, a check right before the rename stands in for it.
int RenameKeepingTarget(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    struct stat st;
    if (::lstat(to, &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from, to);
}

}  // namespace

bool PayloadFile::Open(const std::string& target) {
    Discard();
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0 && st.st_uid != ::geteuid()) {
        errno = EPERM;
        return false;
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string pattern = (folder == "/" ? "" : folder) + "/." + base + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    m_fd = fd;
    m_temp = name.data();
    m_target = target;
    return true;
}

bool PayloadFile::Append(const char* data, size_t size) { return m_fd >= 0 && PosixIo::WriteAll(m_fd, data, size); }

bool PayloadFile::AppendContentOf(const PayloadFile& other) {
    const int in = ::open(other.m_temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0)
        return false;
    char buffer[16384];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!Append(buffer, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    return ok;
}

PayloadFile::Result PayloadFile::Commit(bool keepExisting) {
    if (m_fd < 0)
        return FAILED;
    bool ok = ::fsync(m_fd) == 0;
    if (::close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok)
        return FAILED;
    const int rc = keepExisting ? RenameKeepingTarget(m_temp.c_str(), m_target.c_str())
                                : ::rename(m_temp.c_str(), m_target.c_str());
    if (rc != 0)
        return errno == EEXIST ? TARGET_EXISTS : FAILED;
    m_temp.clear();
    return STORED;
}

void PayloadFile::Discard() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty()) {
        const int saved = errno;
        ::unlink(m_temp.c_str());
        errno = saved;
    }
    m_temp.clear();
}
