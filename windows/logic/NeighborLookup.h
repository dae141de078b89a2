#ifndef TIDEWAVE_NEIGHBORLOOKUP_H
#define TIDEWAVE_NEIGHBORLOOKUP_H

#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "NeighborEntry.h"

// Finds the machines of the local network: the server listing of
// "smbtree -N -S", then, for each host in it, its address from
// "nmblookup -- <host>".  Host names come from other machines and reach
// nmblookup only as one argument, never through a shell.
class NeighborLookup {
public:
    // Runs one program and returns its output (ChildProcess::Capture).
    using Runner = std::function<CapturedOutput(const std::vector<std::string>& argv, size_t maxOutput,
                                                int timeoutMs)>;
    struct Limits {
        size_t maxHosts = 100;
        size_t listingBytes = 256 * 1024;
        int listingMs = 30000;
        size_t answerBytes = 4 * 1024;
        int answerMs = 5000;
    };

    explicit NeighborLookup(Runner run) : NeighborLookup(std::move(run), Limits()) {}
    NeighborLookup(Runner run, const Limits& limits) : m_run(std::move(run)), m_limits(limits) {}

    // The hosts in listing order.  `stillWanted` is asked before each
    // command; when it says no the lookup ends there, its result unused.  A
    // host with an empty name is listed without a query.
    std::vector<NeighborEntry> Run(const std::function<bool()>& stillWanted) const;

private:
    Runner m_run;
    Limits m_limits;
};

#endif
