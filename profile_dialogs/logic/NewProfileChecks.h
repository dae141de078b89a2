#ifndef TIDEWAVE_NEWPROFILECHECKS_H
#define TIDEWAVE_NEWPROFILECHECKS_H

#include <functional>

#include <wx/string.h>

#include "FieldVerdict.h"
#include "NewProfileEntries.h"

// The checks the new-profile wizard makes whenever the user changes page:
// the name on every change, in either direction; SSID and key only when the
// wireless page is left forward; the ticked groups of the other settings on
// Finish, by the edit dialog's rule.  The first failing check decides.
namespace NewProfileChecks {

enum SecurityIndex { SECURITY_NONE = 0, SECURITY_WEP = 1, SECURITY_WPA_PSK = 2, SECURITY_UNKNOWN = 3 };

enum class PageChange { Other, LeavingWirelessForward, Finish };

struct Outcome {
    FieldVerdict verdict;
    // Written back into the fields whatever the verdict: the trimmed name,
    // and the trimmed SSID once the SSID was checked (`ssidChecked`).
    wxString name;
    wxString ssid;
    bool ssidChecked = false;
};

// `isTaken` answers for the trimmed name (the manager's duplicate test).
Outcome CheckPageChange(const NewProfileEntries& entries, PageChange change,
                        const std::function<bool(const wxString&)>& isTaken);

}  // namespace NewProfileChecks

#endif
