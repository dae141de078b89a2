// The classroom side of a deploy, for the program-level deploy test: makes
// the certificates, builds settings archives and pushes them to a running
// program over loopback, checking every answer of the exchange.
//
//   tidewave_test_push ca       <port> <work folder>
//       makes a CA, a server certificate it signed and one of another CA in
//       the work folder, and pushes the CA certificate (ca.pem)
//   tidewave_test_push settings <port> <work folder>
//       builds <work>/trusted.tar (server certificate of that CA, two
//       profiles, a policy; the files also stand in <work>/trusted/) and
//       pushes it
//   tidewave_test_push foreign  <port> <work folder>
//       builds <work>/foreign.tar (certificate of the other CA, a profile
//       named like a trusted one but different, a new profile, another
//       policy; files in <work>/foreign/) and pushes it
//   tidewave_test_push version  <port> <work folder>
//       builds <work>/versioned.tar (server certificate of that CA, a policy
//       that allows everything, "VersionInfo.xml" of settings version "7")
//       and pushes it
//   tidewave_test_push refused  <port>
//       announces a length of 0 and one above the largest payload; each must
//       be answered with 0x00 and a closed connection
//
// Exit status 0 when every answer was as expected; otherwise a line on
// standard error says what deviated and the status is 1 (2 for bad usage).
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <wx/init.h>
#include <wx/string.h>

#include "DeployConstants.h"
#include "FileTar.h"
#include "ProfileFile.h"
#include "ProfileList.h"
#include "TestCertificates.h"

namespace {

// Each step of the exchange (connect, one send, one answer) must finish
// within this time; the import after the last byte may take longer, since
// the program refreshes its windows before it closes the connection.
const int kStepSeconds = 15;
const int kImportSeconds = 45;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Errno() { return std::strerror(errno); }

void SetTimeout(int fd, int seconds) {
    timeval tv{};
    tv.tv_sec = seconds;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0 ||
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv) != 0)
        throw Failure("cannot set the socket time-outs: " + Errno());
}

class Connection {
public:
    explicit Connection(unsigned short port) : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
        if (m_fd < 0)
            throw Failure("cannot make a socket: " + Errno());
        SetTimeout(m_fd, kStepSeconds);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            const std::string why = Errno();
            ::close(m_fd);
            throw Failure("cannot connect to 127.0.0.1:" + std::to_string(port) + ": " + why);
        }
    }
    ~Connection() { ::close(m_fd); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Send(const char* data, size_t n, const std::string& what) {
        size_t done = 0;
        while (done < n) {
            const ssize_t w = ::send(m_fd, data + done, n - done, MSG_NOSIGNAL);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                throw Failure("sending " + what + " failed after " + std::to_string(done) + " of " +
                              std::to_string(n) + " bytes: " + Errno());
            done += static_cast<size_t>(w);
        }
    }

    // The one answer byte after a step; a closed connection or a time-out is
    // a failure.
    char Answer(const std::string& step) {
        char byte = 0;
        for (;;) {
            const ssize_t r = ::recv(m_fd, &byte, 1, 0);
            if (r == 1)
                return byte;
            if (r < 0 && errno == EINTR)
                continue;
            if (r == 0)
                throw Failure("the server closed the connection instead of answering " + step);
            throw Failure("no answer to " + step + " within " + std::to_string(kStepSeconds) + " s: " + Errno());
        }
    }

    // Waits until the server closes its side; any further byte is a fault.
    void ExpectClose(const std::string& after, int seconds) {
        SetTimeout(m_fd, seconds);
        char byte = 0;
        for (;;) {
            const ssize_t r = ::recv(m_fd, &byte, 1, 0);
            if (r == 0)
                return;
            if (r < 0 && errno == EINTR)
                continue;
            if (r == 1)
                throw Failure("unexpected byte 0x" + Hex(byte) + " from the server after " + after);
            throw Failure("the server did not close the connection within " + std::to_string(seconds) +
                          " s after " + after + ": " + Errno());
        }
    }

    static std::string Hex(char c) {
        char text[3];
        std::snprintf(text, sizeof text, "%02x", static_cast<unsigned char>(c));
        return text;
    }

private:
    int m_fd;
};

void SendLength(Connection& c, uint32_t length) {
    const char raw[4] = {static_cast<char>(length & 0xff), static_cast<char>((length >> 8) & 0xff),
                         static_cast<char>((length >> 16) & 0xff), static_cast<char>((length >> 24) & 0xff)};
    c.Send(raw, sizeof raw, "the length");
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteWhole(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !(out << content) || !out.flush())
        throw Failure("cannot write " + path);
}

void MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        throw Failure("cannot make " + path + ": " + Errno());
}

// One whole delivery: length, 'K', the bytes, 'K', then the server closes
// the connection once it has taken the delivery in.
void Push(unsigned short port, const std::string& file) {
    const std::string bytes = ReadWhole(file);
    if (bytes.empty() || bytes.size() > static_cast<size_t>(DeployConstants::kMaxPayloadSize))
        throw Failure(file + " has " + std::to_string(bytes.size()) + " bytes, which no server accepts");
    Connection c(port);
    SendLength(c, static_cast<uint32_t>(bytes.size()));
    const char first = c.Answer("the length of " + file);
    if (first != DeployConstants::kAccept)
        throw Failure("the server answered 0x" + Connection::Hex(first) + " to the length " +
                      std::to_string(bytes.size()) + " of " + file + ", expected 'K'");
    c.Send(bytes.data(), bytes.size(), file);
    const char second = c.Answer("the bytes of " + file);
    if (second != DeployConstants::kAccept)
        throw Failure("the server answered 0x" + Connection::Hex(second) + " after the bytes of " + file +
                      ", expected 'K'");
    c.ExpectClose("the delivery of " + file, kImportSeconds);
    std::printf("pushed %s (%zu bytes): K, K, closed\n", file.c_str(), bytes.size());
}

void ExpectRefused(unsigned short port, uint32_t length) {
    Connection c(port);
    SendLength(c, length);
    const std::string step = "the length " + std::to_string(length);
    const char answer = c.Answer(step);
    if (answer != DeployConstants::kRefuse)
        throw Failure("the server answered 0x" + Connection::Hex(answer) + " to " + step + ", expected 0x00");
    c.ExpectClose("refusing " + step, kStepSeconds);
    std::printf("length %u refused: 0x00, closed\n", length);
}

ProfileList_t Profile(const std::string& name, const std::string& priority, const std::string& type,
                      const std::string& ssid) {
    ProfileList_t p;
    p.name = name;
    p.permission = "admin";
    p.priority = priority;
    p.icon = "1";
    p.show = "1";
    p.GenernalSet.ConnecType = type;
    p.WirelessSet.SSID = ssid;
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.WlanSecurity = ssid.empty() ? "" : "wpa-psk";
    p.WirelessSet.WPAKey = ssid.empty() ? "" : "pushed-key-" + name;
    p.WirelessSet.KeyIndex = "0";
    p.OtherSet.NetworkSecurity = "0";
    p.OtherSet.AutoRunAppFlag = "0";
    p.OtherSet.IPDNS = "0";
    p.OtherSet.HomepageFlag = "1";
    p.OtherSet.Homepage = "http://school.example/" + name;
    p.OtherSet.ProxyFlag = "0";
    return p;
}

std::string Policy(const char* mesh) {
    return std::string("<?xml version=\"1.0\" ?>\n<NetworkPolicy>\n  <UseMesh value=\"") + mesh +
           "\" />\n  <ScanWireless value=\"1\" />\n  <MaintainProfiles value=\"0\" />\n"
           "  <TurnWirelessOnOff value=\"1\" />\n</NetworkPolicy>\n";
}

// Lays the files out in <work>/<label>/ and packs them into <work>/<label>.tar.
std::string BuildArchive(const std::string& work, const std::string& label, const std::string& certificate,
                         const std::vector<ProfileList_t>& profiles, const std::string& policy,
                         const std::vector<std::pair<std::string, std::string>>& others = {}) {
    const std::string folder = work + "/" + label;
    MakeFolder(folder);
    WriteWhole(folder + "/sslservercert.pem", ReadWhole(certificate));
    WriteWhole(folder + "/NetworkPolicy.xml", policy);
    for (const auto& other : others)
        WriteWhole(folder + "/" + other.first, other.second);
    for (const ProfileList_t& p : profiles)
        if (!ProfileFile::Write(p, folder, 0644, true))
            throw Failure("cannot write the profile " + p.name + " into " + folder);

    FileTar tar;
    tar.SetName(wxString::FromUTF8(label.c_str()));
    tar.SetBasePath(wxString::FromUTF8(folder.c_str()) + wxT("/"));
    std::vector<std::string> names = {"sslservercert.pem", "NetworkPolicy.xml"};
    for (const ProfileList_t& p : profiles)
        names.push_back(p.name + ".profile");
    for (const auto& other : others)
        names.push_back(other.first);
    for (const std::string& name : names)
        if (tar.AddFile(wxString::FromUTF8(name.c_str()), wxT("")) != 0)
            throw Failure("cannot add " + name + " to the archive");
    const std::string archive = label + ".tar";
    if (tar.Tar(wxString::FromUTF8(archive.c_str()), wxString::FromUTF8(work.c_str()) + wxT("/")) != 0)
        throw Failure("cannot write the archive " + work + "/" + archive);
    return work + "/" + archive;
}

unsigned short PortFrom(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 1 || value > 65535)
        throw std::invalid_argument(std::string("not a port number: '") + text + "'");
    return static_cast<unsigned short>(value);
}

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s ca|settings|foreign|version <port> <work folder>\n"
                 "       %s refused <port>\n",
                 program, program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer wx;
    if (!wx.IsOk()) {
        std::fprintf(stderr, "cannot initialise wxWidgets\n");
        return 1;
    }
    if (argc < 3)
        return Usage(argv[0]);
    const std::string command = argv[1];
    unsigned short port = 0;
    try {
        port = PortFrom(argv[2]);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    try {
        if (command == "refused" && argc == 3) {
            ExpectRefused(port, 0);
            ExpectRefused(port, static_cast<uint32_t>(DeployConstants::kMaxPayloadSize) + 1);
            return 0;
        }
        if (argc != 4)
            return Usage(argv[0]);
        const std::string work = argv[3];
        struct stat st;
        if (::stat(work.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            std::fprintf(stderr, "work folder %s does not exist\n", work.c_str());
            return 2;
        }
        if (command == "ca") {
            const TestCertificates certs(work);
            Push(port, certs.caFile);
            return 0;
        }
        // The certificates of an earlier "ca" run in the same work folder.
        const std::string serverCert = work + "/server.pem";
        const std::string foreignCert = work + "/foreign.pem";
        if (command == "settings") {
            Push(port, BuildArchive(work, "trusted", serverCert,
                                    {Profile("Room 12 Wired", "1", "lan", ""),
                                     Profile("Room 12 Wireless", "2", "wireless", "Room-12")},
                                    Policy("0")));
            return 0;
        }
        if (command == "version") {
            Push(port, BuildArchive(work, "versioned", serverCert, {}, Policy("1"),
                                    {{"VersionInfo.xml", "<?xml version=\"1.0\" ?>\n<VersionInfo version=\"7\">\n"
                                                         "  <File name=\"NetworkPolicy.xml\" />\n</VersionInfo>\n"}}));
            return 0;
        }
        if (command == "foreign") {
            Push(port, BuildArchive(work, "foreign", foreignCert,
                                    {Profile("Room 12 Wireless", "1", "wireless", "Somewhere-Else"),
                                     Profile("Intruder", "0", "wireless", "Intruder-Net")},
                                    Policy("1")));
            return 0;
        }
        return Usage(argv[0]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tidewave_test_push %s: %s\n", command.c_str(), e.what());
        return 1;
    }
}
