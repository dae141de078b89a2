#include "AvahiTestSupport.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

std::string AvahiDaemonMissing() {
    if (const char* ready = std::getenv("TIDEWAVE_AVAHI"); ready != nullptr && std::string(ready) == "ready")
        return std::string();
    if (const char* reason = std::getenv("TIDEWAVE_AVAHI_SKIP"); reason != nullptr && *reason != '\0')
        return reason;
    return "not started (run the tests through scripts/test.sh)";
}

bool AvahiDaemonRequired() {
    const char* required = std::getenv("TIDEWAVE_REQUIRE_AVAHI");
    return required != nullptr && std::string(required) == "1";
}

namespace {

// avahi-publish with these arguments, its output dropped; -1 if it cannot start.
pid_t SpawnPublisher(std::vector<std::string> args) {
    args.insert(args.begin(), "avahi-publish");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, "avahi-publish", &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

}  // namespace

AvahiPeer::AvahiPeer(const std::string& name, const std::string& type, const std::vector<std::string>& items,
                     const std::string& host)
    : m_name(name), m_type(type), m_items(items) {
    std::vector<std::string> args = {"-s", name, type, "651"};
    if (!host.empty())
        args.insert(args.begin(), {"-H", host});
    args.insert(args.end(), items.begin(), items.end());
    m_pid = SpawnPublisher(args);
}

AvahiAddressRecord::AvahiAddressRecord(const std::string& host, const std::string& address)
    : m_pid(SpawnPublisher({"-a", "-R", host, address})) {}

AvahiAddressRecord::~AvahiAddressRecord() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}

AvahiPeer::~AvahiPeer() { Kill(); }

void AvahiPeer::Kill() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    WaitFor(
        [this] {
            for (const BrowsedService& s : BrowseNow(m_type))
                if (s.name == m_name && s.items == m_items)
                    return false;
            return true;
        },
        5);
}

namespace {

// The fields of one parsable avahi-browse line, split at ';'.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t at; (at = line.find(';', start)) != std::string::npos; start = at + 1)
        fields.push_back(line.substr(start, at - start));
    fields.push_back(line.substr(start));
    return fields;
}

// A label as avahi-browse prints it: "\032" for a blank, "\." for a dot.
std::string Unescape(const std::string& label) {
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '\\' && i + 3 < label.size() && std::isdigit(static_cast<unsigned char>(label[i + 1]))) {
            out += static_cast<char>(std::atoi(label.substr(i + 1, 3).c_str()));
            i += 3;
        } else if (label[i] == '\\' && i + 1 < label.size()) {
            out += label[++i];
        } else {
            out += label[i];
        }
    }
    return out;
}

// The TXT items of avahi-browse: quoted, blank-separated, last item first.
std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    for (size_t at = text.find('"'); at != std::string::npos;) {
        const size_t end = text.find('"', at + 1);
        if (end == std::string::npos)
            break;
        items.push_back(text.substr(at + 1, end - at - 1));
        at = text.find('"', end + 1);
    }
    std::reverse(items.begin(), items.end());
    return items;
}

}  // namespace

namespace {

// The fields of each parsable line of avahi-browse with these options.
std::vector<std::vector<std::string>> BrowseLines(const std::string& arguments) {
    std::vector<std::vector<std::string>> lines;
    FILE* out = popen(("avahi-browse " + arguments + " 2>/dev/null").c_str(), "r");
    if (out == nullptr)
        return lines;
    char line[4096];
    while (std::fgets(line, sizeof line, out) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        lines.push_back(Fields(text));
    }
    pclose(out);
    return lines;
}

}  // namespace

std::vector<BrowsedService> BrowseNow(const std::string& type) {
    std::vector<BrowsedService> services;
    for (const std::vector<std::string>& f : BrowseLines("-rpt " + type)) {
        if (f.size() < 10 || f[0] != "=" || f[2] != "IPv4")
            continue;
        BrowsedService s;
        s.name = Unescape(f[3]);
        s.address = f[7];
        s.port = std::atoi(f[8].c_str());
        s.items = Items(f[9]);
        services.push_back(s);
    }
    return services;
}

std::vector<std::string> AnnouncedNow() {
    std::vector<std::string> services;
    // A service withdrawn while the browser looks comes and goes again.
    for (const std::vector<std::string>& f : BrowseLines("-apt")) {
        if (f.size() < 5 || (f[0] != "+" && f[0] != "-"))
            continue;
        const std::string service = Unescape(f[3]) + " (" + f[4] + ")";
        const auto at = std::find(services.begin(), services.end(), service);
        if (f[0] == "+" && at == services.end())
            services.push_back(service);
        else if (f[0] == "-" && at != services.end())
            services.erase(at);
    }
    return services;
}

bool WaitFor(const std::function<bool()>& done, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return done();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}
