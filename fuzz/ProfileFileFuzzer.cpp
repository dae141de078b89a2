// libFuzzer entry for the profile reader.  Every input is written as a
// profile file and read back through the reader, which must neither crash
// (a deeply nested text exhausts the parser's stack) nor leak; a profile
// that was read must write out and read back equal.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <unistd.h>

#include <wx/init.h>

#include "ProfileFile.h"

namespace {

std::string g_work;

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer wx;
    char tmpl[] = "/tmp/profile-fuzz-XXXXXX";
    if (::mkdtemp(tmpl) == nullptr)
        std::abort();
    g_work = tmpl;
    ::setenv("TIDEWAVE_ROOT", g_work.c_str(), 1);  // the reader's log path
    std::atexit([] { ::nftw(g_work.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = g_work + "/input.profile";
    WriteInput(path, data, size);
    ProfileList_t read;
    if (ProfileFile::Read(path, read)) {
        if (read.name != "input" || !ProfileFile::Write(read, g_work, 0600, true))
            std::abort();
        ProfileList_t again;
        if (!ProfileFile::Read(path, again) || !(again == read))
            std::abort();
    }
    return 0;
}
