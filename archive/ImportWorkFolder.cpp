#include "ImportWorkFolder.h"

#include <cstdio>
#include <vector>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/filename.h>

namespace {

bool IsPrivateFolder(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    ::remove(path);
    return 0;
}

std::string TempDir() {
    const wxCharBuffer buf = wxFileName::GetTempDir().fn_str();
    std::string dir = buf.data() ? buf.data() : "/tmp";
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

}  // namespace

std::string ImportWorkFolder::SharedParent() { return TempDir() + "/twm"; }

ImportWorkFolder::ImportWorkFolder(int number) {
    std::string parent = SharedParent();
    ::mkdir(parent.c_str(), 0700);
    std::string prefix = parent + "/";
    if (!IsPrivateFolder(parent))
        prefix = TempDir() + "/twm-";
    std::string tmpl = prefix + std::to_string(number) + "-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data()) != nullptr)
        m_path = buf.data();
}

ImportWorkFolder::~ImportWorkFolder() {
    if (Ok())
        RemoveTree(m_path);
}

void ImportWorkFolder::RemoveTree(const std::string& path) {
    ::nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}
