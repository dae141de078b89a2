#ifndef TIDEWAVE_MAINWINDOWRULES_H
#define TIDEWAVE_MAINWINDOWRULES_H

#include <string>
#include <vector>

#include <wx/string.h>

#include "ProfileList.h"

// What the main window shows and asks for, decided without a window.
namespace MainWindowRules {

// The profile switcher's text counts as empty when it holds nothing but
// blanks.
bool IsBlank(const wxString& text);

enum class Change { Unchanged, Enable, Disable };
enum class Label { Unchanged, On, Off };

// The controls of one network mode.
struct Controls {
    bool connectEnabled = false;
    // On: "Connect", Off: "Disconnect".
    Label connectLabel = Label::Unchanged;
    std::string statusImage;          // empty: no picture
    Change signal = Change::Unchanged;  // Disable clears the signal display
    Change scan = Change::Unchanged;
    Change neighbours = Change::Unchanged;
    // On: "Turn on wireless", Off: "Turn off wireless".
    Label wireless = Label::Unchanged;
};
Controls ForMode(int mode, int meshStatus, const wxString& switcherText, const wxString& currentName);

// Whether scanning for networks is offered with the mesh in this state
// (m_nMeshStatus): always with mesh off; with mesh on only while this
// machine shares its own internet.  The tray menu, its commands and the
// main window all follow it.
bool ScanOffered(int meshStatus);

// The picture of a profile's icon value ("pic/general.png" ...).
std::string ProfileIconFile(const std::string& icon);

// The profiles the switcher offers: those shown ("show" is "1"), in list
// order, each with its index in the list; the selection is the last whose
// name and permission are the current profile's, -1 for none.
struct ProfileChoice {
    size_t index = 0;
    wxString name;
    std::string iconFile;
};
struct ProfileChoices {
    std::vector<ProfileChoice> items;
    int selection = -1;
};
ProfileChoices BuildProfileChoices(const std::vector<ProfileList_t>& list, const wxString& currentName,
                                   const std::string& currentPermission);

// The adapter switch that turns wireless on or off from a network mode.
struct WirelessSwitch {
    bool queue = false;
    int shutDown = 0;
    int start = 0;
    bool disarmQuestion = false;  // no switch-to-wireless question for this loss of the wire
};
WirelessSwitch WirelessSwitchFor(int mode);

}  // namespace MainWindowRules

#endif
