#ifndef TIDEWAVE_EDITPROFILEFIELDS_H
#define TIDEWAVE_EDITPROFILEFIELDS_H

#include <wx/string.h>

// What the edit dialog's controls show.  Choices are item positions, -1 for
// no selection, so that no translated text is ever compared with a stored
// value.
struct EditProfileFields {
    // Item positions of the choices.
    enum WirelessType { TYPE_AUTOMATIC, TYPE_B, TYPE_G, TYPE_N };
    enum Security { SEC_NONE, SEC_WEP, SEC_WPA_PSK, SEC_UNKNOWN };

    // General Settings page.
    wxString name;
    int icon = -1;  // 0 general ... 7 airport
    bool wireless = false;

    // Wireless Settings page.
    wxString ssid;
    int wirelessType = -1;
    int security = -1;
    wxString key;
    bool keyEnabled = false;
    int keyIndex = 0;  // 0 to 3 for "1" to "4"
    bool keyIndexEnabled = false;
    bool hexHint = false;

    // Other page: the five check boxes and the homepage.
    bool networkSecurity = false;
    bool autoRun = false;
    bool ipDns = false;
    bool homepage = false;
    bool proxy = false;
    wxString homepageText;
};

#endif
