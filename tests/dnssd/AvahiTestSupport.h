#ifndef TIDEWAVE_AVAHITESTSUPPORT_H
#define TIDEWAVE_AVAHITESTSUPPORT_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// The avahi-daemon that the test command starts for these tests (loopback
// only, in a network namespace of its own): the reason there is none, empty
// when it runs.
std::string AvahiDaemonMissing();

// Skips the test with the reason, or fails it where the daemon is required.
#define REQUIRE_AVAHI_DAEMON()                                                   \
    do {                                                                         \
        const std::string missing_ = AvahiDaemonMissing();                       \
        if (!missing_.empty()) {                                                 \
            if (AvahiDaemonRequired())                                           \
                FAIL() << "no avahi-daemon for the DNS-SD tests: " << missing_; \
            GTEST_SKIP() << "no avahi-daemon for the DNS-SD tests: " << missing_; \
        }                                                                        \
    } while (0)
bool AvahiDaemonRequired();

// A service another machine announces: avahi-publish, ended when the object
// goes (killed if it has not ended 5 s after it was asked to).  Ending it
// waits (5 s at most) until the daemon no longer lists the record, so that it
// cannot be taken for a later test's.  Without a host the service stands on
// this machine's own host name.
class AvahiPeer {
public:
    AvahiPeer(const std::string& name, const std::string& type, const std::vector<std::string>& items,
              const std::string& host = std::string());
    ~AvahiPeer();
    void Kill();

private:
    std::string m_name, m_type;
    std::vector<std::string> m_items;
    pid_t m_pid = -1;
};

// An address record of another machine's host name (avahi-publish -a),
// withdrawn when the object goes.
class AvahiAddressRecord {
public:
    AvahiAddressRecord(const std::string& host, const std::string& address);
    ~AvahiAddressRecord();

private:
    pid_t m_pid = -1;
};

// What avahi-browse resolves of a service type now: one entry per resolved
// IPv4 service.  Each browse is killed when it has not ended by itself within
// 10 s, or by the end of the WaitFor it runs in; what it printed until then
// is not the whole list, and the answer is none.  (avahi-browse -t may wait
// for ever for a resolver it has freed when a record leaves the daemon's
// cache as it starts.)
struct BrowsedService {
    std::string name;
    std::string address;
    int port = 0;
    std::vector<std::string> items;  // as the record carries them
};
std::optional<std::vector<BrowsedService>> BrowseNow(const std::string& type);
// Every service the daemon lists now, of any type, resolvable or not: "name
// (type)".  None when the browse had to be killed, as above.
std::optional<std::vector<std::string>> AnnouncedNow();

// Polls until `done` holds or `seconds` pass; a browse inside `done` ends by
// then too.
bool WaitFor(const std::function<bool()>& done, double seconds);

#endif
