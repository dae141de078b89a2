// libFuzzer entry for the settings archive reader: every input is written to
// a private file and unpacked into a private folder; afterwards nothing may
// exist in the work area but the archive and the destination folder, the
// files unpacked may not hold more bytes than the archive, and an archive
// whose files share bytes, or stand in the header or entry table, unpacks
// nothing at all.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/init.h>

#include "FileTar.h"

namespace {

std::string g_work;

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    return ::remove(path);
}

void Clear(const std::string& folder) {
    nftw(folder.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

// The names in folder but "." and ".."; false when it cannot be read.
bool Names(const std::string& folder, std::vector<std::string>& names) {
    DIR* d = opendir(folder.c_str());
    if (d == nullptr)
        return false;
    while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..")
            names.push_back(n);
    }
    closedir(d);
    return true;
}

bool OnlyExpectedEntries() {
    std::vector<std::string> names;
    return Names(g_work, names) &&
           std::all_of(names.begin(), names.end(), [](const std::string& n) { return n == "in.tar" || n == "dest"; });
}

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// Whether the archive's entry table is whole and two files' bytes meet, or
// a file's bytes lie in the header or the table.
bool SharesBytes(const uint8_t* data, size_t size) {
    if (size < 2056 || U32(data) != 0x4B4350CCu)
        return false;
    const int32_t count = static_cast<int32_t>(U32(data + 2052));
    if (count <= 0 || count > 1024 || size < 2056 + static_cast<size_t>(count) * 2056)
        return false;
    const uint64_t tableEnd = 2056 + static_cast<uint64_t>(count) * 2056;
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    for (int32_t k = 0; k < count; ++k) {
        const uint8_t* e = data + 2056 + static_cast<size_t>(k) * 2056;
        if (U32(e + 4) != 0)
            ranges.emplace_back(U32(e), static_cast<uint64_t>(U32(e)) + U32(e + 4));
    }
    std::sort(ranges.begin(), ranges.end());
    for (size_t i = 0; i < ranges.size(); ++i)
        if (ranges[i].first < tableEnd || (i > 0 && ranges[i].first < ranges[i - 1].second))
            return true;
    return false;
}

long long BytesIn(const std::string& folder) {
    std::vector<std::string> names;
    Names(folder, names);
    long long total = 0;
    for (const std::string& n : names) {
        struct stat st;
        if (lstat((folder + "/" + n).c_str(), &st) == 0)
            total += st.st_size;
    }
    return total;
}

bool Empty(const std::string& folder) {
    std::vector<std::string> names;
    return Names(folder, names) && names.empty();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer wx;
    char tmpl[] = "/tmp/filetar-fuzz-XXXXXX";
    if (mkdtemp(tmpl) == nullptr)
        abort();
    g_work = tmpl;
    atexit([] { Clear(g_work); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string archive = g_work + "/in.tar";
    const std::string dest = g_work + "/dest";
    Clear(dest);
    mkdir(dest.c_str(), 0700);
    FILE* f = fopen(archive.c_str(), "wb");
    if (f == nullptr)
        abort();
    if (size > 0 && fwrite(data, 1, size, f) != size)
        abort();
    fclose(f);
    const int rc = FileTar::UnTar(wxString::FromUTF8(archive.c_str()), wxString::FromUTF8(dest.c_str()) + wxT("/"));
    if (!OnlyExpectedEntries() || BytesIn(dest) > static_cast<long long>(size))
        abort();
    if (SharesBytes(data, size) && (rc == 0 || !Empty(dest)))
        abort();
    return 0;
}
