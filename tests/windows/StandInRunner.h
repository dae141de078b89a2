#ifndef TIDEWAVE_STANDINRUNNER_H
#define TIDEWAVE_STANDINRUNNER_H

#include <condition_variable>
#include <map>
#include <mutex>

#include "CommandRunner.h"

// Stands in for the programs the windows start: the Samba client tools
// answer from a listing and an address table, the listing only once the
// gate is open; launched viewers are recorded.  One for the whole test
// program (lookups may outlive a test).
class StandInRunner : public CommandRunner {
public:
    static StandInRunner& Get();
    // Installs it with an open gate, no hosts and nothing recorded.
    static StandInRunner& Install();

    int Run(const std::vector<std::string>& argv) override;
    bool Launch(const wxArrayString& argv) override;
    CapturedOutput Capture(const std::vector<std::string>& argv, size_t maxOutput, int timeoutMs) override;

    void SetListing(const std::string& listing);
    void SetAddress(const std::string& host, const std::string& address);
    void SetGateOpen(bool open);
    int Captures();
    std::vector<wxArrayString> Launched();

private:
    std::mutex m_mutex;
    std::condition_variable m_gate;
    bool m_bGateOpen = true;
    std::string m_listing;
    std::map<std::string, std::string> m_addresses;
    int m_nCaptures = 0;
    std::vector<wxArrayString> m_launched;
};

#endif
