#ifndef TIDEWAVE_TRAYUSERNOTICES_H
#define TIDEWAVE_TRAYUSERNOTICES_H

#include <wx/string.h>

#include "UserNotices.h"

class PopupConfirmDialog;

// The core's questions and notices as the tray's windows: the Yes/No notice
// for the switch questions, the OK notice for the switch reports, and a plain
// message box for the Firefox question.
class TrayUserNotices : public UserNotices {
public:
    bool AskSwitchToWireless() override;
    bool AskSwitchToWired() override;
    void ShowAdapterSwitchedBalloon() override;
    void ShowSwitchedToWiredBalloon() override;
    bool AskCloseFirefox() override;

    // The three lines of each question and notice, translated.
    struct Lines {
        wxString line1, line2, line3;
    };
    static Lines SwitchToWirelessQuestion();
    static Lines SwitchToWiredQuestion();
    static Lines AdapterSwitchedNotice();
    static Lines SwitchedToWiredNotice();

private:
    static bool AskYesNo(const Lines& lines);
    static void Notify(PopupConfirmDialog*& notice, const Lines& lines);

    PopupConfirmDialog* m_pAdapterSwitched = nullptr;
    PopupConfirmDialog* m_pSwitchedToWired = nullptr;
};

#endif
