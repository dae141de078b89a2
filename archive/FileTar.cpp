#include "FileTar.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PosixIo.h"
#include "FileTarBytes.h"

namespace {

constexpr off_t kHeaderOffset = 4;
constexpr off_t kTableOffset = 4 + static_cast<off_t>(FileTarHeader::kBytes);

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now and reports whether the close succeeded.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }
private:
    int m_fd;
};

// Reads until n bytes or the end of the file; returns the count read, or -1.
ssize_t ReadAt(int fd, unsigned char* buf, size_t n, off_t offset) {
    size_t done = 0;
    while (done < n) {
        const ssize_t r = ::pread(fd, buf + done, n - done, offset + static_cast<off_t>(done));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (r == 0)
            break;
        done += static_cast<size_t>(r);
    }
    return static_cast<ssize_t>(done);
}

// The path as bytes for the file system; empty when it cannot be encoded.
std::string FsPath(const wxString& path) {
    const wxCharBuffer buf = path.fn_str();
    if (buf.data() == nullptr)
        return std::string();
    return std::string(buf.data());
}

struct Extraction {
    std::string name;      // file name bytes
    uint32_t offset;
    uint32_t size;
};

// Opens the archive and reads magic and header; returns the descriptor or
// -1 with the reason in `refusal`.  headerBytes receives how many header
// bytes the file really holds.
int OpenArchive(const wxString& archivePath, off_t& fileSize, FileTarHeader& header, size_t& headerBytes,
                FileTar::Refusal& refusal) {
    refusal = FileTar::Refusal::CANNOT_OPEN;
    const std::string path = FsPath(archivePath);
    if (path.empty())
        return -1;
    Fd opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (opened.get() < 0)
        return -1;
    struct stat st;
    if (::fstat(opened.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    unsigned char magic[4];
    const ssize_t gotMagic = ReadAt(opened.get(), magic, 4, 0);
    if (gotMagic < 0)
        return -1;
    refusal = FileTar::Refusal::NOT_AN_ARCHIVE;
    if (gotMagic != 4 || FileTarBytes::GetU32(magic) != FileTar::kMagic)
        return -1;
    refusal = FileTar::Refusal::CANNOT_OPEN;
    unsigned char raw[FileTarHeader::kBytes] = {};
    const ssize_t got = ReadAt(opened.get(), raw, sizeof raw, kHeaderOffset);
    if (got < 0)
        return -1;
    header.Deserialize(raw);
    headerBytes = static_cast<size_t>(got);
    fileSize = st.st_size;
    return opened.Release();
}

// Copies size bytes from offset of the archive into out; false with the
// reason in `why` when it could not.  The sizes were checked against the
// archive's length, so bytes missing now mean the archive was cut short
// since.
bool CopyOut(int archive, int out, uint32_t offset, uint32_t size, FileTar::Refusal& why) {
    unsigned char buf[FileTar::kCopyBlock];
    uint64_t done = 0;
    while (done < size) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(sizeof buf, size - done));
        const ssize_t got = ReadAt(archive, buf, want, static_cast<off_t>(offset + done));
        if (got != static_cast<ssize_t>(want)) {
            why = got < 0 ? FileTar::Refusal::CANNOT_OPEN : FileTar::Refusal::DAMAGED;
            return false;
        }
        if (!PosixIo::WriteAll(out, buf, want)) {
            why = FileTar::Refusal::CANNOT_WRITE;
            return false;
        }
        done += want;
    }
    return true;
}

// The files' bytes stand after the entry table, each apart from the others
// (an empty file takes no room): what is written is never more than the
// archive holds.
bool DataRangesApart(std::vector<Extraction> files, uint64_t dataStart) {
    files.erase(std::remove_if(files.begin(), files.end(), [](const Extraction& f) { return f.size == 0; }),
                files.end());
    std::sort(files.begin(), files.end(),
              [](const Extraction& a, const Extraction& b) { return a.offset < b.offset; });
    uint64_t end = dataStart;
    for (const Extraction& f : files) {
        if (f.offset < end)
            return false;
        end = static_cast<uint64_t>(f.offset) + f.size;
    }
    return true;
}

bool ExtractOne(int archive, int dir, const Extraction& file, FileTar::Refusal& why) {
    why = FileTar::Refusal::CANNOT_WRITE;
    Fd out(::openat(dir, file.name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
    return out.get() >= 0 && CopyOut(archive, out.get(), file.offset, file.size, why) && out.Close();
}

}  // namespace

int FileTar::ReadHeader(const wxString& archivePath, FileTarHeader& header) {
    off_t fileSize = 0;
    size_t headerBytes = 0;
    Refusal refusal;
    Fd fd(OpenArchive(archivePath, fileSize, header, headerBytes, refusal));
    return fd.get() < 0 ? 1 : 0;
}

int FileTar::UnTar(const wxString& archivePath, const wxString& destFolder) {
    return UnTar(archivePath, destFolder, wxString(), std::function<bool()>());
}

int FileTar::UnTar(const wxString& archivePath, const wxString& destFolder, const wxString& firstName,
                   const std::function<bool()>& firstAccepted, Refusal* refusal) {
    const auto refuse = [refusal](Refusal why) {
        if (refusal != nullptr)
            *refusal = why;
        return 1;
    };
    const bool firstRequired = static_cast<bool>(firstAccepted);
    FileTarHeader header;
    off_t fileSize = 0;
    size_t headerBytes = 0;
    Refusal opening;
    Fd archive(OpenArchive(archivePath, fileSize, header, headerBytes, opening));
    if (archive.get() < 0)
        return refuse(opening);
    // The header's length first: in a file that ends inside its header the
    // count reads from bytes that are not there.  Extracting everything,
    // such a file reads as the empty archive its missing bytes make unless
    // it counts entries; one that must hold a first entry is cut short, not
    // without that entry.
    const int32_t count = header.GetCount();
    if (headerBytes < FileTarHeader::kBytes && (firstRequired || count > 0))
        return refuse(Refusal::DAMAGED);
    if (count <= 0)
        return firstRequired ? refuse(Refusal::NO_FIRST_ENTRY) : 0;
    if (count > FileTarHeader::kMaxCount)
        return refuse(Refusal::DAMAGED);

    // The whole table, checked before anything is written.
    const size_t tableBytes = static_cast<size_t>(count) * FileTarEntry::kBytes;
    std::unique_ptr<unsigned char[]> table(new unsigned char[tableBytes]);
    const ssize_t gotTable = ReadAt(archive.get(), table.get(), tableBytes, kTableOffset);
    if (gotTable != static_cast<ssize_t>(tableBytes))
        return refuse(gotTable < 0 ? Refusal::CANNOT_OPEN : Refusal::DAMAGED);
    std::vector<Extraction> files;
    files.reserve(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k) {
        FileTarEntry entry;
        entry.Deserialize(table.get() + static_cast<size_t>(k) * FileTarEntry::kBytes);
        wxString name;
        if (!entry.SafeName(name))
            return refuse(Refusal::DAMAGED);
        if (static_cast<uint64_t>(entry.offset) + entry.size > static_cast<uint64_t>(fileSize))
            return refuse(Refusal::DAMAGED);
        const std::string bytes = FsPath(name);
        if (bytes.empty() || bytes.find('/') != std::string::npos)
            return refuse(Refusal::DAMAGED);
        files.push_back(Extraction{bytes, entry.offset, entry.size});
    }
    if (!DataRangesApart(files, static_cast<uint64_t>(kTableOffset) + tableBytes))
        return refuse(Refusal::DAMAGED);

    const std::string dest = FsPath(destFolder);
    if (dest.empty())
        return refuse(Refusal::CANNOT_WRITE);
    Fd dir(::open(dest.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return refuse(Refusal::CANNOT_WRITE);
    const std::string first = firstRequired ? FsPath(firstName) : std::string();
    if (firstRequired) {
        const auto last = std::find_if(files.rbegin(), files.rend(),
                                       [&first](const Extraction& f) { return f.name == first; });
        if (first.empty() || last == files.rend())
            return refuse(Refusal::NO_FIRST_ENTRY);
        Refusal why;
        if (!ExtractOne(archive.get(), dir.get(), *last, why))
            return refuse(why);
        if (!firstAccepted())
            return refuse(Refusal::FIRST_NOT_ACCEPTED);
    }
    for (const Extraction& file : files) {
        if (firstRequired && file.name == first)
            continue;
        Refusal why;
        if (!ExtractOne(archive.get(), dir.get(), file, why))
            return refuse(why);
    }
    return 0;
}

FileTar::FileTar() = default;

FileTar::~FileTar() = default;

int FileTar::AddFile(const wxString& fileName, const wxString& pathText) {
    FileTarEntry entry;
    if (!FileTarEntry::SetText(entry.name, fileName) || !FileTarEntry::SetText(entry.path, pathText))
        return 1;
    const std::string source = FsPath(m_basePath + fileName);
    if (source.empty())
        return 1;
    Fd fd(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > 0xFFFFFFFFull)
        return 1;
    if (m_header.IncCount() == 0)
        return 1;
    entry.size = static_cast<uint32_t>(st.st_size);
    m_entries.push_back(entry);
    return 0;
}

int FileTar::Tar(const wxString& archiveName, const wxString& outFolder) {
    const std::string path = FsPath((outFolder.empty() ? m_basePath : outFolder) + archiveName);
    if (path.empty())
        return 1;
    Fd out(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (out.get() < 0)
        return 1;
    bool ok = true;
    unsigned char head[4 + FileTarHeader::kBytes];
    FileTarBytes::PutU32(head, kMagic);
    m_header.Serialize(head + 4);
    ok = PosixIo::WriteAll(out.get(), head, sizeof head);

    uint64_t running = static_cast<uint64_t>(kTableOffset) + m_entries.size() * FileTarEntry::kBytes;
    for (FileTarEntry& entry : m_entries) {
        if (!ok)
            break;
        if (running > 0xFFFFFFFFull) {
            ok = false;
            break;
        }
        entry.offset = static_cast<uint32_t>(running);
        unsigned char raw[FileTarEntry::kBytes];
        entry.Serialize(raw);
        ok = PosixIo::WriteAll(out.get(), raw, sizeof raw);
        running += entry.size;
    }
    for (const FileTarEntry& entry : m_entries) {
        if (!ok)
            break;
        wxString name;
        for (int i = 0; i < FileTarEntry::kTextChars && entry.name[i] != 0; ++i)
            name += wxUniChar(entry.name[i]);
        const std::string source = FsPath(m_basePath + name);
        Fd in(source.empty() ? -1 : ::open(source.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.get() < 0) {
            ok = false;
            break;
        }
        // Exactly the size that AddFile recorded: a file that shrank since
        // then fails the archive instead of leaving a hole in it.
        std::unique_ptr<unsigned char[]> buf(new unsigned char[kWriteBlock]);
        uint64_t done = 0;
        while (ok && done < entry.size) {
            const size_t want = static_cast<size_t>(std::min<uint64_t>(kWriteBlock, entry.size - done));
            ok = ReadAt(in.get(), buf.get(), want, static_cast<off_t>(done)) == static_cast<ssize_t>(want) &&
                 PosixIo::WriteAll(out.get(), buf.get(), want);
            done += want;
        }
    }
    if (!out.Close())
        ok = false;
    if (!ok) {
        ::unlink(path.c_str());
        return 1;
    }
    return 0;
}
