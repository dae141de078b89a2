#ifndef TIDEWAVE_SCANPROFILERULES_H
#define TIDEWAVE_SCANPROFILERULES_H

#include <string>

#include <wx/string.h>

#include "ProfileList.h"
#include "RvlSdk.h"

// The scan window's connection to a network: the SSID typed for a hidden
// one, and the profile it offers to make after a first connection.
namespace ScanProfileRules {

// Puts a typed SSID (UTF-8) into the record: its bytes, NUL-terminated when
// shorter than 32, and its length.  False, the record unchanged, when it is
// empty or over 32 bytes.
bool WriteTypedSsid(APStatus* ap, const std::string& utf8);

// Whether a profile is offered after a connection, given the profile
// store's flags for the access point (CheckProfilesForAP): none when the
// lists could not be read, a profile already has the SSID, or the policy
// forbids maintaining profiles.  The proposal is named after the SSID, with
// "_0" when a profile already bears that name, and comes after the highest
// priority.
struct Proposal {
    bool offer = false;
    wxString name;
    int priority = 0;
};
Proposal ProposeProfile(int flags, bool canMaintainProfiles, const wxString& ssidText);

// The wireless profile proposed for the access point, with the key and key
// index of the connection.
ProfileList_t ProfileForAccessPoint(const APStatus& ap, const Proposal& proposal, bool admin,
                                    const wxString& key, int keyIndex);

}  // namespace ScanProfileRules

#endif
