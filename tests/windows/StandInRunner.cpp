#include "StandInRunner.h"

StandInRunner& StandInRunner::Get() {
    static StandInRunner* runner = new StandInRunner;  // never destroyed
    return *runner;
}

StandInRunner& StandInRunner::Install() {
    StandInRunner& r = Get();
    {
        std::lock_guard<std::mutex> guard(r.m_mutex);
        r.m_bGateOpen = true;
        r.m_listing.clear();
        r.m_addresses.clear();
        r.m_nCaptures = 0;
        r.m_launched.clear();
    }
    r.m_gate.notify_all();
    CommandRunner::Install(&r);
    return r;
}

int StandInRunner::Run(const std::vector<std::string>&) { return 0; }

bool StandInRunner::Launch(const wxArrayString& argv) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_launched.push_back(argv);
    return true;
}

CapturedOutput StandInRunner::Capture(const std::vector<std::string>& argv, size_t, int) {
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_nCaptures;
    CapturedOutput out;
    if (argv.at(0) == "smbtree") {
        m_gate.wait(lock, [this] { return m_bGateOpen; });
        out.output = m_listing;
    } else if (argv.size() == 3 && m_addresses.count(argv[2]) != 0) {
        out.output = "querying " + argv[2] + " on 10.20.0.255\n" + m_addresses[argv[2]] + " " + argv[2] + "<00>\n";
    } else {
        out.output = "querying\nname_query failed to find name\n";
    }
    return out;
}

void StandInRunner::SetListing(const std::string& listing) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_listing = listing;
}

void StandInRunner::SetAddress(const std::string& host, const std::string& address) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_addresses[host] = address;
}

void StandInRunner::SetGateOpen(bool open) {
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_bGateOpen = open;
    }
    m_gate.notify_all();
}

int StandInRunner::Captures() {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_nCaptures;
}

std::vector<wxArrayString> StandInRunner::Launched() {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_launched;
}
