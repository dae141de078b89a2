#include "DownloadFile.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PosixIo.h"

DownloadFile::DownloadFile() : m_fd(-1) {}

DownloadFile::~DownloadFile() { Discard(); }

bool DownloadFile::Open(const std::string& target) {
    Discard();
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0 && st.st_uid != ::geteuid()) {
        errno = EPERM;
        return false;
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "/." + base + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    m_fd = fd;
    m_temporary = name.data();
    m_target = target;
    return true;
}

bool DownloadFile::Write(const char* data, size_t n) {
    if (m_fd < 0) {
        errno = EBADF;
        return false;
    }
    return PosixIo::WriteAll(m_fd, data, n);
}

bool DownloadFile::WriteContentOf(const DownloadFile& other) {
    const int in = ::open(other.m_temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
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
        if (!Write(buffer, static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    return ok;
}

bool DownloadFile::Close() {
    if (m_fd < 0)
        return !m_temporary.empty();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        Discard();
        return false;
    }
    return true;
}

bool DownloadFile::SyncAndClose() {
    if (m_fd < 0 && !m_temporary.empty())
        m_fd = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (m_fd < 0) {
        if (m_temporary.empty())
            errno = EBADF;
        return false;
    }
    bool ok = ::fsync(m_fd) == 0;
    const int savedErrno = errno;
    if (::close(m_fd) != 0)
        ok = false;
    else
        errno = savedErrno;
    m_fd = -1;
    return ok;
}

bool DownloadFile::Commit() {
    if (SyncAndClose() && ::rename(m_temporary.c_str(), m_target.c_str()) == 0) {
        m_temporary.clear();
        return true;
    }
    Discard();
    return false;
}

DownloadFile::Result DownloadFile::CommitBesideExisting() {
    if (!SyncAndClose()) {
        Discard();
        return FAILED;
    }
    int rc = ::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without that rename: a look right before it stands in.
        struct stat st;
        if (::lstat(m_target.c_str(), &st) == 0)
            errno = EEXIST;
        else
            rc = ::rename(m_temporary.c_str(), m_target.c_str());
    }
    if (rc == 0) {
        m_temporary.clear();
        return STORED;
    }
    if (errno == EEXIST)
        return TARGET_EXISTS;
    Discard();
    return FAILED;
}

void DownloadFile::Discard() {
    const int savedErrno = errno;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    errno = savedErrno;
}
