#ifndef TIDEWAVE_ACCESSPOINTFIELDS_H
#define TIDEWAVE_ACCESSPOINTFIELDS_H

#include <wx/string.h>

#include "RvlSdk.h"

// What the wizard's wireless page and the edit dialog take from an access
// point picked in the scan window: the SSID (at most 32 bytes; empty when
// they are not UTF-8), and the security and wireless-type items by position.
struct AccessPointFields {
    wxString ssid;
    int securityIndex = 0;      // NONE for open (0 or 100), WEP, WPA-PSK, else UNKNOWN
    int wirelessTypeIndex = 0;  // 802.11b, g, n for PHY 0, 1, 2, else Automatic

    static AccessPointFields From(const APStatus& ap);
};

#endif
