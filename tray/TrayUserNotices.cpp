#include "TrayUserNotices.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "NoticeParts.h"
#include "PopupConfirmDialog.h"
#include "PopupDialog.h"

bool TrayUserNotices::AskYesNo(const wxString& line1, const wxString& line2, const wxString& line3) {
    PopupDialog dialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    dialog.SetTitleText(_("Confirm"));
    dialog.SetContentLine1(line1);
    dialog.SetContentLine2(line2);
    dialog.SetContentLine3(line3);
    return dialog.ShowModal() == wxID_OK;
}

void TrayUserNotices::Notify(PopupConfirmDialog*& notice, const wxString& line1, const wxString& line2,
                             const wxString& line3) {
    if (notice == nullptr)
        notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->SetTitleText(_("Confirm"));
    notice->SetContentLine1(line1);
    notice->SetContentLine2(line2);
    notice->SetContentLine3(line3);
    notice->Centre(wxBOTH);
    notice->Show(true);
}

bool TrayUserNotices::AskSwitchToWireless() {
    return AskYesNo(_("The wired network connection was lost."), _("Do you want to switch to"),
                    _("wireless LAN?"));
}

bool TrayUserNotices::AskSwitchToWired() {
    return AskYesNo(_("A wired network connection is available."), _("Do you want to switch to"),
                    _("wired LAN?"));
}

void TrayUserNotices::ShowAdapterSwitchedBalloon() {
    Notify(m_pAdapterSwitched, _("The network connection has been"), _("switched from wireless LAN"),
           _("to wired LAN."));
}

void TrayUserNotices::ShowSwitchedToWiredBalloon() {
    Notify(m_pSwitchedToWired, _("Switched to wired LAN."), _("The wireless LAN adapter"),
           _("has been turned off."));
}

bool TrayUserNotices::AskCloseFirefox() {
    return wxMessageBox(_("Firefox is running. Please close Firefox and click OK to apply the homepage and "
                          "proxy settings of this profile."),
                        _("Message"), wxOK | wxCANCEL | wxICON_INFORMATION) == wxOK;
}
