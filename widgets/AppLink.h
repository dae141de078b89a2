#ifndef TIDEWAVE_APPLINK_H
#define TIDEWAVE_APPLINK_H

// The application object as the windows see it: the program's mesh state
// (1 off, 2 on, 3 sharing this machine's internet, 4 using another's) and
// the tray icon's pending apply.  The application installs itself; without
// it mesh is off and the tray idle.  GUI thread.
class AppLink {
public:
    virtual ~AppLink() = default;

    virtual int GetMeshStatus() const = 0;
    // Mesh off, as before a profile is applied or the wireless is switched,
    // unless this machine shares its internet; true when it was on.
    virtual bool TurnMeshOff() = 0;
    // No tray icon, or no wireless apply of the tray's (one the hub asked
    // for) pending: the gate of the main window's commands.
    virtual bool IsTrayApplyIdle() const = 0;

    // The installed application, or the stand-in described above.
    static AppLink& Get();
    static void Install(AppLink* app);  // null: none
};

#endif
