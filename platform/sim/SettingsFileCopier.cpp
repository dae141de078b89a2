#include "sim/SettingsFileCopier.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "PosixIo.h"

namespace {

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

bool MakeFolders(const std::string& folder, std::string& error) {
    if (folder.empty() || folder[0] != '/') {
        error = "the target folder must be an absolute path";
        return false;
    }
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/')
            continue;
        std::string part = folder.substr(0, pos);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = Reason("cannot create " + part);
            return false;
        }
    }
    struct stat st;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = folder + " is not a folder";
        return false;
    }
    return true;
}

// Copies everything readable from `in` to `out`.
bool CopyData(int in, int out, std::string& error) {
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        ssize_t n = read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = Reason("cannot read the source");
            return false;
        }
        if (n == 0)
            return true;
        if (!PosixIo::WriteAll(out, buffer.data(), static_cast<size_t>(n))) {
            error = Reason("cannot write the copy");
            return false;
        }
    }
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool Close() {
        int fd = m_fd;
        m_fd = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int m_fd;
};

}  // namespace

std::string SettingsFileCopier::BaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SettingsFileCopier::Copy(const std::string& source, const std::string& folder, std::string& error) {
    const std::string name = BaseName(source);
    if (name.empty() || name == "." || name == "..") {
        error = "\"" + source + "\" does not name a file";
        return false;
    }
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused
    // just below like every other non-regular file.
    FileDescriptor in(open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (in.Get() < 0) {
        error = Reason("cannot open " + source);
        return false;
    }
    struct stat st;
    if (fstat(in.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = source + " is not a regular file";
        return false;
    }
    int flags = fcntl(in.Get(), F_GETFL);
    if (flags >= 0)
        fcntl(in.Get(), F_SETFL, flags & ~O_NONBLOCK);

    if (!MakeFolders(folder, error))
        return false;
    std::string temp = folder + "/.settings-copy.XXXXXX";
    std::vector<char> pattern(temp.begin(), temp.end());
    pattern.push_back('\0');
    FileDescriptor out(mkostemp(pattern.data(), O_CLOEXEC));
    if (out.Get() < 0) {
        error = Reason("cannot create a file in " + folder);
        return false;
    }
    temp.assign(pattern.data());
    const std::string target = folder + "/" + name;
    bool ok = CopyData(in.Get(), out.Get(), error);
    if (ok && (fchmod(out.Get(), 0644) != 0 || fsync(out.Get()) != 0)) {
        error = Reason("cannot finish the copy");
        ok = false;
    }
    if (ok && !out.Close()) {
        error = Reason("cannot finish the copy");
        ok = false;
    }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) {
        error = Reason("cannot replace " + target);
        ok = false;
    }
    if (!ok)
        unlink(temp.c_str());
    return ok;
}
