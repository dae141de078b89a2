#include "AvahiTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The end of the WaitFor running on this thread, if one is.
thread_local std::optional<Clock::time_point> t_waitEnd;

// What a browse may take, and a child asked to end.
constexpr Clock::duration kBrowseTime = 10s;
constexpr Clock::duration kEndTime = 5s;

// `program` with these arguments, its standard output into `out` (dropped
// when -1) and its standard error dropped; -1 if it cannot start.
pid_t Spawn(const std::string& program, std::vector<std::string> args, int out = -1) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Whether the child has ended by `end`; an ended one is reaped.
bool EndedBy(pid_t pid, Clock::time_point end) {
    for (;;) {
        const pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (Clock::now() >= end)
            return false;
        std::this_thread::sleep_for(10ms);
    }
}

// Kills a child, telling the test's output what and why.
void KillChild(pid_t pid, const std::string& what, const char* why) {
    std::printf("%s: %s; killed\n", what.c_str(), why);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Asks a child to end, and kills it when it has not ended in time.
void EndChild(pid_t pid, const std::string& what) {
    kill(pid, SIGTERM);
    if (!EndedBy(pid, Clock::now() + kEndTime))
        KillChild(pid, what, "not ended 5 s after SIGTERM");
}

// avahi-publish with these arguments; -1 if it cannot start.
pid_t SpawnPublisher(const std::vector<std::string>& args) { return Spawn("avahi-publish", args); }

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
    if (m_pid > 0)
        EndChild(m_pid, "avahi-publish -a");
}

AvahiPeer::~AvahiPeer() { Kill(); }

void AvahiPeer::Kill() {
    if (m_pid <= 0)
        return;
    EndChild(m_pid, "avahi-publish -s " + m_name);
    m_pid = -1;
    WaitFor(
        [this] {
            const auto now = BrowseNow(m_type);
            if (!now)
                return false;
            for (const BrowsedService& s : *now)
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

// The fields of each parsable line of avahi-browse with these options; none
// when it had not ended by itself in its time.
std::optional<std::vector<std::vector<std::string>>> BrowseLines(const std::vector<std::string>& args) {
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = t_waitEnd ? std::min(start + kBrowseTime, *t_waitEnd) : start + kBrowseTime;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t pid = Spawn("avahi-browse", args, pipeEnds[1]);
    close(pipeEnds[1]);
    if (pid < 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    std::string out;
    bool whole = false;  // read to its end
    for (char chunk[4096];;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        pollfd readable = {pipeEnds[0], POLLIN, 0};
        const int ready = left > 0 ? poll(&readable, 1, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        const ssize_t got = read(pipeEnds[0], chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            whole = got == 0;
            break;
        }
        out.append(chunk, static_cast<size_t>(got));
    }
    close(pipeEnds[0]);
    std::string what = "avahi-browse";
    for (const std::string& a : args)
        what += " " + a;
    if (!whole || !EndedBy(pid, end)) {
        char why[64];
        std::snprintf(why, sizeof why, "not ended within %.1f s", std::chrono::duration<double>(end - start).count());
        KillChild(pid, what, why);
        return std::nullopt;
    }
    std::vector<std::vector<std::string>> lines;
    for (size_t at = 0; at < out.size();) {
        size_t next = out.find('\n', at);
        if (next == std::string::npos)
            next = out.size();
        lines.push_back(Fields(out.substr(at, next - at)));
        at = next + 1;
    }
    return lines;
}

}  // namespace

std::optional<std::vector<BrowsedService>> BrowseNow(const std::string& type) {
    const auto lines = BrowseLines({"-rpt", type});
    if (!lines)
        return std::nullopt;
    std::vector<BrowsedService> services;
    for (const std::vector<std::string>& f : *lines) {
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

std::optional<std::vector<std::string>> AnnouncedNow() {
    const auto lines = BrowseLines({"-apt"});
    if (!lines)
        return std::nullopt;
    std::vector<std::string> services;
    // A service withdrawn while the browser looks comes and goes again.
    for (const std::vector<std::string>& f : *lines) {
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
    constexpr Clock::duration step = 100ms;
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    // A browse inside `done` ends by this wait's end (or an outer one's).
    struct Scope {
        std::optional<Clock::time_point> outer = t_waitEnd;
        explicit Scope(Clock::time_point end) { t_waitEnd = outer ? std::min(*outer, end) : end; }
        ~Scope() { t_waitEnd = outer; }
    } scope(end);
    for (;;) {
        if (done())
            return true;
        // No call in the last step: it would have no time for a browse.
        if (end - Clock::now() < step)
            return false;
        std::this_thread::sleep_for(step);
    }
}
