// libFuzzer entry for the settings archive reader: every input is written to
// a private file and unpacked into a private folder; afterwards nothing may
// exist in the work area but the archive and the destination folder.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <dirent.h>
#include <ftw.h>
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

bool OnlyExpectedEntries() {
    DIR* d = opendir(g_work.c_str());
    if (d == nullptr)
        return false;
    bool ok = true;
    while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != ".." && n != "in.tar" && n != "dest")
            ok = false;
    }
    closedir(d);
    return ok;
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
    FileTar::UnTar(wxString::FromUTF8(archive.c_str()), wxString::FromUTF8(dest.c_str()) + wxT("/"));
    if (!OnlyExpectedEntries())
        abort();
    return 0;
}
