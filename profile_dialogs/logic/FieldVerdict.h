#ifndef TIDEWAVE_FIELDVERDICT_H
#define TIDEWAVE_FIELDVERDICT_H

#include <wx/string.h>

// The fields of the profile dialogs that a refused entry sends the user
// back to.  None: the keyboard focus stays where it is.
enum class ProfileField {
    None,
    Name,
    Ssid,
    Key,
    IpAddress,
    SubnetMask,
    Gateway,
    Dns,
    ProxyAddress,
    ProxyPort,
    Homepage,
    ProgramPath,
    // The edit dialog's own groups on its "Other" page: their Settings
    // buttons.
    IpSettingsButton,
    ProxySettingsButton,
};

// The answer of a field rule: accepted, or the message to show (already
// translated) and the field to put the cursor into.
struct FieldVerdict {
    bool accepted = true;
    wxString message;
    ProfileField focus = ProfileField::None;

    static FieldVerdict Accept() { return FieldVerdict(); }
    static FieldVerdict Refuse(const wxString& message, ProfileField focus) {
        FieldVerdict v;
        v.accepted = false;
        v.message = message;
        v.focus = focus;
        return v;
    }
};

#endif
