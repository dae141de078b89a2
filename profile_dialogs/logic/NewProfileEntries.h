#ifndef TIDEWAVE_NEWPROFILEENTRIES_H
#define TIDEWAVE_NEWPROFILEENTRIES_H

#include <string>
#include <vector>

#include <wx/string.h>

#include "ProfileList.h"

// What the new-profile wizard's pages hold, as plain values: the window
// copies its controls into this, and the checks and the record are made from
// it without a window.

// The other-settings page: its five boxes, the homepage text and the values
// confirmed in its sub-dialogs.
struct OtherSettingsEntries {
    bool networkSecurity = false;
    bool autoRun = false;
    bool ipDns = false;
    bool homepage = false;
    bool proxy = false;
    wxString homepageText;
    std::string forbidShareInternet;  // empty until the security dialog's first OK
    std::vector<std::string> programs;
    wxString ip, mask, gateway, dns;
    wxString proxyAddress, port;
};

struct NewProfileEntries {
    // First page.
    wxString name;  // as typed
    int iconIndex = 0;
    bool wireless = true;  // the type combo shows "Wireless LAN"
    // Wireless page, by selection index where it has a combo.
    wxString ssid;
    int wirelessTypeIndex = 0;  // Automatic, 802.11b, 802.11g, 802.11n
    int securityIndex = 0;      // NONE, WEP, WPA-PSK, UNKNOWN
    wxString key;
    wxString keyIndexText = "1";
    bool ssidChanged = false;
    // Last page.
    ProfileOtherSet other;
};

#endif
