#ifndef TIDEWAVE_TWMPOPUPMENU_H
#define TIDEWAVE_TWMPOPUPMENU_H

#include <vector>

#include <wx/menu.h>

#include "ProfileList.h"

// The tray menu: one check item per profile (the current one ticked), the
// mesh commands (enabled by the mesh state), the scan window and the main
// window, then the help command.  It keeps the list it was built from, so a
// pick applies exactly the profile the user saw.
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
    static int ScanItemId();
    static int MainWindowItemId();

    // The commands, deferred to the tray once the menu has closed.
    static void ConnectProfile(const ProfileList_t& profile);
    static void ShowHelp();
    // The scan window in connect mode, modeless, after the policy, the
    // running applies and the mesh allow it; a shown one is only raised.
    // The not-connected balloon's link runs it too.
    static void ScanNetwork();
    // The main window restored, shown and raised.
    static void ShowMainWindow();

private:
    void OnConnectProfile(wxCommandEvent& e);
    void OnTurnOnMesh(wxCommandEvent& e);
    void OnTurnOffMesh(wxCommandEvent& e);
    void OnShareMyInternet(wxCommandEvent& e);
    void OnUseOthersInternet(wxCommandEvent& e);
    void OnHelp(wxCommandEvent& e);
    void OnScanNetwork(wxCommandEvent& e);
    void OnShowMainWindow(wxCommandEvent& e);

    std::vector<ProfileList_t> m_profiles;
    int m_nChecked = -1;
};

#endif
