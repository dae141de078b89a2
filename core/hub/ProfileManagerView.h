#ifndef TIDEWAVE_PROFILEMANAGERVIEW_H
#define TIDEWAVE_PROFILEMANAGERVIEW_H

#include <wx/string.h>

#include "ProfileList.h"

// The part of the profile manager window other objects call: the main
// window, the scan window, the edit dialog and the settings import reach the
// manager through it without its header.
class ProfileManagerView {
public:
    virtual ~ProfileManagerView() = default;
    // Reloads its list from the store (after a settings import).
    virtual void RefreshProfile() = 0;
    // Whether the manager is on screen.
    virtual bool IsOpen() = 0;
    // Restores the manager from the minimised state, shows it (which
    // reloads its list when it was hidden) and raises it.
    virtual void ShowManager() = 0;
    // Takes in a profile that another window has stored.
    virtual void AddProfile(const ProfileList_t& profile) = 0;
    // Whether another entry of the manager's working list has this name;
    // a profile keeping its own old name is never reported.
    virtual bool IsNameTaken(const wxString& name, const wxString& oldName) = 0;
};

#endif
