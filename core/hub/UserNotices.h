#ifndef TIDEWAVE_USERNOTICES_H
#define TIDEWAVE_USERNOTICES_H

// The questions and notices the core shows the user.  The tray application
// installs the windowed implementation; without one the core asks nothing
// (every question counts as No) and shows nothing.
class UserNotices {
public:
    virtual ~UserNotices() = default;
    // Yes/No notices; true on Yes.
    virtual bool AskSwitchToWireless() = 0;
    virtual bool AskSwitchToWired() = 0;
    // Self-closing notices.
    virtual void ShowAdapterSwitchedBalloon() = 0;
    virtual void ShowSwitchedToWiredBalloon() = 0;
    // "Firefox is running..." with OK and Cancel; true on OK.
    virtual bool AskCloseFirefox() = 0;

    // The installed implementation, or null.
    static UserNotices* Get();
    static void Install(UserNotices* notices);
};

#endif
