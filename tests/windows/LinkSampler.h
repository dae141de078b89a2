#ifndef TIDEWAVE_LINKSAMPLER_H
#define TIDEWAVE_LINKSAMPLER_H

#include <functional>
#include <map>
#include <string>

#include <wx/string.h>
#include <wx/timer.h>

#include "RvlSdk.h"

class NetworkManagerDlg;
class ScanNetworkDlg;

// What the simulated laptop has at one moment, read through the platform
// interface as the program reads it.
struct LaptopLinks {
    bool wiredUp = false, cable = false, wirelessUp = false, associated = false;
    APStatus ap{};  // the access point associated with, when associated
    wxString wiredType, wiredIp, wirelessIp;

    bool WiredLink() const { return wiredUp && cable; }
    bool WirelessLink() const { return wirelessUp && associated; }
    // The status text of the associated access point's PHY type.
    wxString WirelessType() const;
    static LaptopLinks Read();
    std::string Describe() const;
};

// Samples a window against the laptop: on every tick of its own 100 ms timer
// while the event loop runs, and when asked.  Each sample reads the window
// first and the laptop right after, on the GUI thread, where the window
// cannot change in between: a window never shows a link or a value before the
// laptop has it, so whatever the window shows must still be there.
class LinkSampler {
public:
    // What one reading of the window shows that the laptop does not have;
    // empty when nothing.
    using Judge = std::function<std::string(const LaptopLinks&)>;
    // `read` reads the window now and returns the judge of that reading.
    explicit LinkSampler(std::function<Judge()> read);
    ~LinkSampler();

    void Sample(const std::string& moment = "every 100 ms");
    int Samples() const { return m_nSamples; }
    // Every faulty sample, one line each (at most 20); empty when none.
    const std::string& Faults() const { return m_faults; }

private:
    std::function<Judge()> m_read;
    wxTimer m_timer;
    int m_nSamples = 0;
    int m_nFaults = 0;
    std::string m_faults;
};

// The main window's status box and current-profile label.  `profiles` maps
// each profile name to its SSID (empty for a wired profile).
LinkSampler::Judge JudgeMainWindow(NetworkManagerDlg* main, const std::map<wxString, std::string>& profiles);
// The scan map's and its detail list's marks of the connected network.
LinkSampler::Judge JudgeScanMap(ScanNetworkDlg* scan);

#endif
