#ifndef TIDEWAVE_PROFILEMANAGERHUB_H
#define TIDEWAVE_PROFILEMANAGERHUB_H

class ProfileManagementControl;

// What the profile manager asks of the network hub beyond what the profile
// dialogs share (EditProfileHub): the store, the maintain-profiles policy
// and the scan window to close.  The default answers from DataCenter,
// asked afresh on every call; window tests install their own.
class ProfileManagerHub {
public:
    virtual ~ProfileManagerHub() = default;

    // The profile store; null before the hub made it.
    virtual ProfileManagementControl* Store() = 0;
    // True while the hub has no policy.
    virtual bool CanMaintainProfiles() = 0;
    // Closes the scan window when it is shown.
    virtual void CloseScanWindow() = 0;

    static ProfileManagerHub& Get();
    // Null restores the default.
    static void Install(ProfileManagerHub* hub);
};

#endif
