#ifndef TIDEWAVE_PROFILEDIALOGSHUB_H
#define TIDEWAVE_PROFILEDIALOGSHUB_H

class ProfileManagementControl;
class ProfileManagerView;
class ScanResultView;

// What the profile manager and the new-profile wizard ask of the network
// hub.  The default answers from DataCenter, asked afresh on every call;
// window tests install their own.
class ProfileDialogsHub {
public:
    virtual ~ProfileDialogsHub() = default;

    // The profile store; null before the hub made it.
    virtual ProfileManagementControl* Store() = 0;
    // The policy flags; true while the hub has no policy.
    virtual bool CanMaintainProfiles() = 0;
    virtual bool CanScanWireless() = 0;
    virtual int NetworkMode() = 0;
    // The scan window and the profile manager; null when absent.
    virtual ScanResultView* ScanWindow() = 0;
    virtual ProfileManagerView* Manager() = 0;

    static ProfileDialogsHub& Get();
    // Null restores the default.
    static void Install(ProfileDialogsHub* hub);
};

#endif
