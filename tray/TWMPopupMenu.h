#ifndef TIDEWAVE_TWMPOPUPMENU_H
#define TIDEWAVE_TWMPOPUPMENU_H

#include <vector>

#include <wx/menu.h>

#include "ProfileList.h"

// The tray menu: one check item per profile (the current one ticked), the
// mesh commands (enabled by the mesh state), then the help command.  It keeps the list it was built from, so a pick applies
// exactly the profile the user saw.
class TWMPopupMenu : public wxMenu {
public:
    TWMPopupMenu();

    const std::vector<ProfileList_t>& GetProfiles() const { return m_profiles; }
    // Index of the ticked profile item, -1 when none.
    int GetCheckedIndex() const { return m_nChecked; }

    static int ProfileItemId(size_t index);
    static int HelpItemId();
    static int TurnOnMeshItemId();
    static int TurnOffMeshItemId();
    static int ShareMyInternetItemId();
    static int UseOthersInternetItemId();

    // The commands, deferred to the tray once the menu has closed.
    static void ConnectProfile(const ProfileList_t& profile);
    static void ShowHelp();

private:
    void OnConnectProfile(wxCommandEvent& e);
    void OnTurnOnMesh(wxCommandEvent& e);
    void OnTurnOffMesh(wxCommandEvent& e);
    void OnShareMyInternet(wxCommandEvent& e);
    void OnUseOthersInternet(wxCommandEvent& e);
    void OnHelp(wxCommandEvent& e);

    std::vector<ProfileList_t> m_profiles;
    int m_nChecked = -1;
};

#endif
