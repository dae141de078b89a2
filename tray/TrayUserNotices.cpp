#include "TrayUserNotices.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "NoticeParts.h"
#include "PopupConfirmDialog.h"
#include "PopupDialog.h"

bool TrayUserNotices::AskYesNo(const Lines& lines) {
    PopupDialog dialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    dialog.SetTitleText(_("Confirm"));
    dialog.SetContentLine1(lines.line1);
    dialog.SetContentLine2(lines.line2);
    dialog.SetContentLine3(lines.line3);
    return dialog.ShowModal() == wxID_OK;
}

void TrayUserNotices::Notify(PopupConfirmDialog*& notice, const Lines& lines) {
    if (notice == nullptr)
        notice = new PopupConfirmDialog(nullptr, NoticeParts::LoadBackground(), wxID_ANY);
    notice->SetTitleText(_("Confirm"));
    notice->SetContentLine1(lines.line1);
    notice->SetContentLine2(lines.line2);
    notice->SetContentLine3(lines.line3);
    notice->Centre(wxBOTH);
    notice->Show(true);
}

TrayUserNotices::Lines TrayUserNotices::SwitchToWirelessQuestion() {
    return {_("The wired network connection was lost."), _("Do you want to switch to"), _("wireless LAN?")};
}

TrayUserNotices::Lines TrayUserNotices::SwitchToWiredQuestion() {
    return {_("A wired network connection is available."), _("Do you want to switch to"), _("wired LAN?")};
}

TrayUserNotices::Lines TrayUserNotices::AdapterSwitchedNotice() {
    return {_("The network connection has been"), _("switched from wireless LAN"), _("to wired LAN.")};
}

TrayUserNotices::Lines TrayUserNotices::SwitchedToWiredNotice() {
    return {_("Switched to wired LAN."), _("The wireless LAN adapter"), _("has been turned off.")};
}

bool TrayUserNotices::AskSwitchToWireless() { return AskYesNo(SwitchToWirelessQuestion()); }

bool TrayUserNotices::AskSwitchToWired() { return AskYesNo(SwitchToWiredQuestion()); }

void TrayUserNotices::ShowAdapterSwitchedBalloon() { Notify(m_pAdapterSwitched, AdapterSwitchedNotice()); }

void TrayUserNotices::ShowSwitchedToWiredBalloon() { Notify(m_pSwitchedToWired, SwitchedToWiredNotice()); }

bool TrayUserNotices::AskCloseFirefox() {
    return wxMessageBox(_("Firefox is running. Please close Firefox and click OK to apply the homepage and "
                          "proxy settings of this profile."),
                        _("Message"), wxOK | wxCANCEL | wxICON_INFORMATION) == wxOK;
}
