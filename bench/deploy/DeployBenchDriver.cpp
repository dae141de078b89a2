// Usage:
//   tw_bench_deploy server <program folder>   serve on 127.0.0.1, print the port, stop at end of stdin
//   tw_bench_deploy pack <folder> <archive>   pack every file of the folder
//   tw_bench_deploy untar <folder> <archive>... unpack each archive into the folder
//   tw_bench_deploy push <port> <file> deploy|plain
//       connect to 127.0.0.1:<port>, send the length word and the file (by
//       sendfile); "deploy" waits for the answer 'K' before the file and for
//       the confirmation 'K' after it, "plain" waits until the receiver
//       closes; prints the seconds from connect to that point
//   tw_bench_deploy fsync <file>              fsync the file, print the seconds
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <iostream>
#include <string>

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

int Push(int port, const std::string& file, bool deploy) {
    const int in = ::open(file.c_str(), O_RDONLY);
    struct stat st;
    if (in < 0 || ::fstat(in, &st) != 0)
        return 1;
    const Clock::time_point start = Clock::now();
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return 1;
    const uint32_t n = static_cast<uint32_t>(st.st_size);
    const unsigned char length[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                     static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
    char answer = 0;
    if (::send(fd, length, sizeof length, 0) != sizeof length)
        return 1;
    if (deploy && (::recv(fd, &answer, 1, 0) != 1 || answer != 'K'))
        return 1;
    for (off_t offset = 0; offset < st.st_size;) {
        if (::sendfile(fd, in, &offset, static_cast<size_t>(st.st_size - offset)) <= 0)
            return 1;
    }
    if (deploy) {
        if (::recv(fd, &answer, 1, 0) != 1 || answer != 'K')
            return 1;
    } else {
        ::shutdown(fd, SHUT_WR);
        while (::recv(fd, &answer, 1, 0) > 0) {
        }
    }
    std::printf("%.4f\n", Seconds(start));
    ::close(fd);
    ::close(in);
    return 0;
}

int Fsync(const std::string& file) {
    const Clock::time_point start = Clock::now();
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0)
        return 1;
    ::close(fd);
    std::printf("%.4f\n", Seconds(start));
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
    if (mode == "push" && argc == 5)
        return Push(std::atoi(argv[2]), argv[3], std::string(argv[4]) == "deploy");
    if (mode == "fsync" && argc == 3)
        return Fsync(argv[2]);
    std::fprintf(stderr,
                 "usage: %s server <folder> | pack <folder> <archive> | untar <folder> <archive>... | "
                 "push <port> <file> deploy|plain | fsync <file>\n",
                 argv[0]);
    return 2;
}
