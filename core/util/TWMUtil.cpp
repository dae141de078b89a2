#include "TWMUtil.h"

#include <cerrno>
#include <cstdlib>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include <wx/utils.h>

#include "ChildProcess.h"
#include "FirefoxPreferences.h"
#include "IPv4AddressUtil.h"
#include "RvlSdk.h"
#include "PosixIo.h"
#include "SystemPaths.h"
#include "TWMLog.h"
#include "Utf8Text.h"

extern char** environ;

namespace {

const char kLogPath[] = "/tmp/TWMUtil.log";

wxString g_userIdOverride;

}  // namespace

bool TWMUtil::IsAdmin() {
    const wxString id = g_userIdOverride.empty() ? wxGetUserId() : g_userIdOverride;
    return id == "root";
}

void TWMUtil::OverrideUserIdForTesting(const wxString& userId) { g_userIdOverride = userId; }

wxString TWMUtil::GetHomeDir() { return StdStringToWxString(SystemPaths::Home()); }

int TWMUtil::CheckInvalidChars(wxString text) {
    text.Trim(true);
    text.Trim(false);
    if (text.empty())
        return 2;
    static const wxString kInvalid = "<>\"\\'*:?|/";
    for (wxString::const_iterator it = kInvalid.begin(); it != kInvalid.end(); ++it) {
        if (text.Find(*it) != wxNOT_FOUND)
            return 1;
    }
    return 0;
}

bool TWMUtil::IsHexString(wxString text) {
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        const wxUniChar c = *it;
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return false;
    }
    return true;
}

bool TWMUtil::IsNumber(const wxString& text) {
    wxString::const_iterator it = text.begin();
    if (it != text.end() && (*it == '+' || *it == '-'))
        ++it;
    for (; it != text.end(); ++it) {
        if (*it < '0' || *it > '9')
            return false;
    }
    return true;
}

bool TWMUtil::ParsePort(const wxString& text, int* port) {
    if (text.empty() || !IsNumber(text))
        return false;
    const int value = ParseLeadingInt(text.utf8_str());
    if (value < 1 || value > 65535)
        return false;
    if (port != nullptr)
        *port = value;
    return true;
}

bool TWMUtil::HasWhiteSpaceOrControl(const wxString& text) {
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        const wxUint32 c = (*it).GetValue();
        if (c <= 0x20 || (c >= 0x7F && c <= 0xA0) || wxIsspace(*it))
            return true;
    }
    return false;
}

bool TWMUtil::IsProxyAddress(const wxString& text) { return !text.empty() && !HasWhiteSpaceOrControl(text); }

bool TWMUtil::MakeFolder(const std::string& path, mode_t mode) {
    if (path.empty())
        return false;
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolder(path.substr(0, slash), 0755))
        return false;
    if (mkdir(path.c_str(), mode) == 0)
        return true;
    return errno == EEXIST && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TWMUtil::ReplaceFile(const std::string& path, const std::string& content, mode_t mode) {
    std::string temp = path + ".XXXXXX";
    const int fd = mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, mode) == 0 && PosixIo::WriteAll(fd, content.data(), content.size());
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        unlink(temp.c_str());
    return ok;
}

bool TWMUtil::RunInBackground(const std::string& program) {
    TWMLog(kLogPath, "Enter TWMUtil::RunInBackground");
    if (program.empty() || program.find('\0') != std::string::npos)
        return false;

    // The whole entry is the program: no shell sees it, so blanks, quotes and
    // ";" in a path are just part of the name.  A name without "/" is looked
    // up in PATH, as a command line would.
    // A session of its own, so that it outlives a closed terminal of ours.
    posix_spawnattr_t attr;
    if (!ChildProcess::InitSpawnAttributes(&attr, POSIX_SPAWN_SETSID))
        return false;

    // Only the standard streams are passed on: the program must not hold our
    // sockets (the deploy server's port) or files open after we exit.
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        posix_spawnattr_destroy(&attr);
        return false;
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    std::string path = program;
    char* argv[] = {&path[0], nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, path.c_str(), &actions, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (error != 0) {
        TWMLog(kLogPath, "the program could not be started");
        return false;
    }

    // Not waited for by the caller; a small thread collects the exit status
    // so that no zombie is left behind.
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        TWMLog(kLogPath, "no thread to collect the program's exit");
    }
    TWMLog(kLogPath, "Leave TWMUtil::RunInBackground");
    return true;
}

namespace {

// A zero-filled buffer of the size the platform library takes.
struct LibraryText {
    explicit LibraryText(const std::string& text) {
        text.copy(bytes, sizeof bytes - 1);
    }
    char bytes[RVL_TEXT_BUFFER] = {};
};

}  // namespace

bool TWMUtil::ChangeIPAddress(int adapterType, const std::string& ip, const std::string& mask,
                              const std::string& gateway, const std::string& dns) {
    TWMLog(kLogPath, "Enter TWMUtil::ChangeIPAddress");
    // Profiles arrive by import and deploy: nothing unchecked goes to the
    // privileged library, and what goes is the address as checked (an octal
    // part like "010" is sent as 8).
    uint32_t ipValue = 0, maskValue = 0, gatewayValue = 0, dnsValue = 0;
    if (IPv4AddressUtil::CheckIPSettings(ip.c_str(), mask.c_str(), gateway.c_str(), false) != 0 ||
        IPv4AddressUtil::CheckAddress(dns.c_str()) != 0 || !IPv4AddressUtil::ParseAddress(ip.c_str(), ipValue) ||
        !IPv4AddressUtil::ParseAddress(mask.c_str(), maskValue) ||
        !IPv4AddressUtil::ParseAddress(gateway.c_str(), gatewayValue) ||
        !IPv4AddressUtil::ParseAddress(dns.c_str(), dnsValue)) {
        TWMLog(kLogPath, "static IP settings refused");
        return false;
    }

    // Stop the DHCP client first, so that it does not replace the address.
    LibraryText stopDhcp("killall");
    RVL_WriteFile(stopDhcp.bytes);

    LibraryText ipText(IPv4AddressUtil::Format(ipValue));
    LibraryText maskText(IPv4AddressUtil::Format(maskValue));
    LibraryText gatewayText(IPv4AddressUtil::Format(gatewayValue));
    LibraryText dnsText(IPv4AddressUtil::Format(dnsValue));
    const int result = RVL_SetIPAddress(adapterType, ipText.bytes, maskText.bytes, gatewayText.bytes, dnsText.bytes);
    TWMLog(kLogPath, "Leave TWMUtil::ChangeIPAddress");
    return result == 0;
}

bool TWMUtil::IsFirefoxRunning() { return FirefoxPreferences::IsRunning(); }

bool TWMUtil::SetFirefoxHomepage(const std::string& url) {
    return FirefoxPreferences(SystemPaths::Home()).SetHomepage(url);
}

bool TWMUtil::SetFirefoxProxy(const std::string& host, const std::string& port) {
    return FirefoxPreferences(SystemPaths::Home()).SetProxy(host, port);
}
