#include "SettingsArchives.h"

#include <unistd.h>

#include "FileTar.h"
#include "ProgramFolder.h"

SettingsArchives::SettingsArchives() : certs(tree.Path()) {
    const std::string program = tree / "program";
    TestTree::MakeDirs(program);
    TestTree::WriteFile(program + "/cacert.pem", TestTree::ReadFile(certs.caFile));
    const std::string pictures = TIDEWAVE_PICTURE_DIR;
    symlink(pictures.c_str(), (program + "/pic").c_str());
    ProgramFolder::Set(program);
}

wxString SettingsArchives::Make(const std::string& name,
                                const std::vector<std::pair<std::string, std::string>>& files) {
    const std::string src = tree / ("src-" + name);
    TestTree::MakeDirs(src);
    FileTar tar;
    tar.SetBasePath(wxString::FromUTF8(src.c_str()) + "/");
    for (const auto& f : files) {
        TestTree::WriteFile(src + "/" + f.first, f.second);
        tar.AddFile(wxString::FromUTF8(f.first.c_str()), "");
    }
    tar.Tar(wxString::FromUTF8(name.c_str()), wxString::FromUTF8(tree.Path().c_str()) + "/");
    return wxString::FromUTF8((tree / name).c_str());
}
