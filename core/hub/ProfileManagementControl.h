#ifndef TIDEWAVE_PROFILEMANAGEMENTCONTROL_H
#define TIDEWAVE_PROFILEMANAGEMENTCONTROL_H

#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/event.h>
#include <wx/string.h>
#include <wx/thread.h>
#include <wx/timer.h>

#include "ProfileList.h"
#include "RvlSdk.h"

class SwitchAdapterEvent;
class WirelessSwitchEvent;
class WlanAcmEvent;

// The profile store: the administrator, user and guest profiles as last
// loaded, the profile in force, and the operations that read and write the
// profile files.  It also runs the applying of a profile, which is driven by
// events and timers on the GUI thread.
//
// Everything runs on the GUI thread except GetProfileList and
// GetAdminProfileCount, which the settings import may call from its own
// thread.  The lists and the current-profile name are therefore guarded by
// one mutex, held only inside single store operations and never while an
// event is posted.
class ProfileManagementControl : public wxEvtHandler {
public:
    // The three folders are fixed here, from the root and home folder in
    // force at this moment.
    ProfileManagementControl();
    ~ProfileManagementControl() override;

    ProfileManagementControl(const ProfileManagementControl&) = delete;
    ProfileManagementControl& operator=(const ProfileManagementControl&) = delete;

    // Receivers of the events the store posts; any may be null (not there).
    void SetEventTargets(wxEvtHandler* mainWindow, wxEvtHandler* profileManager,
                         wxEvtHandler* taskTray);

    // Administrator entries, then user entries, then guest entries, each in
    // ascending priority.  With `reload` the folders are read first for that
    // role (no user profiles for the administrator); when that fails the
    // result is false and `list` and `adminCount` are untouched.  Otherwise
    // `adminCount`, when given, receives the number of administrator entries
    // at the head of this very list.
    bool GetProfileList(std::vector<ProfileList_t>& list, bool isAdmin, bool reload,
                        int* adminCount = nullptr);
    // Number of administrator entries at the head of GetProfileList's list.
    int GetAdminProfileCount();

    // Name of the profile in force, or empty; empty too from the start of an
    // apply until it connected.
    wxString GetCurrentProfileName();
    // The profile being applied or last applied.
    ProfileList_t& GetCurrentUsedProfile();

    // Reads one profile file; `profile` is unchanged when that fails, and
    // `reason` (when given) then tells why, as one sentence for the user.
    bool ReadProfileFile(ProfileList_t& profile, const wxString& path, wxString* reason = nullptr);
    // Writes the profile into an existing folder; a file of its name is
    // replaced only with `replace`, otherwise it makes the write fail.  Files
    // in the administrator and guest folders are readable by everyone, files
    // anywhere else only by their owner.
    bool WriteProfileTo(const ProfileList_t& profile, const wxString& folder, bool replace = true);
    // Whether `folder` is one of the three profile folders (links followed).
    bool IsProfileFolder(const wxString& folder) const;
    // Stores a new profile in the administrator folder (administrator) or the
    // user folder, never replacing an existing one, and tells the main window
    // and the profile manager.
    bool SaveProfile(const ProfileList_t& profile);
    // Replaces the stored profiles of the caller's folder by the given list.
    // The administrator stores the whole list; other users store the entries
    // after the leading administrator ones: those that match the store's
    // administrator entries by name, one for one, at most `adminCount` of
    // them when it is 0 or more.  The names of entries that could not be
    // written go to `failedNames` and make the result false.  When every
    // entry was written, the files of the folder that the last load listed
    // and the list no longer has are removed; files the load skipped stay.
    // With `loadedWith`, the list as its holder loaded it, only files that
    // list held as the caller's own profiles are removed: a profile stored
    // after that load is not the holder's to drop.  The guest profiles are
    // never written or removed.  A guest entry (of the entries named like a
    // guest profile the last one, and every entry named "Guest") is counted
    // as written only when it equals a stored profile of that name that stays
    // in place (its show flag compared as shown or hidden); otherwise it is
    // listed as failed.
    bool SaveAllProfiles(const std::vector<ProfileList_t>& list, wxArrayString* failedNames,
                         int adminCount = -1, const std::vector<ProfileList_t>* loadedWith = nullptr);

    // Reloads the lists and describes the caller's own profiles with respect
    // to an access point: PROFILES_READ, PROFILES_SSID_KNOWN,
    // PROFILES_NAME_TAKEN and the highest priority in the low 16 bits.  0 when
    // the lists cannot be read or `ap` is null.
    int CheckProfilesForAP(const APStatus* ap);

    // Starts applying a copy of `profile` and returns at once.  The outcome
    // reaches the tray and the main window as WlanAcmEvent (6256 connected,
    // 6257 failed), then ProfileEvent 6161 (6260 applied, 6261 failed).  A
    // request while another apply runs is refused with the failure events.
    void ApplyProfile(const ProfileList_t& profile);
    // Closes the connection of the current profile.
    bool DisconnectProfile();
    // A wireless profile just made for the network the laptop is connected
    // to becomes the profile in force, as if it had been applied; false,
    // changing nothing, while an apply runs or when the laptop is not on a
    // network of the profile's SSID.
    bool AdoptConnectedProfile(const ProfileList_t& profile);
    // The hub's status check: the network mode changed (or stays 4 or 6).
    void NotifyModeChanged(int mode);

    // Whether a profile is being applied.
    bool IsApplying() const { return m_nPhase != PHASE_IDLE; }
    bool IsBusy() const { return m_bBusy; }
    bool IsDisconnecting() const { return m_bDisconnecting; }

    // One tick of the prepare timer and of the wired link poll; the timers
    // call them, tests drive them.
    void PrepareTick();
    void WiredPollTick();

    const std::string& AdminDir() const { return m_strAdminDir; }
    const std::string& UserDir() const { return m_strUserDir; }
    const std::string& GuestDir() const { return m_strGuestDir; }

private:
    enum ApplyPhase { PHASE_IDLE, PHASE_PREPARING, PHASE_SWITCHING, PHASE_CONNECTING, PHASE_FINISHING };
    enum { ID_PREPARE_TIMER = 1, ID_WIRED_TIMER };

    // Reads the three folders (the user folder only when `isAdmin` is false)
    // and, when every existing folder could be read, replaces the lists.
    bool LoadProfiles(bool isAdmin);

    // The number of leading entries of `list`, at most `limit`, that stand
    // for the store's administrator profiles.
    size_t LeadingAdminEntries(const std::vector<ProfileList_t>& list, size_t limit);
    // Which entries of `list` stand for guest profiles.
    std::vector<bool> GuestEntries(const std::vector<ProfileList_t>& list);
    // Whether a guest entry is kept as it stands by the stored profiles that
    // a save leaves in place.
    bool IsKeptAsStored(const ProfileList_t& entry, bool admin);
    // Removes the regular profile files of these names from `folder`, never
    // its "Guest.profile".
    void RemoveProfileFiles(const std::string& folder, const std::vector<std::string>& names);
    // Creates the folder with the given mode when it is missing.
    static bool EnsureFolder(const std::string& folder, mode_t mode);
    mode_t FileModeFor(const std::string& folder) const;

    void PostProfileListChanged(bool toProfileManager);

    // Apply engine.
    void OnTimerPrepare(wxTimerEvent&) { PrepareTick(); }
    void OnWiredTimer(wxTimerEvent&) { WiredPollTick(); }
    void OnAdapterSwitch(SwitchAdapterEvent& e);
    void OnWlanConnect(WlanAcmEvent& e);
    void OnWirelessSwitch(WirelessSwitchEvent& e);
    void NotifyConnectResult(int code, int reason);
    // The profile's other settings after it connected; false when its static
    // IP settings could not be applied.
    bool ContinueApplyProfile();
    void NotifyApplyFinished(int code);
    void ForgetCurrentProfile();
    void FailAtOnce();
    void PostApplyEvent(wxEvtHandler* target, const wxEvent& event);

    std::string m_strAdminDir;
    std::string m_strUserDir;
    std::string m_strGuestDir;

    wxMutex m_storeMutex;
    std::vector<ProfileList_t> m_adminList;
    std::vector<ProfileList_t> m_userList;
    std::vector<ProfileList_t> m_guestList;
    wxString m_strCurrentProfileName;
    ProfileList_t m_currentUsedProfile;

    wxEvtHandler* m_pMainWindow = nullptr;
    wxEvtHandler* m_pProfileManager = nullptr;
    wxEvtHandler* m_pTaskTray = nullptr;

    // Apply state.
    ApplyPhase m_nPhase = PHASE_IDLE;
    bool m_bBusy = false;
    bool m_bDisconnecting = false;
    wxTimer m_prepareTimer;  // 200 ms, one-shot
    wxTimer m_wiredTimer;    // 1000 ms wired link poll
    int m_nWiredTicks = 0;
    APStatus m_connectRequest{};
    wxString m_strKey;
    int m_nKeyIndex = 0;
    int m_nSwitchShutDown = 0;
    int m_nSwitchStart = 0;

    wxDECLARE_EVENT_TABLE();
};

#endif
