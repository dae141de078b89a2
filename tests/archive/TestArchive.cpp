#include "TestArchive.h"

#include <gtest/gtest.h>

#include "FileTar.h"
#include "TestTree.h"

std::string TestArchive::Make(const std::string& folder, const std::string& name, const Files& files) {
    const std::string src = folder + "/src-" + name;
    TestTree::MakeDirs(src);
    FileTar tar;
    tar.SetBasePath(wxString::FromUTF8(src.c_str()) + wxT("/"));
    for (const auto& f : files) {
        TestTree::WriteFile(src + "/" + f.first, f.second);
        EXPECT_EQ(tar.AddFile(wxString::FromUTF8(f.first.c_str()), wxT("")), 0) << f.first;
    }
    EXPECT_EQ(tar.Tar(wxString::FromUTF8(name.c_str()), wxString::FromUTF8(folder.c_str()) + wxT("/")), 0) << name;
    return folder + "/" + name;
}
