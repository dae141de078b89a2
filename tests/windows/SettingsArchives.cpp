#include "SettingsArchives.h"

#include <unistd.h>

#include "ProgramFolder.h"

SettingsArchives::SettingsArchives() : certs(tree.Path()) {
    const std::string program = tree / "program";
    TestTree::MakeDirs(program);
    TestTree::WriteFile(program + "/cacert.pem", TestTree::ReadFile(certs.caFile));
    const std::string pictures = TIDEWAVE_PICTURE_DIR;
    symlink(pictures.c_str(), (program + "/pic").c_str());
    ProgramFolder::Set(program);
}

wxString SettingsArchives::Make(const std::string& name, const TestArchive::Files& files) {
    return wxString::FromUTF8(TestArchive::Make(tree.Path(), name, files).c_str());
}
