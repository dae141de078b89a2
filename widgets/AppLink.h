#ifndef TIDEWAVE_APPLINK_H
#define TIDEWAVE_APPLINK_H

class TaskTrayLink;

// The application object as the windows and the tray see it: the program's
// mesh state (1 off, 2 on, 3 sharing this machine's internet, 4 using
// another's), the tray icon's pending apply and the DNS-SD publication.  The
// application installs itself; without it mesh is off, the tray idle and
// nothing is published.  GUI thread.
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
    // A new DNS-SD publication of this machine.
    virtual void RequestPublish() = 0;
    // The tray icon goes.
    virtual void ForgetTaskTray(const TaskTrayLink* tray) = 0;

    // The installed application, or the stand-in described above.
    static AppLink& Get();
    static void Install(AppLink* app);  // null: none
};

#endif
