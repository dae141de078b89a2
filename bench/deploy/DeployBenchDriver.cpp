// Usage:
//   tw_bench_deploy server <program folder>   serve on 127.0.0.1, print the port, stop at end of stdin
//   tw_bench_deploy pack <folder> <archive>   pack every file of the folder
//   tw_bench_deploy untar <folder> <archive>... unpack each archive into the folder
#include <cstdio>
#include <iostream>
#include <string>

#include <dirent.h>

#include <ace/Init_ACE.h>
#include <wx/init.h>

#include "DeployServer.h"
#include "FileTar.h"
#include "ProgramFolder.h"

namespace {

int Serve(const std::string& programFolder) {
    ProgramFolder::Set(programFolder);
    ACE::init();
    DeployServer server(ACE_INET_Addr(static_cast<u_short>(0), "127.0.0.1"));
    if (server.Open() != 0 || server.Start() != 0)
        return 1;
    std::printf("%u\n", server.Port());
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    server.Stop();
    return 0;
}

int Pack(const std::string& folder, const std::string& archive) {
    FileTar tar;
    tar.SetBasePath(wxString::FromUTF8(folder.c_str()) + wxT("/"));
    DIR* d = opendir(folder.c_str());
    if (d == nullptr)
        return 1;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] != '.' && tar.AddFile(wxString::FromUTF8(e->d_name), wxT("")) != 0)
            return 1;
    }
    closedir(d);
    return tar.Tar(wxString::FromUTF8(archive.c_str()), wxT("/"));
}

int UnTar(const std::string& folder, int count, char** archives) {
    for (int i = 0; i < count; ++i) {
        if (FileTar::UnTar(wxString::FromUTF8(archives[i]), wxString::FromUTF8(folder.c_str()) + wxT("/")) != 0)
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer wx;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "server" && argc == 3)
        return Serve(argv[2]);
    if (mode == "pack" && argc == 4)
        return Pack(argv[2], argv[3]);
    if (mode == "untar" && argc >= 4)
        return UnTar(argv[2], argc - 3, argv + 3);
    std::fprintf(stderr, "usage: %s server <folder> | pack <folder> <archive> | untar <folder> <archive>...\n", argv[0]);
    return 2;
}
