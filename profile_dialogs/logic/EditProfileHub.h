#ifndef TIDEWAVE_EDITPROFILEHUB_H
#define TIDEWAVE_EDITPROFILEHUB_H

#include <wx/string.h>

#include "RvlSdk.h"

// What the edit dialog asks of the rest of the program.  The default one
// goes through the network hub; window tests install their own.
class EditProfileHub {
public:
    virtual ~EditProfileHub() = default;

    // The one in force: the installed one, else the hub's.
    static EditProfileHub& Current();
    // Tests install their own; null restores the hub's.
    static void Install(EditProfileHub* hub);

    virtual int GetNetworkMode() = 0;
    // Name of the profile in use, empty when none.
    virtual wxString GetCurrentProfileName() = 0;
    virtual bool CanScanWireless() = 0;
    // Another entry of the profile manager's working list has this name (a
    // profile keeping `oldName` is never reported).  No manager: false.
    virtual bool IsNameTaken(const wxString& name, const wxString& oldName) = 0;
    // A stored profile that this user sees has this name.
    virtual bool IsNameStored(const wxString& name) = 0;
    // Whether there is a scan window to pick an access point on, and the
    // pick: true with the chosen access point's record in `out`.
    virtual bool HasScanWindow() = 0;
    virtual bool PickAccessPoint(APStatus* out) = 0;
};

#endif
