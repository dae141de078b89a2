#ifndef TIDEWAVE_NEIGHBORENTRY_H
#define TIDEWAVE_NEIGHBORENTRY_H

#include <wx/string.h>

// One machine of the local network: its name as the listing gave it, and
// its IPv4 address as dotted text, empty when none was found.
struct NeighborEntry {
    wxString hostName;
    wxString ipAddress;
};

#endif
