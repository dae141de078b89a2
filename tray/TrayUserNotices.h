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

private:
    static bool AskYesNo(const wxString& line1, const wxString& line2, const wxString& line3);
    static void Notify(PopupConfirmDialog*& notice, const wxString& line1, const wxString& line2,
                       const wxString& line3);

    PopupConfirmDialog* m_pAdapterSwitched = nullptr;
    PopupConfirmDialog* m_pSwitchedToWired = nullptr;
};

#endif
